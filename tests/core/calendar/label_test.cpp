#include <gtest/gtest.h>

#include "core/calendar/date_label.h"
#include "core/calendar/days.h"
#include "core/calendar/parity.h"

using namespace vorla::calendar;

namespace {

CalendarContext rus(int current_yy = 26) {
    CalendarContext c;
    c.language = "rus";
    c.current_yy = current_yy;
    c.meeting_odd = DayOffset(0);
    c.meeting_even = DayOffset(0);
    return c;
}

WeekNumber week_of(int yy, int mm, int dd) {
    return week_of_date(Date6{yy, mm, dd});
}

constexpr LabelStyle kShortWithYear = LabelStyle::short_month | LabelStyle::with_year;

}  // namespace

TEST(DateLabel, RussianStylesOnSeventhDecember2026) {
    const WeekNumber w = week_of(26, 12, 7);
    CalendarContext c = rus();
    EXPECT_EQ(date_label(w, kShortWithYear, c), "Дек 07, 2026");
    EXPECT_EQ(date_label(w, LabelStyle::with_year, c), "Декабря 07, 2026");
    EXPECT_EQ(date_label(w, LabelStyle::short_month, c), "Дек 07");
    EXPECT_EQ(date_label(w, LabelStyle::month_day, c), "Декабря 07");
    c.alternate_date_format = true;
    EXPECT_EQ(date_label(w, kShortWithYear, c), "07 дек 2026");
    EXPECT_EQ(date_label(w, LabelStyle::with_year, c), "07 декабря 2026");
    EXPECT_EQ(date_label(w, LabelStyle::short_month, c), "07 дек");
}

TEST(DateLabel, MovesToOurMeetingDayByOwnParity) {
    CalendarContext c = rus();
    c.meeting_even = DayOffset(6);  // Sunday in even years
    c.meeting_odd = DayOffset(5);   // Saturday in odd years
    EXPECT_EQ(date_label(week_of(26, 12, 7), kShortWithYear, c), "Дек 13, 2026");
    EXPECT_EQ(date_label(week_of(27, 3, 1), kShortWithYear, c), "Мар 06, 2027");
    // stay_on_monday keeps Monday; an explicit day wins over our meeting day.
    EXPECT_EQ(date_label(week_of(26, 12, 7), kShortWithYear | LabelStyle::stay_on_monday, c),
              "Дек 07, 2026");
    EXPECT_EQ(date_label(week_of(26, 12, 7), kShortWithYear, c, LabelDay(3)), "Дек 09, 2026");
    // Moving crosses the month and the year.
    EXPECT_EQ(date_label(week_of(26, 12, 28), kShortWithYear, c), "Янв 02, 2027");
}

TEST(DateLabel, CenturyOfTheYearFollowsTheCurrentYear) {
    const CalendarContext c = rus(26);
    EXPECT_EQ(label_for_date(Date6{31, 1, 5}, kShortWithYear, c), "Янв 05, 2031");
    EXPECT_EQ(label_for_date(Date6{32, 1, 5}, kShortWithYear, c), "Янв 05, 1932");
    EXPECT_EQ(label_for_date(Date6{99, 12, 27}, kShortWithYear, c), "Дек 27, 1999");
    EXPECT_EQ(month_name(0, true), "xxx");
    EXPECT_EQ(label_for_date(Date6{26, 0, 5}, LabelStyle::short_month, c), "xxx 05");
    EXPECT_EQ(label_for_date(Date6{26, 13, 5}, LabelStyle::short_month, c), "");
}

TEST(DateLabel, OtherLanguagesSpellDotsAndNumbers) {
    CalendarContext c = rus();
    c.language = "hrvatski";
    const Date6 d{26, 12, 7};
    EXPECT_EQ(label_for_date(d, LabelStyle::with_year, c), "7.12.2026");
    c.alternate_date_format = true;
    EXPECT_EQ(label_for_date(d, LabelStyle::month_day, c), "7. Декабря");
    c.language = "Deu";
    EXPECT_EQ(label_for_date(d, LabelStyle::with_year, c), "07. Декабря. 2026");
    c.language = "finnish";
    EXPECT_EQ(label_for_date(d, LabelStyle::with_year, c), "07.Декабря.2026");
}

TEST(Parity, CalendarYearRuleTurnsLateDecemberToNextYear) {
    EXPECT_EQ(congregation_parity(week_of(27, 12, 27).index(), false), Parity::even);
    EXPECT_EQ(congregation_parity(week_of(27, 12, 20).index(), false), Parity::odd);
    EXPECT_EQ(congregation_parity(week_of(27, 9, 6).index(), false), Parity::odd);
}

TEST(Parity, ServiceYearRuleInvertsSeptemberToDecember) {
    EXPECT_EQ(congregation_parity(week_of(27, 9, 6).index(), true), Parity::even);
    EXPECT_EQ(congregation_parity(week_of(27, 12, 27).index(), true), Parity::even);
    EXPECT_EQ(congregation_parity(week_of(27, 8, 30).index(), true), Parity::odd);
    // Own-day parity also turns a Monday after 25 August.
    EXPECT_EQ(own_day_parity(week_of(27, 8, 30).index(), true), Parity::even);
    EXPECT_EQ(own_day_parity(week_of(27, 8, 23).index(), true), Parity::odd);
    EXPECT_EQ(own_day_parity(week_of(27, 8, 30).index(), false), Parity::odd);
}

TEST(Parity, LateAugustLabelUsesNextServiceYearsMeetingDay) {
    CalendarContext c = rus();
    c.service_year = true;
    c.meeting_odd = DayOffset(5);
    c.meeting_even = DayOffset(6);
    // Monday 28 August 2023: odd calendar year, but the label moves by the even offset.
    EXPECT_EQ(date_label(week_of(23, 8, 28), kShortWithYear, c), "Сен 03, 2023");
    c.service_year = false;
    EXPECT_EQ(date_label(week_of(23, 8, 28), kShortWithYear, c), "Сен 02, 2023");
}

TEST(YearOfWeek, LateDecemberMeetingInJanuaryCountsAsNextYear) {
    CalendarContext c = rus();
    c.meeting_odd = DayOffset(6);
    c.meeting_even = DayOffset(0);
    // Monday 29 December 2025: odd year, flipped to the even offset (Monday): stays 2025.
    EXPECT_EQ(year_of_week(week_of(25, 12, 29).index(), c), 2025);
    c.meeting_even = DayOffset(6);
    EXPECT_EQ(year_of_week(week_of(25, 12, 29).index(), c), 2026);
    EXPECT_EQ(year_text(week_of(25, 12, 22).index(), c), "2025");
}

TEST(DayCodings, StoredDaysAndDisplayIndexes) {
    EXPECT_EQ(to_offset(StoredDay(0)), DayOffset(6));
    EXPECT_EQ(to_offset(StoredDay(1)), DayOffset(0));
    EXPECT_EQ(to_stored(DayOffset(6)), StoredDay(0));
    EXPECT_EQ(to_stored(DayOffset(0)), StoredDay(1));
    EXPECT_EQ(to_stored(DayOffset(9)), StoredDay(0));
    EXPECT_EQ(next_day(DayOffset(6)), DayOffset(0));
    EXPECT_EQ(to_label_day(DayOffset(6)), LabelDay(7));
    EXPECT_EQ(weekday_name(DayOffset(0)), "Понедельник");
    EXPECT_EQ(weekday_name(to_offset(StoredDay(0))), "Воскресенье");
    // A day no record should hold is unset (Sunday, as 0), not 199 days after Monday.
    EXPECT_EQ(to_offset(StoredDay(7)), DayOffset(6));
    EXPECT_EQ(to_offset(StoredDay(200)), DayOffset(6));
}
