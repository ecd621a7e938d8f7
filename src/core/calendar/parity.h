#pragma once
// Which meeting arrangement (odd or even year) a week belongs to, and the year of a week.
#include <string>

#include "core/calendar/calendar_context.h"
#include "core/calendar/date6.h"

namespace vorla::calendar {

enum class Parity { even = 0, odd = 1 };

// Picks the odd-year or even-year meeting day and time of any congregation.
Parity congregation_parity(WeekIndex i, bool service_year);
// Picks our own meeting-day offset when a date label moves to the meeting day.
Parity own_day_parity(WeekIndex i, bool service_year);

// Our meeting-day offset for a parity.
DayOffset meeting_offset(const CalendarContext& ctx, Parity p);

// The four-digit year of the week's Monday; a Monday in late December whose meeting falls
// into January counts as the next year.
int year_of_week(WeekIndex i, const CalendarContext& ctx);
std::string year_text(WeekIndex i, const CalendarContext& ctx);

}  // namespace vorla::calendar
