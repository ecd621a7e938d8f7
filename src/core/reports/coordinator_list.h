#pragma once
// Every congregation's talk coordinator, with how he is reached.
#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/reports/flowing_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

// 4 lines a congregation and 4 more.
ListEstimate estimate_coordinator_list(const store::Document& doc, int line_height, int res_y);

DisplayList layout_coordinator_list(const store::Document& doc, const settings::ReportFonts& fonts,
                                    const Device& device);

}  // namespace vorla::reports
