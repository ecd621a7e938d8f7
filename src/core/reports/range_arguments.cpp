#include "core/reports/range_arguments.h"

#include "core/calendar/clock.h"
#include "core/calendar/week_window.h"

namespace vorla::reports {

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
    const auto count = parse_count(weeks->second, 1, 52);
    if (!count) {
        out.error = "bad count for --weeks: " + weeks->second + " (expected 1 to 52)";
        return out;
    }
    out.range.first = calendar::today_week_number(*date).index();
    out.range.weeks = *count;
    return out;
}

}  // namespace vorla::reports
