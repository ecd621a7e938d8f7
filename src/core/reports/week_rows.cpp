#include "core/reports/week_rows.h"

#include "core/reports/report_page.h"
#include "core/text/texts.h"

namespace vorla::reports {

WeekRows::WeekRows(const store::Document& doc, const settings::ReportFonts& fonts,
                   const Device& device, std::string title)
    : settings_(doc.settings()),
      language_(doc.language()),
      list_(new_display_list(device, fonts, doc.language())),
      page_(device, doc.settings()),
      printed_on_(print_date_for(device, doc.settings(), doc.today())),
      title_(std::move(title)) {}

void WeekRows::new_page() {
    Page& page = list_.pages.emplace_back();
    add_page_heading(page, list_, page_.m, settings_, title_, printed_on_, language_);
}

void WeekRows::text(int x, int y, std::string s, FontId font, HAlign h) {
    add_text(list_.pages.back(), list_, x, y, std::move(s), font, h);
}

DisplayList WeekRows::take() && {
    if (list_.pages.empty()) list_.pages.emplace_back();
    return std::move(list_);
}

std::string talk_number_text(const store::Document& doc, text::TextId caption, int talk_no) {
    if (!talk_no) return {};
    return text::text(caption) + " " + doc.talks().number_text(talk_no);
}

}  // namespace vorla::reports
