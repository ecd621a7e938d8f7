#pragma once
// What week parities, years of weeks and date labels depend on besides the week itself.
#include <string>

#include "core/calendar/days.h"

namespace vorla::calendar {

struct CalendarContext {
    std::string language = "rus";        // the language code (text language_code)
    bool alternate_date_format = false;  // "Другой формат даты ( dd mmm yy )"
    bool service_year = false;           // meeting arrangement switches in September
    int current_yy = 0;                  // today's two-digit year
    DayOffset meeting_odd{6};            // our meeting day in odd arrangement
    DayOffset meeting_even{6};           // ... and in even arrangement
};

}  // namespace vorla::calendar
