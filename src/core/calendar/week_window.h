#pragma once
// Today's week number and the 1000-week window the document keeps in memory.
#include "core/calendar/clock.h"
#include "core/calendar/week.h"

namespace vorla::calendar {

inline constexpr int kWindowWeeks = 1000;

// W: the number of Mondays from 3 January 2000 up to and including the date, i.e. the week
// number of the week that contains it.
WeekNumber today_week_number(const Date& today);

// The window base: the window holds week indexes base .. base + 999. It moves on by 52 weeks
// each year from 2010 on.
int week_window_base(int year);

}  // namespace vorla::calendar
