#include "core/reports/band.h"

#include <algorithm>

namespace vorla::reports {

using settings::BackgroundStyle;

bool is_dark(std::uint32_t rgb) {
    const unsigned r = rgb & 0xFF;
    const unsigned g = rgb >> 8 & 0xFF;
    const unsigned b = rgb >> 16 & 0xFF;
    return !(r + g + b > 374 || r > 251 || g > 251 || b > 251);
}

namespace {

// The colour of a coloured band; 0 (none chosen) draws no band.
std::uint32_t band_colour(const settings::Settings& s) {
    return s.background_colour & 0xFFFFFF;
}

}  // namespace

void add_band(Page& page, const Rect& rect, const settings::Settings& settings) {
    switch (settings.background_style) {
        case BackgroundStyle::grey:
            page.bands.push_back({rect, kLightGrey});
            break;
        case BackgroundStyle::black:
            page.bands.push_back({rect, kBlack});
            break;
        case BackgroundStyle::white:
            page.lines.push_back({rect.left, rect.top - 1, rect.right, rect.top - 1});
            page.lines.push_back({rect.left, rect.bottom - 1, rect.right, rect.bottom - 1});
            break;
        case BackgroundStyle::coloured:
            if (band_colour(settings) != 0) page.bands.push_back({rect, band_colour(settings)});
            break;
        default:
            break;
    }
}

std::uint32_t colour_on_band(const settings::Settings& settings, std::uint32_t text_colour) {
    switch (settings.background_style) {
        case BackgroundStyle::black:
            return kWhite;
        case BackgroundStyle::coloured:
            return band_colour(settings) != 0 && is_dark(band_colour(settings)) ? kWhite
                                                                                : text_colour;
        default:
            return text_colour;
    }
}

BandSpan heading_band_span(const PageMetrics& m, const settings::Settings& settings) {
    const int r = m.res_y;
    const int margin = left_margin(r, settings.left_margin);
    BandSpan s;
    s.left = m.centre_x + margin - r / 90 - 4 * r;
    s.right = static_cast<int>(m.centre_x + 4 * r + margin - 0.3 * r);
    return s;
}

Rect date_line_band(const DisplayList& list, const PageMetrics& m,
                    const settings::Settings& settings, int line_y) {
    const int r = m.res_y;
    const BandSpan span = heading_band_span(m, settings);
    const int height = std::max(list.height(FontId::date), list.height(FontId::talk_title));
    return {span.left, line_y - (r / 80 + height), span.right, line_y + r / 90};
}

}  // namespace vorla::reports
