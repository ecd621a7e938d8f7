#pragma once
// Each talk of the catalogue with the speakers who give it, two to a line.
#include <string>
#include <vector>

#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/reports/flowing_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

// For talks 1..count, the brothers who give it (index positions, name order): not
// discontinued, and of our congregation only those on the outgoing-speakers list. One pass
// over the brothers serves every talk.
std::vector<std::vector<std::size_t>> speakers_by_talk(const store::Document& doc, int count);

// 2 lines a talk; with d speakers 1 more for one or two, d / 2 + (d odd) + 1 for more.
ListEstimate estimate_talk_list(const store::Document& doc, int line_height, int res_y);

DisplayList layout_talk_list(const store::Document& doc, const settings::ReportFonts& fonts,
                             const Device& device);

}  // namespace vorla::reports
