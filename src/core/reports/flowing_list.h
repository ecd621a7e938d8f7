#pragma once
// What the lists that flow from page to page share: each page opens with the title, lines are
// measured down from the top-margin line, and a page is full when two more lines would pass
// ten inches below it.
#include <optional>
#include <string>
#include <vector>

#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/reports/page_metrics.h"
#include "core/store/brother_contacts.h"
#include "core/store/document.h"

namespace vorla::reports {

// The lines a list is expected to take and the pages they fill, before it is laid out (the
// view sizes its scroll area by it); the layout's pages are the final count.
struct ListEstimate {
    int lines = 0;
    int pages = 1;
};
// One page while the height fits into the page's; else height / page + 1.
int estimated_pages(long long height, long long page);

// A brother's numbers, then his e-mail when he has one: his contact lines one under another.
std::vector<std::string> contact_entries(const store::PhoneList& phones);

class FlowingList {
  public:
    FlowingList(const store::Document& doc, const settings::ReportFonts& fonts,
                const Device& device, std::string title);

    const PageMetrics& metrics() const { return m_; }
    const DisplayList& list() const { return list_; }
    int line() const { return line_; }
    void set_line(int line_height) { line_ = line_height; }
    // The larger of the Text and Speakers fonts, at least a sixth of an inch.
    int names_line() const;

    // Where the first line of a page goes, below the title.
    int first_line() const { return 2 * line_; }
    // True when a line at y (below the top-margin line) leaves no room for two more lines
    // above ten inches.
    bool full(int y) const { return 10 * m_.res_y < y + 2 * line_; }
    bool past_end(int y) const { return y > 10 * m_.res_y; }

    // The estimate sizes the page list before the first page, so that a list of a thousand
    // pages is not moved as it grows.
    void expect_pages(const ListEstimate& estimate) {
        list_.pages.reserve(static_cast<std::size_t>(estimate.pages));
    }
    // A fresh page with the title on it.
    Page& new_page();
    Page& page() { return list_.pages.back(); }

    // A bottom-aligned text at x and y below the top-margin line, in the font's colour (or the
    // colour it takes on a band), condensed to max_width when given; an empty text adds
    // nothing.
    void text(int x, int y, std::string s, FontId font, HAlign h = HAlign::left,
              bool on_band = false, int max_width = 0);
    // The room a left-aligned text has up to the next column at `next`.
    int room(int x, int next) const { return next - x - m_.res_x / 20; }
    // The heading band of a block line at y, as tall as the font and as wide as the title's.
    void band(int y, FontId font);

    DisplayList take() { return std::move(list_); }

  private:
    const store::Document& doc_;
    std::string title_;
    DisplayList list_;
    PageMetrics m_;
    std::optional<calendar::Date> printed_on_;
    int line_ = 0;
};

}  // namespace vorla::reports
