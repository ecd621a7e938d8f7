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

// The week of a date given for `option`, when the calendar counts it; else `error` says why.
std::optional<calendar::WeekNumber> counted_week(const std::string& option,
                                                 const std::string& value, std::string& error) {
    const auto date = calendar::parse_iso_date(value);
    if (!date) {
        error = "bad date for " + option + ": " + value + " (expected YYYY-MM-DD, 2000-2099)";
        return std::nullopt;
    }
    // A date past the last counted week would be taken for it: refuse it instead.
    const calendar::Date6 day = calendar::to_date6(*date);
    if (day < calendar::week_date(calendar::kFirstCountedWeek) ||
        !(day < calendar::week_date(calendar::kLastCountedWeek + 1))) {
        error = "bad date for " + option + ": " + value + " (" + counted_weeks_text() + ")";
        return std::nullopt;
    }
    return calendar::today_week_number(*date);
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

RangeArguments parse_range_arguments(const std::map<std::string, std::string>& options,
                                     int most_weeks) {
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
    const auto first = counted_week("--start", start->second, out.error);
    if (!first) return out;
    const auto count = parse_count(weeks->second, 1, most_weeks);
    if (!count) {
        out.error = "bad count for --weeks: " + weeks->second + " (expected 1 to " +
                    std::to_string(most_weeks) + ")";
        return out;
    }
    if (*first + (*count - 1) > calendar::kLastCountedWeek) {
        out.error = "--weeks " + weeks->second + " from " + start->second +
                    " runs past the last week (" + counted_weeks_text() + ")";
        return out;
    }
    out.range.first = first->index();
    out.range.weeks = *count;
    return out;
}

}  // namespace vorla::reports

namespace vorla::reports {

LetterArguments parse_letter_arguments(const std::map<std::string, std::string>& options,
                                       bool with_slot) {
    LetterArguments out;
    const auto week = options.find("--week");
    if (week == options.end()) {
        out.error = "--week YYYY-MM-DD is required";
        return out;
    }
    const auto number = counted_week("--week", week->second, out.error);
    if (!number) return out;
    out.week = number->index();
    const auto slot = options.find("--slot");
    if (!with_slot) {
        if (slot != options.end()) out.error = "--slot is for the notice only";
        return out;
    }
    if (slot == options.end()) {
        out.error = "--slot N is required (1 to 6)";
        return out;
    }
    const auto place = parse_count(slot->second, 1, 6);
    if (!place) {
        out.error = "bad slot for --slot: " + slot->second + " (expected 1 to 6)";
        return out;
    }
    out.slot = *place - 1;
    return out;
}

}  // namespace vorla::reports
