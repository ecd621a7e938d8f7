// The one place the program reads the machine's date: the local date of the time zone, not
// the date at Greenwich.
#include "core/calendar/clock.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <optional>
#include <string>

using namespace vorla::calendar;

namespace {

// Sets TZ for the life of the object.
class TimeZone {
  public:
    explicit TimeZone(const char* tz) {
        if (const char* old = std::getenv("TZ")) old_ = old;
        ::setenv("TZ", tz, 1);
        ::tzset();
    }
    ~TimeZone() {
        if (old_) {
            ::setenv("TZ", old_->c_str(), 1);
        } else {
            ::unsetenv("TZ");
        }
        ::tzset();
    }

  private:
    std::optional<std::string> old_;
};

long days_of(const Date& d) {
    std::tm t{};
    t.tm_year = d.year - 1900;
    t.tm_mon = d.month - 1;
    t.tm_mday = d.day;
    t.tm_hour = 12;
    return static_cast<long>(::timegm(&t) / 86400);
}

}  // namespace

TEST(SystemClock, TodayIsTheLocalDate) {
    Date east;
    Date west;
    {
        TimeZone tz("XXX-14");  // fourteen hours east of Greenwich
        east = SystemClock().today();
    }
    {
        TimeZone tz("YYY+11");  // eleven hours west
        west = SystemClock().today();
    }
    EXPECT_TRUE(is_valid(east));
    EXPECT_TRUE(is_valid(west));
    // 25 hours apart: the eastern date is always one or two days later.
    EXPECT_GE(days_of(east) - days_of(west), 1);
    EXPECT_LE(days_of(east) - days_of(west), 2);
}

TEST(FixedClock, IsWhatTheCommandLineAndTheTestsSet) {
    const Date d{2026, 12, 7};
    const FixedClock clock(d);
    EXPECT_EQ(clock.today(), d);
    const Clock& any = clock;
    EXPECT_EQ(to_iso(any.today()), "2026-12-07");
    EXPECT_EQ(to_date6(any.today()), (Date6{26, 12, 7}));
}

TEST(FixedClock, NowKeepsTheDayWhileTheHoursPass) {
    const Date d{2026, 12, 7};
    const FixedClock clock(d);
    LocalTime east;
    LocalTime west;
    // Read again when a minute turned between the two readings.
    for (int attempt = 0; attempt < 3 && (attempt == 0 || east.minute != west.minute); ++attempt) {
        {
            TimeZone tz("XXX-14");
            east = clock.now();
        }
        {
            TimeZone tz("YYY+11");
            west = clock.now();
        }
    }
    EXPECT_EQ(east.date, d);
    EXPECT_EQ(west.date, d);
    EXPECT_EQ((east.hour - west.hour + 24) % 24, 1);  // 25 hours apart
    EXPECT_EQ(east.minute, west.minute);
}
