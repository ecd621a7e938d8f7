#include "core/reports/flowing_list.h"

#include <algorithm>

#include "core/reports/band.h"
#include "core/reports/report_page.h"

namespace vorla::reports {

int estimated_pages(long long height, long long page) {
    return height > page && page > 0 ? static_cast<int>(height / page) + 1 : 1;
}

std::vector<std::string> contact_entries(const store::PhoneList& phones) {
    std::vector<std::string> entries = phones.phones;
    if (!phones.email.empty()) entries.push_back(phones.email);
    return entries;
}

FlowingList::FlowingList(const store::Document& doc, const settings::ReportFonts& fonts,
                         const Device& device, std::string title)
    : doc_(doc),
      title_(std::move(title)),
      list_(new_display_list(device, fonts, doc.language())),
      m_(page_metrics(device, doc.settings())),
      printed_on_(print_date_for(device, doc.settings(), doc.today())) {
    line_ = names_line();
}

int FlowingList::names_line() const {
    return std::max({list_.height(FontId::text), list_.height(FontId::speakers), m_.res_y / 6});
}

Page& FlowingList::new_page() {
    // A page of a list holds about as many texts as the page before it: hundreds, in long
    // lists, that would otherwise be moved each time the page's vector grows.
    const std::size_t expected = list_.pages.empty() ? 64 : list_.pages.back().texts.size();
    Page& page = list_.pages.emplace_back();
    page.texts.reserve(expected);
    add_page_heading(page, list_, m_, doc_.settings(), title_, printed_on_, doc_.language());
    return page;
}

void FlowingList::text(int x, int y, std::string s, FontId font, HAlign h, bool on_band,
                       int max_width) {
    if (s.empty()) return;
    const std::uint32_t colour = list_.font(font).colour;
    page().texts.push_back({x, m_.top_margin + y, std::move(s), font,
                            on_band ? colour_on_band(doc_.settings(), colour) : colour, h,
                            VAlign::bottom, max_width});
}

void FlowingList::band(int y, FontId font) {
    const int r = m_.res_y;
    const int line_y = m_.top_margin + y;
    const BandSpan span = heading_band_span(m_, doc_.settings());
    add_band(page(),
             {span.left, line_y - (r / 80 + list_.height(font)), span.right, line_y + r / 90},
             doc_.settings());
}

}  // namespace vorla::reports
