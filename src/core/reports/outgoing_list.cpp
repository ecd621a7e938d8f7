#include "core/reports/outgoing_list.h"

#include "core/reports/week_rows.h"
#include "core/text/texts.h"

namespace vorla::reports {

using text::TextId;

std::string outgoing_time_line(const DestinationMeeting& meeting, std::string_view language) {
    std::string line = meeting.time;
    if (language == "french" && !line.empty()) line = "(" + line + ")";
    if (meeting.weekday.empty()) return line;
    return line.empty() ? meeting.weekday : line + " - " + meeting.weekday;
}

DisplayList layout_outgoing_list(const store::Document& doc, const settings::ReportFonts& fonts,
                                 const Device& device) {
    WeekRows rows(doc, fonts, device, text::text(TextId::outgoing_speakers));
    const FontId f = FontId::speakers;
    const int x = rows.x();
    const int rx = device.res_x;
    const int u = rows.unit();
    const calendar::WeekIndex current = doc.current_week().index();
    // Pages follow the rows drawn, so that no row is left beyond the last page.
    int on_page = kOutgoingRowsPerPage;
    int y = 0;
    for (int k = 0; k < kOutgoingWeeks; ++k) {
        const calendar::WeekIndex i = current + k;
        const store::WeekRecord& w = doc.weeks().at(i);
        for (std::size_t slot = 0; slot < store::WeekRecord::kOutPlaces; ++slot) {
            const std::uint16_t speaker = w.out_speaker_id[slot];
            if (!speaker) continue;
            if (on_page == kOutgoingRowsPerPage) {
                rows.new_page();
                on_page = 0;
                y = rows.first_row();
            }
            const std::uint16_t dest = w.out_cong_id[slot];
            const DestinationMeeting meeting = destination_meeting(doc, dest, i);
            rows.text(x + rx / 10, y, meeting.date, f);
            rows.text(x + rx + rx / 3, y, doc.brothers().name_of(speaker), f);
            rows.text(x + 4 * rx - rx / 3, y,
                      talk_number_text(doc, TextId::talk_caption, w.out_talk_no[slot]), f);
            rows.text(x + 5 * rx, y, doc.congregations().name_of(dest), f);
            rows.text(x + rx / 2, y + u - u / 8, outgoing_time_line(meeting, doc.language()), f);
            y += 2 * u;
            ++on_page;
        }
    }
    if (rows.list().pages.empty()) rows.new_page();  // no one goes out: the title alone
    return std::move(rows).take();
}

}  // namespace vorla::reports
