#pragma once
// The text of a week's date label, as every list, caption and report shows it.
#include <optional>
#include <string>

#include "core/calendar/calendar_context.h"
#include "core/calendar/date6.h"
#include "core/calendar/days.h"

namespace vorla::calendar {

// How a label is spelled: flags, combined with |.
enum class LabelStyle : unsigned {
    month_day = 0,             // "Декабря 07"
    with_year = 1u << 0,       // append the year: "Декабря 07, 2026"
    short_month = 1u << 1,     // "Дек" instead of "Декабря"
    stay_on_monday = 1u << 2,  // do not move from Monday to the meeting day
};
constexpr LabelStyle operator|(LabelStyle a, LabelStyle b) {
    return static_cast<LabelStyle>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}
constexpr bool has(LabelStyle style, LabelStyle flag) {
    return (static_cast<unsigned>(style) & static_cast<unsigned>(flag)) != 0;
}

// The label of week number n: its Monday moved to the meeting day (our own, or the explicit
// day), then spelled by the style and the language's rules.
std::string date_label(WeekNumber n, LabelStyle style, const CalendarContext& ctx,
                       std::optional<LabelDay> day = std::nullopt);
// The label of one date, spelled by the style (no moving). An invalid date gives "".
std::string label_for_date(const Date6& d, LabelStyle style, const CalendarContext& ctx);
// The month name of a label: "xxx" for month 0.
std::string month_name(int mm, bool short_name);
// The weekday's name, "Понедельник" ... "Воскресенье" (Sunday for an offset out of range).
const std::string& weekday_name(DayOffset d);

}  // namespace vorla::calendar
