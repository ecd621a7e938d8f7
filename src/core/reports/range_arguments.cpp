#include "core/reports/range_arguments.h"

#include "core/calendar/clock.h"
#include "core/calendar/date6.h"
#include "core/calendar/week_window.h"

namespace vorla::reports {

namespace {

calendar::Date full_date(const calendar::Date6& d) {
    return {2000 + d.yy, d.mm, d.dd};
}

// The dates a range may cover, for the user.
std::string counted_weeks_text() {
    using namespace calendar;
    Date6 last = week_date(kLastCountedWeek);
    for (int k = 0; k < 6; ++k)
        last = add_day(last);
    return "the calendar holds the weeks from " + to_iso(full_date(week_date(kFirstCountedWeek))) +
           " to " + to_iso(full_date(last));
}

}  // namespace

std::optional<int> parse_count(const std::string& text, int low, int high) {
    if (text.empty() || text.size() > 6) return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    if (value < low || value > high) return std::nullopt;
    return value;
}

RangeArguments parse_range_arguments(const std::map<std::string, std::string>& options) {
    RangeArguments out;
    const auto start = options.find("--start");
    const auto weeks = options.find("--weeks");
    if (start == options.end()) {
        out.error = "--start YYYY-MM-DD is required";
        return out;
    }
    if (weeks == options.end()) {
        out.error = "--weeks N is required";
        return out;
    }
    const auto date = calendar::parse_iso_date(start->second);
    if (!date) {
        out.error = "bad date for --start: " + start->second + " (expected YYYY-MM-DD, 2000-2099)";
        return out;
    }
    // A date past the last counted week would be taken for it: refuse it instead.
    const calendar::Date6 day = calendar::to_date6(*date);
    if (day < calendar::week_date(calendar::kFirstCountedWeek) ||
        !(day < calendar::week_date(calendar::kLastCountedWeek + 1))) {
        out.error = "bad date for --start: " + start->second + " (" + counted_weeks_text() + ")";
        return out;
    }
    const auto count = parse_count(weeks->second, 1, 52);
    if (!count) {
        out.error = "bad count for --weeks: " + weeks->second + " (expected 1 to 52)";
        return out;
    }
    const calendar::WeekNumber first = calendar::today_week_number(*date);
    if (first + (*count - 1) > calendar::kLastCountedWeek) {
        out.error = "--weeks " + weeks->second + " from " + start->second +
                    " runs past the last week (" + counted_weeks_text() + ")";
        return out;
    }
    out.range.first = first.index();
    out.range.weeks = *count;
    return out;
}

}  // namespace vorla::reports
