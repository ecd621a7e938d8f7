#include "core/reports/report_page.h"

#include "core/calendar/locale_date.h"
#include "core/reports/band.h"
#include "core/text/texts.h"

namespace vorla::reports {

using text::TextId;

settings::FontSpec print_date_font(std::string_view language) {
    settings::FontSpec f;
    f.height = -9;
    f.weight = 400;
    f.pitch_and_family = 18;
    f.face = text::text(TextId::face_times_new_roman);
    f.charset = settings::charset_for_language(language);
    return f;
}

DisplayList new_display_list(const Device& device, const settings::ReportFonts& fonts,
                             std::string_view language) {
    DisplayList list;
    list.res_x = device.res_x;
    list.res_y = device.res_y;
    list.page_width = kPageWidthTenths * device.res_x / 10;
    list.page_height = kPageHeightTenths * device.res_y / 10;
    for (const settings::FontRoleInfo& info : settings::font_roles()) {
        list.fonts[static_cast<std::size_t>(font_id(info.role))] =
            font_for_device(fonts.get(info.role), device);
    }
    list.fonts[static_cast<std::size_t>(FontId::fixed)] =
        font_for_device(settings::fixed_font(language), device);
    list.fonts[static_cast<std::size_t>(FontId::print_date)] =
        font_for_device(print_date_font(language), device);
    settings::FontSpec italic = settings::fixed_font(language);
    italic.italic = true;
    list.fonts[static_cast<std::size_t>(FontId::fixed_italic)] = font_for_device(italic, device);
    return list;
}

std::string printed_on_text(const calendar::Date& date, std::string_view language) {
    return text::format(text::TextId::printed_on, calendar::day_month_year_text(date, language));
}

std::optional<calendar::Date> print_date_for(const Device& device, const settings::Settings& s,
                                             const calendar::Date& today) {
    if (device.printing && s.print_date) return today;
    return std::nullopt;
}

void add_page_heading(Page& page, const DisplayList& list, const PageMetrics& m,
                      const settings::Settings& settings, std::string_view title,
                      const std::optional<calendar::Date>& printed_on, std::string_view language) {
    if (printed_on) {
        page.texts.push_back({m.res_x * 31 / 4, 0, printed_on_text(*printed_on, language),
                              FontId::print_date, kBlack, HAlign::right, VAlign::top});
    }
    const int r = m.res_y;
    const int y = m.top_margin;
    const BandSpan span = heading_band_span(m, settings);
    const Rect band{span.left, y - (r / 90 + list.height(FontId::title)), span.right, y + r / 90};
    add_band(page, band, settings);
    page.texts.push_back({m.centre_x, y, std::string(title), FontId::title,
                          colour_on_band(settings, list.font(FontId::title).colour),
                          HAlign::centre});
}

}  // namespace vorla::reports
