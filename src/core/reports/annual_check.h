#pragma once
// The annual talk check: every listed talk of the catalogue against six years, each cell the
// latest week of that year the talk was (or is to be) heard in our hall, in a ruled grid.
#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/calendar/week.h"
#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

inline constexpr int kCheckYears = 6;

struct CheckCell {
    calendar::WeekIndex week;  // the latest week of the year with the talk
    int times = 0;             // 0: not heard that year
};

struct AnnualCheck {
    int latest_year = 0;  // the last of the six columns
    // The last week with an incoming speaker and talk among the current week and the 69
    // after it (the current week when none has both); the grid counts the weeks up to it.
    calendar::WeekIndex last_week;
    std::vector<std::array<CheckCell, kCheckYears>> talks;  // talk n at n - 1
};

AnnualCheck annual_check(const store::Document& doc);

// A title of 56 characters or more in two parts, broken at its last blank within the first
// 55 characters (at the 55th when it has none there); a shorter one whole, the rest empty.
std::pair<std::string, std::string> split_long_title(std::string_view title);

DisplayList layout_annual_check(const store::Document& doc, const settings::ReportFonts& fonts,
                                const Device& device);

}  // namespace vorla::reports
