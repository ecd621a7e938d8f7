#pragma once
// The printed talks-we-need list: on every page the list's title and the column headings,
// then one row per wanted talk with its number, title, priority and when it was last heard.
// It prints straight from its dialog, so its page has margins of its own.
#include <string>

#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"
#include "core/store/wish_list.h"

namespace vorla::reports {

// The title of the list's dialog, its printed heading and its print job's name.
std::string wish_list_title();

// The setting (hundredths of an inch) as it is, but half an inch when it comes to more than
// an inch; no third of an inch above it as the view's reports have.
int wish_list_top_margin(int res_y, int top_setting);

// The larger of the Text font and a sixth of an inch, and a tenth more.
int wish_list_line_height(const DisplayList& list);

// Rows start on the fourth line of a page; a page ends once more than 40 lines are used.
inline constexpr int kWishHeaderLines = 3;
inline constexpr int kWishPageLines = 40;

// The list as `list` holds it (the dialog's copy, or the document's).
DisplayList layout_wish_list(const store::Document& doc, const settings::ReportFonts& fonts,
                             const store::WishList& list, const Device& device);

}  // namespace vorla::reports
