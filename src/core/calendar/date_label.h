#pragma once
// The text of a week's date label, as every list, caption and report shows it.
#include <optional>
#include <string>

#include "core/calendar/calendar_context.h"
#include "core/calendar/date6.h"

namespace vorla::calendar {

// Style bits of a label.
enum LabelStyle : int {
    kWithYear = 2,       // append the year
    kShortMonth = 8,     // "Дек" instead of "Декабря"
    kStayOnMonday = 32,  // do not move from Monday to the meeting day
};

// The label of week number n: its Monday moved to the meeting day (our own, or the explicit
// day), then spelled by the style bits and the language's rules.
std::string date_label(WeekNumber n, int style, const CalendarContext& ctx,
                       std::optional<LabelDay> day = std::nullopt);
// The label of one date, spelled by the style bits (no moving). An invalid date gives "".
std::string label_for_date(const Date6& d, int style, const CalendarContext& ctx);
// The month name of a label: "xxx" for month 0.
std::string month_name(int mm, bool short_name);

}  // namespace vorla::calendar
