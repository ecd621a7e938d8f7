#include "core/reports/invited_list.h"

#include "core/reports/schedule_week.h"
#include "core/reports/week_rows.h"
#include "core/store/brother_contacts.h"
#include "core/text/texts.h"

namespace vorla::reports {

using text::TextId;

DisplayList layout_invited_list(const store::Document& doc, const settings::ReportFonts& fonts,
                                calendar::WeekIndex first, int weeks, const Device& device) {
    WeekRows rows(doc, fonts, device, text::text(TextId::invited_speakers_list));
    rows.new_page();
    const FontId f = FontId::speakers;
    const int x = rows.x();
    const int rx = device.res_x;
    const int u = rows.unit();
    const int phones_end = x + rx * 15 / 2;
    int y = rows.first_row();
    int listed = 0;
    for (int k = 0; k < weeks && listed < kInvitedRows; ++k) {
        const calendar::WeekIndex i = first + k;
        const store::WeekRecord& w = doc.weeks().at(i);
        if (!w.speaker_id) continue;
        const int second = y + u - u / 6;
        rows.text(x + rx / 10, y, doc.date_label(i.number(), kScheduleLabelStyle), f);
        rows.text(x + rx + rx / 3, y, doc.brothers().name_of(w.speaker_id), f);
        rows.text(x + rx / 3, second, talk_number_text(doc, TextId::talk_caption, w.talk_no), f);
        rows.text(x + rx * 3 / 2, second, doc.congregations().name_of(w.speaker_cong_id), f);
        if (const auto contacts = store::phone_list(doc, w.speaker_id)) {
            // The last number ends at the column; the ones before it step left.
            const int n = static_cast<int>(contacts->phones.size());
            for (int p = 0; p < n; ++p) {
                rows.text(phones_end - (n - 1 - p) * (rx + rx / 5), y,
                          contacts->phones[static_cast<std::size_t>(p)], f, HAlign::right);
            }
            rows.text(phones_end, second, contacts->email, f, HAlign::right);
        }
        y += 2 * u;
        ++listed;
    }
    return std::move(rows).take();
}

}  // namespace vorla::reports
