#include "core/reports/invitation_letter.h"

#include "core/calendar/clock.h"
#include "core/calendar/date_label.h"
#include "core/reports/letter_page.h"
#include "core/reports/report_page.h"
#include "core/text/texts.h"

namespace vorla::reports {

using text::TextId;

namespace {

// The byte offset of character n of a UTF-8 text (its size when shorter).
std::size_t offset_of_character(std::string_view s, std::size_t n) {
    std::size_t seen = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if ((static_cast<unsigned char>(s[i]) & 0xC0) == 0x80) continue;
        if (seen++ == n) return i;
    }
    return s.size();
}

}  // namespace

std::string one_oclock_singular(std::string_view language, std::string s) {
    if (language != "ptg") return s;
    static constexpr std::string_view kAtOne = " \u00e0s 1";
    const std::size_t at = s.find(kAtOne, offset_of_character(s, 10));
    if (at == std::string::npos) return s;
    const std::size_t after = at + kAtOne.size();
    if (after < s.size() && s[after] >= '0' && s[after] <= '2') return s;
    s.erase(at + kAtOne.size() - 3, 1);  // the "s"
    return s;
}

InvitationLetter invitation_letter(const store::Document& doc, calendar::WeekIndex week) {
    InvitationLetter l;
    const store::WeekRecord& w = doc.weeks().at(week);
    if (!w.speaker_id || !w.talk_no) return l;
    const auto own = read_congregation(doc, doc.our_congregation());
    const auto speaker_pos = doc.brothers().find(w.speaker_id);
    if (!own || !speaker_pos) return l;
    const auto speaker = doc.brothers().read(doc.folder(), *speaker_pos);
    if (!speaker) return l;
    l.written = true;
    l.speaker_id = w.speaker_id;

    l.coordinator = doc.brothers().name_of(own->talk_coord_id);
    if (const auto pos = doc.brothers().find(own->talk_coord_id)) {
        if (const auto record = doc.brothers().read(doc.folder(), *pos)) {
            l.letterhead = true;
            l.coordinator_address1 = record->address1;
            l.coordinator_address2 = record->address2;
            l.phones = store::phone_list(doc, own->talk_coord_id).value_or(store::PhoneList{});
            l.map = congregation_map(doc, *own);
        }
    }
    l.today = calendar::label_for_date(
        calendar::to_date6(doc.today()),
        calendar::LabelStyle::with_year | calendar::LabelStyle::stay_on_monday, doc.calendar());
    l.addressee = speaker->first_name + " " + speaker->last_name;
    l.address1 = speaker->address1;
    l.address2 = speaker->address2;
    l.date = doc.date_label(week.number(), calendar::LabelStyle::with_year);
    l.salutation = text::format(TextId::dear_brother, speaker->last_name);
    const std::string time =
        doc.congregations().meeting_time(own->cong_id, week, doc.settings().service_year);
    l.body = text::format(TextId::glad_you_visit, l.date, doc.talks().title(w.talk_no)) + " ( #" +
             doc.talks().number_text(w.talk_no) + " ).  " +
             one_oclock_singular(doc.language(), text::format(TextId::meeting_starts_at, time)) +
             text::text(TextId::kingdom_hall_address) + own->hall_address1 + ", " +
             own->hall_address2 + ".  " + text::text(TextId::phone) + ": " + own->phone1 + ".  " +
             text::text(TextId::we_look_forward);
    l.closing = text::text(TextId::your_brother);
    l.signature = text::format(TextId::talk_coordinator_of, l.coordinator) +
                  text::format(TextId::congregation_of, own->name);
    return l;
}

DisplayList layout_invitation_letter(const store::Document& doc, const settings::ReportFonts& fonts,
                                     calendar::WeekIndex week, const Device& device) {
    DisplayList list = new_display_list(device, fonts, doc.language());
    Page& page = list.pages.emplace_back();
    const InvitationLetter l = invitation_letter(doc, week);
    if (!l.written) return list;
    const LetterPage lp(device, doc.settings());
    const int rx = device.res_x;
    const int ry = device.res_y;
    const int x = lp.x;
    const int t = lp.top;
    const int u = lp.unit;
    const FontId f = FontId::speakers;

    const int head = t + ry / 8;  // the letterhead's lines are u apart below this
    if (l.letterhead) {
        add_text(page, list, x + rx / 3, head + u, l.coordinator, f);
        add_text(page, list, x + rx / 3, head + 2 * u, l.coordinator_address1, f);
        add_text(page, list, x + rx / 3, head + 3 * u, l.coordinator_address2, f);
        if (!l.phones.empty()) {
            add_text(page, list, x + 5 * rx, head + u, text::text(TextId::phone) + ":", f);
            for (std::size_t k = 0; k < 3; ++k) {
                add_text(page, list, x + 6 * rx, head + (1 + static_cast<int>(k)) * u,
                         l.phones.phone(k), f);
            }
            add_text(page, list, x + 7 * rx, head + 4 * u, l.phones.email, f, HAlign::right);
        }
    }
    add_text(page, list, x + rx / 3, head + 4 * u, l.today, f);

    const int to = t + ry + ry / 8;
    add_text(page, list, x + rx / 2, to + 4 * u, l.addressee, f);
    add_text(page, list, x + rx / 2, to + 5 * u, l.address1, f);
    add_text(page, list, x + rx / 2, to + 6 * u, l.address2, f);

    const int text_top = t + ry + ry / 5;  // salutation, closing and signature
    add_text(page, list, x + rx / 3, text_top + 8 * u, l.salutation, f);
    const Rect body{x + rx / 3, t + 10 * u + ry, x + 7 * rx, t + 10 * u + 3 * ry};
    page.boxes.push_back({body, l.body, f, list.font(f).colour});
    add_text(page, list, x + rx / 3, text_top + 13 * u, l.closing, f);
    add_text(page, list, x + rx / 3, text_top + 14 * u, l.signature, f);

    if (l.map) {
        const Rect frame{x + rx / 4, t + 5 * ry, x + rx / 4 + 7 * rx, t + 10 * ry - ry / 5};
        page.pictures.push_back({frame, l.map->string()});
    }
    return list;
}

}  // namespace vorla::reports
