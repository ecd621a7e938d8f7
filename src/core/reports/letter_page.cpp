#include "core/reports/letter_page.h"

#include "core/store/map_location.h"
#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::reports {

LetterPage::LetterPage(const Device& device, const settings::Settings& settings)
    : m(page_metrics(device, settings)),
      x(m.left_margin),
      top(m.top_margin),
      unit(device.res_y / 4) {}

void add_text(Page& page, const DisplayList& list, int x, int y, std::string text, FontId font,
              HAlign h) {
    if (text.empty()) return;
    page.texts.push_back({x, y, std::move(text), font, list.font(font).colour, h});
}

std::optional<std::filesystem::path> congregation_map(const store::Document& doc,
                                                      const store::CongregationRecord& cong) {
    if (text::trim(cong.map_file).empty()) return std::nullopt;
    return store::map_path(doc.folder().folder(), cong.map_file);
}

std::optional<store::CongregationRecord> read_congregation(const store::Document& doc,
                                                           std::uint16_t cong_id) {
    const auto pos = doc.congregations().find(cong_id);
    if (!pos) return std::nullopt;
    return doc.congregations().read(doc.folder(), *pos);
}

std::string letter_talk_text(const store::Document& doc, int talk_no) {
    if (!talk_no) return {};
    return text::text(text::TextId::talk) + " - " + doc.talks().title(talk_no) + " ( " +
           doc.talks().number_text(talk_no) + " ) ";
}

}  // namespace vorla::reports
