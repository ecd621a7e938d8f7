#include "core/reports/exchange_list.h"

#include <algorithm>

#include "core/reports/destination_meeting.h"
#include "core/reports/schedule_week.h"
#include "core/reports/week_rows.h"
#include "core/text/texts.h"

namespace vorla::reports {

using text::TextId;

std::string exchange_title(const store::Document& doc, std::uint16_t cong_id) {
    const store::CongregationIndex& congs = doc.congregations();
    return congs.name_of(cong_id) + " - " + congs.name_of(doc.our_congregation()) + " " +
           text::text(TextId::assignments);
}

DisplayList layout_exchange_list(const store::Document& doc, const settings::ReportFonts& fonts,
                                 std::uint16_t cong_id, const Device& device) {
    WeekRows rows(doc, fonts, device, exchange_title(doc, cong_id));
    const std::uint16_t own = doc.our_congregation();
    const store::CongregationIndex& congs = doc.congregations();
    if (!own || !cong_id || !congs.find(cong_id)) return std::move(rows).take();
    rows.new_page();
    const FontId f = FontId::small_text;
    const int line = std::max(rows.list().height(f), device.res_y / 6);
    const int x = rows.x();
    const int rx = device.res_x;
    const int bottom = 10 * device.res_y;
    const std::string to_us = text::text(TextId::in_word) + " " + congs.name_of(own);
    const std::string to_them = text::text(TextId::in_word) + " " + congs.name_of(cong_id);
    int y = rows.top() + 2 * line;
    const auto row = [&](const std::string& date, std::uint16_t speaker, int talk_no,
                         const std::string& where) {
        rows.text(x + rx / 10, y, date, f);
        rows.text(x + rx + rx / 3, y, doc.brothers().name_of(speaker), f);
        rows.text(x + 4 * rx - rx / 3, y, talk_number_text(doc, TextId::talk, talk_no), f);
        rows.text(x + 8 * rx - rx / 3, y, where, f, HAlign::right);
        y += line;
    };
    const calendar::WeekIndex current = doc.current_week().index();
    for (int k = 0; k < kExchangeWeeks && y < bottom; ++k) {
        const calendar::WeekIndex i = current + k;
        const store::WeekRecord& w = doc.weeks().at(i);
        if (w.speaker_cong_id == cong_id)
            row(doc.date_label(i.number(), kScheduleLabelStyle), w.speaker_id, w.talk_no, to_us);
        for (std::size_t slot = 0; slot < store::WeekRecord::kOutPlaces && y < bottom; ++slot) {
            if (w.out_cong_id[slot] != cong_id) continue;
            // Our speaker is there on their meeting day.
            row(destination_meeting(doc, cong_id, i).date, w.out_speaker_id[slot],
                w.out_talk_no[slot], to_them);
        }
    }
    return std::move(rows).take();
}

}  // namespace vorla::reports
