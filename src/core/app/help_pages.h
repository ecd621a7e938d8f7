#pragma once
// Which help page F1 opens over a window, and What's This over a control that has no text
// of its own: each dialog and each page of the scheduling sheet has a page of its own.
#include <string>
#include <string_view>

#include "core/reports/week_range_model.h"
#include "core/schedule/page_kind.h"

namespace vorla::app {

// The page ("brother.html") for a window of that class name (namespace and all, as Qt names
// it); the contents for any other window.
std::string help_page_for(std::string_view window_class);
// The page of a page of the scheduling sheet.
std::string help_page_for(schedule::PageKind page);
// The page of the week-range dialog in one of its uses.
std::string help_page_for(reports::WeekRangeForm form);

}  // namespace vorla::app
