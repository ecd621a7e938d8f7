#include <gtest/gtest.h>

#include <ctime>

#include "core/calendar/clock.h"
#include "core/calendar/date6.h"
#include "core/calendar/locale_date.h"
#include "core/calendar/week_window.h"

using namespace vorla::calendar;

TEST(WeekDate, EpochAndFirstWeeks) {
    EXPECT_EQ(to_text(week_date(WeekNumber(0))), "991227");
    EXPECT_EQ(to_text(week_date(WeekNumber(1))), "000103");
    EXPECT_EQ(to_text(week_date(WeekNumber(9))), "000228");
    EXPECT_EQ(to_text(week_date(WeekNumber(10))), "000306");  // 2000 is a leap year
    EXPECT_EQ(to_text(week_date(WeekNumber(1406))), "261207");
    EXPECT_EQ(to_text(week_date(WeekNumber(2000))), "380426");
    EXPECT_EQ(to_text(week_date(WeekNumber(5000))), "951024");
}

TEST(WeekDate, MatchesTheRealCalendarForAllWeeksOfTheCentury) {
    // The program's stepping rule must agree with the Gregorian calendar for 2000-2099.
    std::tm tm{};
    tm.tm_year = 99;
    tm.tm_mon = 11;
    tm.tm_mday = 27;
    tm.tm_hour = 12;
    for (int n = 0; n < 5200; ++n) {
        std::tm t = tm;
        t.tm_mday += 7 * n;
        timegm(&t);
        const Date6 expected{(t.tm_year + 1900) % 100, t.tm_mon + 1, t.tm_mday};
        ASSERT_EQ(week_date(WeekNumber(n)), expected) << "week " << n;
    }
}

TEST(Days, AddDayRollsOverMonthsAndYears) {
    EXPECT_EQ(to_text(add_day(Date6{0, 2, 28})), "000229");
    EXPECT_EQ(to_text(add_day(Date6{0, 2, 29})), "000301");
    EXPECT_EQ(to_text(add_day(Date6{1, 2, 28})), "010301");
    EXPECT_EQ(to_text(add_day(Date6{26, 12, 31})), "270101");
    EXPECT_EQ(to_text(add_day(Date6{99, 12, 31})), "000101");
    EXPECT_EQ(month_length(4, 26), 30);
    EXPECT_EQ(month_length(2, 28), 29);
}

TEST(DateText, ParsingNeedsSixDigitsAndAPlausibleDate) {
    EXPECT_EQ(parse_date6("261207"), (Date6{26, 12, 7}));
    EXPECT_FALSE(parse_date6("26120"));
    EXPECT_FALSE(parse_date6("2612077"));
    EXPECT_FALSE(parse_date6("26a207"));
    EXPECT_FALSE(parse_date6("261307"));
    EXPECT_FALSE(parse_date6("260007"));
    EXPECT_FALSE(parse_date6("261200"));
    EXPECT_FALSE(parse_date6("261232"));
}

TEST(TodayWeekNumber, CountsMondaysFromThirdJanuary2000) {
    EXPECT_EQ(today_week_number(Date{2000, 1, 2}).value, 0);
    EXPECT_EQ(today_week_number(Date{2000, 1, 3}).value, 1);
    EXPECT_EQ(today_week_number(Date{2000, 1, 9}).value, 1);
    EXPECT_EQ(today_week_number(Date{2000, 1, 10}).value, 2);
    EXPECT_EQ(today_week_number(Date{2026, 12, 7}).value, 1406);
    EXPECT_EQ(today_week_number(Date{2026, 12, 13}).value, 1406);
    EXPECT_EQ(today_week_number(Date{2026, 12, 14}).value, 1407);
    // The search stops after 2000 weeks.
    EXPECT_EQ(today_week_number(Date{2090, 1, 1}).value, 2000);
}

TEST(WeekWindow, BaseMovesBy52WeeksAYearFrom2010) {
    EXPECT_EQ(week_window_base(2000), 0);
    EXPECT_EQ(week_window_base(2009), 0);
    EXPECT_EQ(week_window_base(2010), 52);
    EXPECT_EQ(week_window_base(2026), 884);
}

TEST(WeekTypes, NumberAndIndexDifferByOne) {
    constexpr WeekNumber n(885);
    static_assert(n.index().value == 884);
    static_assert(WeekIndex(0).number().value == 1);
    EXPECT_EQ((n + 3).index(), WeekIndex(887));
}

TEST(IsoDates, OnlyRealDatesOfThisCentury) {
    EXPECT_EQ(parse_iso_date("2026-12-07"), (Date{2026, 12, 7}));
    EXPECT_EQ(parse_iso_date("2028-02-29"), (Date{2028, 2, 29}));
    EXPECT_FALSE(parse_iso_date("2027-02-29"));
    EXPECT_FALSE(parse_iso_date("1999-12-31"));
    EXPECT_FALSE(parse_iso_date("2100-01-01"));
    EXPECT_FALSE(parse_iso_date("2026-1-07"));
    EXPECT_FALSE(parse_iso_date("2026/12/07"));
    EXPECT_EQ(to_iso(Date{2026, 1, 5}), "2026-01-05");
}

TEST(LocaleDates, StatusBarAndPrintDateSpellings) {
    EXPECT_EQ(status_date_text(Date{2026, 12, 7}, "rus"), "дек 07, 2026");
    EXPECT_EQ(status_date_text(Date{2027, 5, 15}, "rus"), "май 15, 2027");
    EXPECT_EQ(day_month_year_text(Date{2027, 1, 5}, "rus"), "05 янв 2027");
    EXPECT_EQ(status_date_text(Date{2026, 12, 7}, "eng"), "Dec 07, 2026");
}
