#pragma once
// One local brother's assignments: the weeks from the current one in which he chairs, reads,
// gives the talk here or goes out to speak, each outgoing talk on a line of its own with the
// day, time and place.
#include <cstdint>
#include <string>

#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

inline constexpr int kAssignmentWeeksExamined = 55;
inline constexpr int kAssignmentWeeksListed = 22;

// "Пётр Иванов -  Задания".
std::string local_assignments_title(const store::Document& doc, std::uint16_t brother_id);

// A blank page when our congregation is not set or the brother is not there. A week whose
// lines would pass the lowest row goes on a new page under the title.
DisplayList layout_local_assignments(const store::Document& doc, const settings::ReportFonts& fonts,
                                     std::uint16_t brother_id, const Device& device);

}  // namespace vorla::reports
