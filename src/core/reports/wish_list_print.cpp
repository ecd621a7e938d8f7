#include "core/reports/wish_list_print.h"

#include <algorithm>

#include "core/reports/page_metrics.h"
#include "core/reports/report_page.h"
#include "core/store/wanted_talks.h"
#include "core/text/texts.h"

namespace vorla::reports {

using text::TextId;

namespace {

class WishListLayout {
  public:
    WishListLayout(const store::Document& doc, DisplayList& list)
        : doc_(doc),
          list_(list),
          res_x_(list.res_x),
          res_y_(list.res_y),
          top_(wish_list_top_margin(list.res_y, doc.settings().top_margin)),
          left_(left_margin(list.res_x, doc.settings().left_margin)),
          priority_x_(left_ + res_x_ * 21 / 4),
          last_heard_x_(left_ + res_x_ * 13 / 2),
          line_height_(wish_list_line_height(list)) {}

    // A new page with its header; rows follow on its fourth line.
    void start_page() {
        page_ = &list_.pages.emplace_back();
        text(left_, line_y(1), wish_list_title(), FontId::title);
        const int y = line_y(3);
        text(left_, y, text::text(TextId::talk), FontId::captions);
        text(priority_x_, y, text::text(TextId::priority), FontId::captions);
        text(last_heard_x_, y, text::text(TextId::last_heard), FontId::captions);
        used_ = kWishHeaderLines;
    }

    void row(const store::WantedTalk& t) {
        if (used_ > kWishPageLines) start_page();
        ++used_;
        const int y = line_y(used_);
        // The small offsets follow the vertical resolution, as the list was designed.
        const int title_x = left_ + res_y_ / 3;
        text(left_, y, std::to_string(t.talk_no), FontId::text);
        if (const store::TalkRecord* talk = doc_.talks().find(t.talk_no)) {
            text(title_x, y + res_y_ / 40, talk->title, FontId::small_text,
                 priority_x_ - title_x - res_x_ / 20);
        }
        text(priority_x_, y, store::WishList::priority_text(t.priority), FontId::text);
        text(last_heard_x_ - res_y_ / 10, y, t.last_heard, FontId::text);
    }

  private:
    // The top of line k (1-based) of the page.
    int line_y(int k) const { return top_ + (k - 1) * line_height_; }

    void text(int x, int y, std::string s, FontId font, int max_width = 0) {
        if (s.empty()) return;
        TextItem item{x, y, std::move(s), font, list_.font(font).colour, HAlign::left, VAlign::top};
        item.max_width = max_width;
        page_->texts.push_back(std::move(item));
    }

    const store::Document& doc_;
    DisplayList& list_;
    int res_x_;
    int res_y_;
    int top_;
    int left_;
    int priority_x_;
    int last_heard_x_;
    int line_height_;
    Page* page_ = nullptr;
    int used_ = 0;  // lines used on the page
};

}  // namespace

std::string wish_list_title() {
    return text::text(TextId::talks_we_need_caption);
}

int wish_list_top_margin(int res_y, int top_setting) {
    const int top = res_y * top_setting / 100;
    return top > res_y ? res_y / 2 : top;
}

int wish_list_line_height(const DisplayList& list) {
    const int h = std::max(list.height(FontId::text), list.res_y / 6);
    return h + h / 10;
}

DisplayList layout_wish_list(const store::Document& doc, const settings::ReportFonts& fonts,
                             const store::WishList& list, const Device& device) {
    DisplayList out = new_display_list(device, fonts, doc.language());
    WishListLayout layout(doc, out);
    layout.start_page();
    for (const store::WantedTalk& t : store::wanted_talks(doc, list))
        layout.row(t);
    return out;
}

}  // namespace vorla::reports
