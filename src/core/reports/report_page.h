#pragma once
// What every report starts from: an empty display list with the fonts scaled for the device,
// and the heading of each page — the print date on paper and the centred title on its band.
#include <optional>
#include <string>
#include <string_view>

#include "core/calendar/clock.h"
#include "core/reports/display_list.h"
#include "core/reports/page_metrics.h"
#include "core/settings/report_fonts.h"
#include "core/settings/settings.h"

namespace vorla::reports {

// The small font of the print date: Times New Roman, 9 pixels on the screen.
settings::FontSpec print_date_font(std::string_view language);

// A display list without pages for the device: resolution, page size and every font.
DisplayList new_display_list(const Device& device, const settings::ReportFonts& fonts,
                             std::string_view language);

// "Напечатано" and the date as " %d %b %Y" with the month abbreviated as the language's
// locale does ("Напечатано 07 дек 2026").
std::string printed_on_text(const calendar::Date& date, std::string_view language);

// The date a page heading prints, when it prints one: on paper with "Печатать дату" on.
std::optional<calendar::Date> print_date_for(const Device& device, const settings::Settings& s,
                                             const calendar::Date& today);

// The page heading: the print date (when given) right-aligned at the top of the page, then
// the title centred on the top-margin line over its band.
void add_page_heading(Page& page, const DisplayList& list, const PageMetrics& metrics,
                      const settings::Settings& settings, std::string_view title,
                      const std::optional<calendar::Date>& printed_on, std::string_view language);

}  // namespace vorla::reports
