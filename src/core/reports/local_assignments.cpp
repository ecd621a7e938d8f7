#include "core/reports/local_assignments.h"

#include <algorithm>

#include "core/reports/destination_meeting.h"
#include "core/reports/schedule_week.h"
#include "core/reports/week_rows.h"
#include "core/text/texts.h"

namespace vorla::reports {

using text::TextId;

namespace {

// "( 18:30 - Суббота )"; nothing without a time.
std::string time_in_brackets(const DestinationMeeting& meeting) {
    if (meeting.time.empty()) return {};
    return "( " + meeting.time + (meeting.weekday.empty() ? "" : " - " + meeting.weekday) + " )";
}

}  // namespace

std::string local_assignments_title(const store::Document& doc, std::uint16_t brother_id) {
    return doc.brothers().name_of(brother_id) + " - " + " " + text::text(TextId::assignments);
}

DisplayList layout_local_assignments(const store::Document& doc, const settings::ReportFonts& fonts,
                                     std::uint16_t brother_id, const Device& device) {
    WeekRows rows(doc, fonts, device, local_assignments_title(doc, brother_id));
    const std::uint16_t own = doc.our_congregation();
    if (!own || !brother_id || !doc.brothers().find(brother_id)) return std::move(rows).take();
    rows.new_page();
    const FontId f = FontId::speakers;
    const int x = rows.x();
    const int rx = device.res_x;
    const int u = rows.unit();
    const int right = x + rx * 15 / 2;
    const std::string in_word = text::text(TextId::in_word) + " ";
    const calendar::WeekIndex current = doc.current_week().index();
    int y = rows.first_row();
    int listed = 0;
    for (int k = 0; k < kAssignmentWeeksExamined && listed < kAssignmentWeeksListed; ++k) {
        const calendar::WeekIndex i = current + k;
        if (doc.assignment_type(brother_id, i) == store::AssignmentType::none) continue;
        const store::WeekRecord& w = doc.weeks().at(i);
        const auto outgoing = static_cast<int>(
            std::count(w.out_speaker_id.begin(), w.out_speaker_id.end(), brother_id));
        if (listed > 0 && y + outgoing * u > rows.last_row()) {
            rows.new_page();
            y = rows.first_row();
        }
        rows.text(x + rx / 10, y, doc.date_label(i.number(), kScheduleLabelStyle), f);
        if (w.chairman_id == brother_id)
            rows.text(x + rx * 5 / 4, y, text::text(TextId::role_chairman), f);
        if (w.reader_id == brother_id)
            rows.text(x + rx * 5 / 2, y, text::text(TextId::role_reader), f);
        if (w.speaker_id == brother_id) {
            rows.text(x + 4 * rx, y, talk_number_text(doc, TextId::talk, w.talk_no), f);
            rows.text(right, y, in_word + doc.congregations().name_of(own), f, HAlign::right);
        }
        for (std::size_t slot = 0; slot < store::WeekRecord::kOutPlaces; ++slot) {
            if (w.out_speaker_id[slot] != brother_id) continue;
            y += u;
            const std::uint16_t dest = w.out_cong_id[slot];
            const DestinationMeeting meeting = destination_meeting(doc, dest, i);
            rows.text(x + rx / 10, y, meeting.date, f);
            rows.text(x + rx * 5 / 4, y, time_in_brackets(meeting), f);
            rows.text(x + 4 * rx, y, talk_number_text(doc, TextId::talk, w.out_talk_no[slot]), f);
            rows.text(right, y, in_word + doc.congregations().name_of(dest), f, HAlign::right);
        }
        y += u;
        ++listed;
    }
    return std::move(rows).take();
}

}  // namespace vorla::reports
