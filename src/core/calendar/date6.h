#pragma once
// Dates as the program keeps them: two-digit year, month and day (YYMMDD), the year standing
// for 2000-2099. Weeks are counted from the epoch Monday 27 December 1999 ("991227").
#include <optional>
#include <string>
#include <string_view>

#include "core/calendar/week.h"

namespace vorla::calendar {

struct Date6 {
    int yy = 0;  // 0..99
    int mm = 0;  // 1..12
    int dd = 0;  // 1..31
    friend constexpr auto operator<=>(const Date6&, const Date6&) = default;
};

inline constexpr Date6 kEpoch{99, 12, 27};

// "YYMMDD" with leading zeros.
std::string to_text(const Date6& d);
// Parses a six-digit text; nothing unless it has exactly six digits, month 1..12, day 1..31.
std::optional<Date6> parse_date6(std::string_view text);

// Days in the month; February has 29 days when the two-digit year is divisible by 4.
int month_length(int mm, int yy);
// One week on, by the program's rule: add 7, fold over the month length, roll the year.
Date6 step_week(Date6 d);
// One day on, with the same month and year roll-over.
Date6 add_day(Date6 d);

// The weeks the calendar counts: from week 1 (Monday 3 January 2000) to week 2000 (Monday
// 26 April 2038). A later date would be taken for the last of them.
inline constexpr WeekNumber kFirstCountedWeek{1};
inline constexpr WeekNumber kLastCountedWeek{2000};

// The Monday of week number n (n >= 0).
Date6 week_date(WeekNumber n);
// The number of week starts from the epoch up to and including the date's week: the week
// number of the week that contains it. Dates compare as YYMMDD texts, so the date must lie
// in 2000-2099; counting stops at the last counted week.
WeekNumber week_of_date(const Date6& d);

}  // namespace vorla::calendar
