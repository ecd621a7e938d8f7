#pragma once
// The week range of the command line: --start YYYY-MM-DD (the week containing that date) and
// --weeks N (1 to 52 for the schedule commands; the lists of weeks take their own most).
#include <map>
#include <optional>
#include <string>

#include "core/reports/schedule_report.h"

namespace vorla::reports {

struct RangeArguments {
    ScheduleRange range;
    std::string error;  // non-empty: what is wrong, for the user
};

RangeArguments parse_range_arguments(const std::map<std::string, std::string>& options,
                                     int most_weeks = 52);

// The week of a letter: --week YYYY-MM-DD (the week containing that date) and, for the
// notice, --slot N, the outgoing speaker's place in the week (1 to 6, as the week lists him).
struct LetterArguments {
    calendar::WeekIndex week;
    int slot = 0;       // 0..5
    std::string error;  // non-empty: what is wrong, for the user
};

LetterArguments parse_letter_arguments(const std::map<std::string, std::string>& options,
                                       bool with_slot);

// A positive whole number within [low, high] written in plain digits; nothing otherwise.
std::optional<int> parse_count(const std::string& text, int low, int high);

}  // namespace vorla::reports
