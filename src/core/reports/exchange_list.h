#pragma once
// The exchange with one congregation: the weeks from the current one in which it sends us
// the speaker or receives one of ours, a row for each visit, on one page.
#include <cstdint>
#include <string>

#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

inline constexpr int kExchangeWeeks = 156;

// "Северное - Центральное Задания".
std::string exchange_title(const store::Document& doc, std::uint16_t cong_id);

// A blank page when our congregation is not set or the chosen one is no longer there. Rows
// are a line apart from two lines below the title, and stop at 10 inches down the page.
DisplayList layout_exchange_list(const store::Document& doc, const settings::ReportFonts& fonts,
                                 std::uint16_t cong_id, const Device& device);

}  // namespace vorla::reports
