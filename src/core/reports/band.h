#pragma once
// The background bands behind report titles, week dates and list headings, in the five
// styles of the settings: clean, grey, black, white (two rules) and coloured.
#include <cstdint>

#include "core/reports/display_list.h"
#include "core/reports/page_metrics.h"
#include "core/settings/settings.h"

namespace vorla::reports {

// Light unless red + green + blue exceeds 374 or one channel exceeds 251.
bool is_dark(std::uint32_t rgb);

// Adds the band of the settings' style around the rectangle.
void add_band(Page& page, const Rect& rect, const settings::Settings& settings);
// The colour a text of `text_colour` takes on the band: white on black and on a dark colour.
std::uint32_t colour_on_band(const settings::Settings& settings, std::uint32_t text_colour);

// The band's horizontal extent of titles and week dates: from just left of the left margin
// to 0.3 inch short of 8 inches after it. Measured with the vertical resolution, as always.
struct BandSpan {
    int left = 0;
    int right = 0;
};
BandSpan heading_band_span(const PageMetrics& metrics, const settings::Settings& settings);

// The band of a week's date line at line_y, where the date stands beside a name or title in
// the Talk title font: as wide as the title's, from the taller of the two fonts (and a bit)
// above the line to a little below it.
Rect date_line_band(const DisplayList& list, const PageMetrics& metrics,
                    const settings::Settings& settings, int line_y);

}  // namespace vorla::reports
