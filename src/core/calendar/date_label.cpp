#include "core/calendar/date_label.h"

#include <algorithm>

#include "core/calendar/parity.h"
#include "core/text/texts.h"
#include "core/text/utf8.h"

namespace vorla::calendar {

using text::TextId;

namespace {

bool dot_language(const std::string& lang) {
    return lang == "Deu" || lang == "finnish" || lang == "hrvatski";
}

bool lower_case_language(const CalendarContext& ctx) {
    return ctx.language == "spanish" || (ctx.language == "rus" && ctx.alternate_date_format);
}

std::string two_digits(int v) {
    return std::string{static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10)};
}

void remove_all(std::string& s, char c) {
    s.erase(std::remove(s.begin(), s.end(), c), s.end());
}

}  // namespace

std::string month_name(int mm, bool short_name) {
    if (mm < 1 || mm > 12) return "xxx";
    return text::text_at(short_name ? TextId::month_short_january : TextId::month_january, mm - 1);
}

const std::string& weekday_name(DayOffset d) {
    return text::text_at(TextId::weekday_monday, d.value >= 0 && d.value <= 6 ? d.value : 6);
}

std::string label_for_date(const Date6& d, LabelStyle style, const CalendarContext& ctx) {
    if (d.mm > 12 || d.dd < 1 || d.dd > 31 || d.yy < 0 || d.yy > 99 || d.mm < 0) return {};
    const std::string& lang = ctx.language;
    const bool dots = dot_language(lang);
    std::string month = month_name(d.mm, has(style, LabelStyle::short_month));
    const std::string dd = two_digits(d.dd);
    std::string label;
    if (ctx.alternate_date_format) {
        if (lower_case_language(ctx)) month = text::to_lower(month);
        if (lang == "hrvatski") {
            label = std::to_string(d.dd) + ". " + month;
        } else {
            label = dd + (dots ? ". " : " ") + month;
        }
    } else if (lang == "hrvatski") {
        label = std::to_string(d.dd) + "." + std::to_string(d.mm);
    } else {
        label = month + " " + dd;
    }
    if (has(style, LabelStyle::with_year)) {
        label += dots ? ". " : ", ";
        label += d.yy <= ctx.current_yy + 5 ? "20" : "19";
        label += two_digits(d.yy);
        if (ctx.alternate_date_format) {
            if (lang == "rus") remove_all(label, ',');
            if (lang == "finnish") remove_all(label, ' ');
        } else if (lang == "hrvatski") {
            remove_all(label, ' ');
        }
    }
    return label;
}

std::string date_label(WeekNumber n, LabelStyle style, const CalendarContext& ctx,
                       std::optional<LabelDay> day) {
    Date6 d = week_date(n);
    if (!has(style, LabelStyle::stay_on_monday)) {
        const int days =
            day ? day->value - 1
                : meeting_offset(ctx, own_day_parity(n.index(), ctx.service_year)).value;
        for (int k = 0; k < days; ++k)
            d = add_day(d);
    }
    return label_for_date(d, style, ctx);
}

}  // namespace vorla::calendar
