#include "core/calendar/week_window.h"

#include "core/calendar/date6.h"

namespace vorla::calendar {

WeekNumber today_week_number(const Date& today) {
    return week_of_date(to_date6(today));
}

int week_window_base(int year) {
    if (year <= 2009) return 0;
    // The year as years since 1900, times 52, less 5668: 52 x (year - 2009).
    return (year - 1900) * 52 - 5668;
}

}  // namespace vorla::calendar
