#include "core/reports/outgoing_notice.h"

#include "core/reports/band.h"
#include "core/reports/destination_meeting.h"
#include "core/reports/letter_page.h"
#include "core/reports/report_page.h"
#include "core/text/texts.h"

namespace vorla::reports {

using text::TextId;

namespace {

std::string coordinator_caption(const store::Document& doc, std::uint16_t cong_id) {
    return text::text(TextId::talk_coordinator) + " ( " + doc.congregations().name_of(cong_id) +
           " )";
}

std::uint16_t coordinator_of(const store::Document& doc, std::uint16_t cong_id) {
    const auto pos = doc.congregations().find(cong_id);
    return pos ? doc.congregations().at(*pos).talk_coord_id : 0;
}

}  // namespace

OutgoingNotice outgoing_notice(const store::Document& doc, calendar::WeekIndex week, int slot) {
    OutgoingNotice n;
    const store::WeekRecord& w = doc.weeks().at(week);
    const auto k = static_cast<std::size_t>(slot);
    if (k >= store::WeekRecord::kOutPlaces) return n;
    const std::uint16_t own = doc.our_congregation();
    const std::uint16_t dest = w.out_cong_id[k];

    n.speaker_id = w.out_speaker_id[k];
    n.title = text::text(TextId::talk_assignment);
    DestinationMeeting meeting = destination_meeting(doc, dest, week);
    n.date = std::move(meeting.date);
    n.speaker = doc.brothers().name_of(n.speaker_id);
    n.destination = text::text(TextId::in_word) + " " + doc.congregations().name_of(dest);
    n.time = std::move(meeting.time);
    n.talk = letter_talk_text(doc, w.out_talk_no[k]);
    if (!meeting.weekday.empty()) n.weekday = "( " + meeting.weekday + " )";
    n.own_caption = coordinator_caption(doc, own);
    n.destination_caption = coordinator_caption(doc, dest);
    const std::uint16_t own_coordinator = coordinator_of(doc, own);
    const std::uint16_t dest_coordinator = coordinator_of(doc, dest);
    n.own_coordinator = doc.brothers().name_of(own_coordinator);
    n.destination_coordinator = doc.brothers().name_of(dest_coordinator);
    n.own_phones = store::phone_list(doc, own_coordinator);
    n.destination_phones = store::phone_list(doc, dest_coordinator);
    n.hall = read_congregation(doc, dest);
    if (n.hall) n.map = congregation_map(doc, *n.hall);
    return n;
}

DisplayList layout_outgoing_notice(const store::Document& doc, const settings::ReportFonts& fonts,
                                   calendar::WeekIndex week, int slot, const Device& device) {
    DisplayList list = new_display_list(device, fonts, doc.language());
    const settings::Settings& s = doc.settings();
    const LetterPage lp(device, s);
    const int rx = device.res_x;
    const int ry = device.res_y;
    const int x = lp.x;
    const int t = lp.top;
    const int u = lp.unit;
    const OutgoingNotice n = outgoing_notice(doc, week, slot);
    Page& page = list.pages.emplace_back();
    add_page_heading(page, list, lp.m, s, n.title, print_date_for(device, s, doc.today()),
                     doc.language());

    // The header line on the date band: the date, who goes, and where to.
    const int head_y = t + ry / 2;
    add_band(page, date_line_band(list, lp.m, s, head_y), s);
    const std::uint32_t date_colour = colour_on_band(s, list.font(FontId::date).colour);
    const std::uint32_t name_colour = colour_on_band(s, list.font(FontId::talk_title).colour);
    page.texts.push_back({x, head_y, n.date, FontId::date, date_colour});
    if (!n.speaker.empty())
        page.texts.push_back({x + 2 * rx, head_y, n.speaker, FontId::talk_title, name_colour});
    page.texts.push_back(
        {x + rx * 15 / 2, head_y, n.destination, FontId::talk_title, name_colour, HAlign::right});

    const FontId f = FontId::speakers;
    const int time_y = t + ry - ry / 10;
    add_text(page, list, x + rx / 10, time_y, n.time, f);
    add_text(page, list, x + rx + rx / 3, time_y, n.talk, f);
    add_text(page, list, x + rx / 3, t + ry + ry / 8, n.weekday, f);

    const int base = t + ry;  // the coordinators' block and the hall are measured from here
    add_text(page, list, x + rx / 10, base + 2 * u, n.own_caption, f);
    add_text(page, list, x + 4 * rx, base + 2 * u, n.destination_caption, f);
    add_text(page, list, x + rx / 5, base + 3 * u, n.own_coordinator, f);
    add_text(page, list, x + 4 * rx + rx / 10, base + 3 * u, n.destination_coordinator, f);
    for (std::size_t k = 0; k < 3; ++k) {
        const int y = base + (4 + static_cast<int>(k)) * u;
        if (n.own_phones) add_text(page, list, x + rx / 5 + rx / 10, y, n.own_phones->phone(k), f);
        if (n.destination_phones)
            add_text(page, list, x + 4 * rx + rx / 5, y, n.destination_phones->phone(k), f);
    }

    if (n.hall) {
        add_text(page, list, x + rx / 10, base + 8 * u, text::text(TextId::kingdom_hall), f);
        add_text(page, list, x + 3 * rx, base + 8 * u, n.hall->phone1, f);
        add_text(page, list, x + 5 * rx, base + 8 * u, n.hall->phone2, f);
        add_text(page, list, x + rx / 5, base + 9 * u, n.hall->hall_address1, f);
        add_text(page, list, x + rx / 5, base + 10 * u, n.hall->hall_address2, f);
    }
    if (n.map) {
        const Rect frame{x + rx / 4, t + ry * 9 / 2, x + rx / 4 + 7 * rx, t + ry * 19 / 2};
        page.pictures.push_back({frame, n.map->string()});
    }
    return list;
}

}  // namespace vorla::reports
