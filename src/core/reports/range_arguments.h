#pragma once
// The week range of the command line: --start YYYY-MM-DD (the week containing that date) and
// --weeks N (1 to 52), as the schedule commands take them.
#include <map>
#include <optional>
#include <string>

#include "core/reports/schedule_report.h"

namespace vorla::reports {

struct RangeArguments {
    ScheduleRange range;
    std::string error;  // non-empty: what is wrong, for the user
};

RangeArguments parse_range_arguments(const std::map<std::string, std::string>& options);

// A positive whole number within [low, high] written in plain digits; nothing otherwise.
std::optional<int> parse_count(const std::string& text, int low, int high);

}  // namespace vorla::reports
