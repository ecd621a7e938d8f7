#include "core/reports/coordinator_list.h"

#include <algorithm>

#include "core/store/brother_book.h"
#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::reports {

ListEstimate estimate_coordinator_list(const store::Document& doc, int line_height, int res_y) {
    ListEstimate e;
    e.lines = static_cast<int>(doc.congregations().size()) * 4 + 4;
    e.pages = estimated_pages(static_cast<long long>(e.lines) * line_height, 10LL * res_y);
    return e;
}

DisplayList layout_coordinator_list(const store::Document& doc, const settings::ReportFonts& fonts,
                                    const Device& device) {
    FlowingList f(doc, fonts, device, text::text(text::TextId::talk_coordinators));
    const int rx = f.metrics().res_x;
    const int x = f.metrics().left_margin;
    const int right = static_cast<int>(x + 7.5 * rx);
    const int line = f.line();
    f.expect_pages(estimate_coordinator_list(doc, line, f.metrics().res_y));
    const store::BrotherIndex& brothers = doc.brothers();
    const store::BrotherBook book(doc);

    f.new_page();
    int y = f.first_line();
    for (const store::CongregationEntry& cong : doc.congregations().entries()) {
        const std::uint16_t coord = cong.talk_coord_id;
        const auto card = book.card(coord);
        const store::BrotherRecord* record = card ? &card->record : nullptr;
        std::vector<std::string> reached;  // his numbers, then his e-mail
        if (card) reached = contact_entries(card->phones);
        // Lines under the name: the two address lines beside his numbers. A block of more
        // lines than the page's last two goes over to the next page whole.
        const int rows = record ? std::max<int>(2, static_cast<int>(reached.size())) : 0;
        if (f.full(y) || f.past_end(y + rows * line)) {
            f.new_page();
            y = f.first_line();
        }
        std::string name = brothers.name_of(coord);
        if (name.empty()) name = "  -";
        f.band(y, FontId::speakers);
        f.text(x, y, name, FontId::speakers, HAlign::left, true, f.room(x, x + 3 * rx));
        f.text(x + 3 * rx, y, cong.name, FontId::text, HAlign::left, true);
        if (record) {
            f.text(x + rx / 10, y + line, record->address1, FontId::text);
            f.text(x + rx / 10, y + 2 * line, std::string(text::trim(record->address2)),
                   FontId::text);
            for (std::size_t k = 0; k < reached.size(); ++k) {
                f.text(right, y + (1 + static_cast<int>(k)) * line, reached[k], FontId::text,
                       HAlign::right);
            }
        }
        y += rows * line + 3 * line / 2;
    }
    return f.take();
}

}  // namespace vorla::reports
