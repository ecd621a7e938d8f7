#pragma once
// The Watchtower readers of the coming weeks, in two columns on one page.
#include <vector>

#include "core/calendar/week.h"
#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

// The weeks of each column. With n the weeks that have a reader among the current week and
// the 51 after it (at most 36), both columns run n / 2 + 1 consecutive weeks from the current
// one; the right column's last week is left out when it needs a reader and has none.
struct ReaderColumns {
    std::vector<calendar::WeekIndex> left;
    std::vector<calendar::WeekIndex> right;
};

ReaderColumns reader_columns(const store::Document& doc);

DisplayList layout_readers(const store::Document& doc, const settings::ReportFonts& fonts,
                           const Device& device);

}  // namespace vorla::reports
