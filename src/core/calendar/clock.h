#pragma once
// The one place the program learns today's date. `--today` and the tests replace it.
#include <optional>
#include <string>
#include <string_view>

#include "core/calendar/date6.h"

namespace vorla::calendar {

// A full calendar date.
struct Date {
    int year = 2000;
    int month = 1;
    int day = 1;
    friend constexpr auto operator<=>(const Date&, const Date&) = default;
};

// "YYYY-MM-DD" (an existing date of the years 2000-2099), else nothing.
std::optional<Date> parse_iso_date(std::string_view text);
std::string to_iso(const Date& d);
Date6 to_date6(const Date& d);
bool is_valid(const Date& d);

// A moment to the minute, in local time (backup folders are named by it).
struct LocalTime {
    Date date;
    int hour = 0;
    int minute = 0;
    friend constexpr auto operator<=>(const LocalTime&, const LocalTime&) = default;
};

// The machine's local time now.
LocalTime local_time_now();

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
    virtual LocalTime now() const = 0;
};

// The local date and time of the machine.
class SystemClock final : public Clock {
  public:
    Date today() const override;
    LocalTime now() const override { return local_time_now(); }
};

// A date fixed at construction; the hours still pass, so that two backups made on a fixed
// day get names of their own.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(Date d) : date_(d) {}
    Date today() const override { return date_; }
    LocalTime now() const override;

  private:
    Date date_;
};

}  // namespace vorla::calendar
