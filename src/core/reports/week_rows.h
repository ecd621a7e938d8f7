#pragma once
// What the lists of weeks share: pages headed by the list's title, rows measured in the
// letters' quarter-inch line unit from half an inch below the title, and a row's talk.
#include <optional>
#include <string>

#include "core/calendar/clock.h"
#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/reports/letter_page.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"
#include "core/text/string_ids.h"

namespace vorla::reports {

class WeekRows {
  public:
    WeekRows(const store::Document& doc, const settings::ReportFonts& fonts, const Device& device,
             std::string title);

    const DisplayList& list() const { return list_; }
    int x() const { return page_.x; }        // the left margin
    int top() const { return page_.top; }    // the title's line
    int unit() const { return page_.unit; }  // a quarter inch down the page
    int first_row() const { return page_.top + 2 * page_.unit; }
    // The lowest line a row may stand on: where the 18th of rows half an inch apart stands.
    int last_row() const { return first_row() + 34 * page_.unit; }

    // Starts a page headed by the title; texts go on it from now on.
    void new_page();
    // A bottom-aligned text in the font's colour on the current page; empty adds nothing.
    void text(int x, int y, std::string s, FontId font, HAlign h = HAlign::left);

    // The pages made; a list that made none is one blank page.
    DisplayList take() &&;

  private:
    const settings::Settings& settings_;
    std::string language_;
    DisplayList list_;
    LetterPage page_;
    std::optional<calendar::Date> printed_on_;
    std::string title_;
};

// "Речь 12": the caption, a space and the talk's number text; empty without a talk.
std::string talk_number_text(const store::Document& doc, text::TextId caption, int talk_no);

}  // namespace vorla::reports
