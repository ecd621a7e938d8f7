#include "core/reports/speaker_list.h"

#include <algorithm>

#include "core/calendar/parity.h"
#include "core/reports/letter_page.h"
#include "core/reports/listed_talks.h"
#include "core/store/brother_book.h"
#include "core/text/texts.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::reports {

using text::TextId;

namespace {

constexpr int kTalksPerLine = 20;

bool of_circuit(const store::Document& doc, std::uint16_t cong_id, std::uint16_t circuit) {
    const auto pos = doc.congregations().find(cong_id);
    return pos && doc.congregations().at(*pos).circuit_id == circuit;
}

// The name line of a block and, for the speakers of any congregation, the line of how he is
// reached; repeated when his talks go on over a page.
struct BlockHead {
    std::string name;
    std::string congregation;
    std::string phone;
    bool contact = false;
    std::string address1;
    std::string address2;
    std::string second_phone;
};

class SpeakerListLayout {
  public:
    SpeakerListLayout(const store::Document& doc, FlowingList& f, bool contact_lines)
        : doc_(doc),
          book_(doc),
          f_(f),
          contact_lines_(contact_lines),
          x_(f.metrics().left_margin),
          rx_(f.metrics().res_x),
          line_(f.line()) {
        // Thousands of blocks show the same few hundred numbers.
        for (int n = 0; n <= text::TalkSet::kMaxTalk; ++n)
            numbers_.push_back(n ? doc.talks().number_text(n) : std::string());
    }

    // The chosen congregation under the title; returns the line below which the first block
    // may start.
    int congregation_block(std::uint16_t cong_id);
    // A block with its name line at y; returns its last line.
    int block(const BlockHead& h, const std::vector<int>& talks, int y);
    BlockHead head_of(std::size_t pos, bool with_congregation) const;

  private:
    int head(const BlockHead& h, int y);

    const store::Document& doc_;
    store::BrotherBook book_;
    FlowingList& f_;
    bool contact_lines_;
    int x_;
    int rx_;
    int line_;
    std::vector<std::string> numbers_;  // by talk number
};

int SpeakerListLayout::congregation_block(std::uint16_t cong_id) {
    const auto cong = read_congregation(doc_, cong_id);
    if (!cong) return 0;
    const auto at = [&](int k) { return (3 + 2 * k) * line_ / 2; };  // 1.5 L, 2.5 L, ...
    const FontId font = FontId::text;
    const int left = x_ + rx_ / 10;
    const int times = x_ + 3 * rx_;
    const int coordinator = static_cast<int>(x_ + 5.5 * rx_);
    const int hall_room = f_.room(left, times);
    f_.text(left, at(0), text::text(TextId::kingdom_hall), font);
    f_.text(left, at(1), cong->hall_address1, font, HAlign::left, false, hall_room);
    f_.text(left, at(2), cong->hall_address2, font, HAlign::left, false, hall_room);
    f_.text(left, at(3), cong->phone1, font);
    f_.text(left, at(4), cong->phone2, font);

    // The meeting time in force now and the other arrangement's, each with its year. A time
    // of three characters or fewer is no time worth a line.
    const calendar::WeekIndex now = doc_.current_week().index();
    const bool odd =
        calendar::congregation_parity(now, doc_.settings().service_year) == calendar::Parity::odd;
    const calendar::CalendarContext ctx = doc_.calendar();
    const auto timed = [&](const std::string& time, calendar::WeekIndex week) {
        std::string s = time + " ( " + calendar::year_text(week, ctx) + " )";
        return text::length(s) > 12 ? s : std::string();
    };
    f_.text(times, at(0), timed(odd ? cong->time_odd : cong->time_even, now), font);
    f_.text(times, at(1), timed(odd ? cong->time_even : cong->time_odd, now + 52), font);

    // The talk coordinator: name, address, then his numbers and e-mail.
    int last = at(4);
    const std::uint16_t coord = cong->talk_coord_id;
    if (const auto card = book_.card(coord)) {
        f_.text(coordinator, at(0), doc_.brothers().name_of(coord), font);
        f_.text(coordinator, at(1), card->record.address1, font);
        f_.text(coordinator, at(2), std::string(text::trim(card->record.address2)), font);
        const std::vector<std::string> reached = contact_entries(card->phones);
        for (std::size_t k = 0; k < reached.size(); ++k)
            f_.text(coordinator, at(3 + static_cast<int>(k)), reached[k], font);
        last = std::max(last, at(2 + static_cast<int>(reached.size())));
    }
    return last;
}

BlockHead SpeakerListLayout::head_of(std::size_t pos, bool with_congregation) const {
    const store::BrotherEntry& e = doc_.brothers().at(pos);
    BlockHead h;
    h.name = e.first_last();
    if (e.ministerial_servant())
        h.name += " ( " + text::text(TextId::ministerial_servant_mark) + " )";
    if (with_congregation) h.congregation = doc_.congregations().name_of(e.cong_id);
    const auto card = book_.card(e.brother_id);
    const store::PhoneList phones = card ? card->phones : store::PhoneList{};
    h.phone = phones.phone(0);
    h.contact = contact_lines_;
    if (contact_lines_) {
        if (card) {
            h.address1 = card->record.address1;
            h.address2 = std::string(text::trim(card->record.address2));
        }
        h.second_phone = phones.phone(1);
    }
    return h;
}

int SpeakerListLayout::head(const BlockHead& h, int y) {
    const int right = static_cast<int>(x_ + 7.5 * rx_);
    f_.band(y, FontId::text);
    const int cong_x = static_cast<int>(x_ + 2.5 * rx_);
    f_.text(x_, y, h.name, FontId::text, HAlign::left, true,
            h.congregation.empty() ? 0 : f_.room(x_, cong_x));
    f_.text(cong_x, y, h.congregation, FontId::text, HAlign::left, true);
    f_.text(right, y, h.phone, FontId::speakers, HAlign::right, true);
    if (!h.contact) return y;
    y += line_;
    f_.text(x_ + rx_ / 10, y, h.address1, FontId::text);
    f_.text(x_ + 3 * rx_, y, h.address2, FontId::text);
    f_.text(right, y, h.second_phone, FontId::text, HAlign::right);
    return y;
}

int SpeakerListLayout::block(const BlockHead& h, const std::vector<int>& talks, int y) {
    if (f_.full(y)) {
        f_.new_page();
        y = f_.first_line();
    }
    int line_y = head(h, y) + 3 * line_ / 2;
    f_.text(x_ + rx_ / 10, line_y, text::text(TextId::talks_dash), FontId::captions);
    for (std::size_t i = 0; i < talks.size(); ++i) {
        const int k = static_cast<int>(i % kTalksPerLine);
        if (k == 0 && i > 0) {
            line_y += line_;
            if (f_.full(line_y)) {
                // His list goes on over the page, under his name again.
                f_.new_page();
                line_y = head(h, f_.first_line()) + 3 * line_ / 2;
            }
        }
        f_.text(x_ + rx_ + k * rx_ / 3, line_y, numbers_[static_cast<std::size_t>(talks[i])],
                FontId::small_text);
    }
    return line_y;
}

}  // namespace

std::vector<std::size_t> listed_speakers(const store::Document& doc, const SpeakerSelection& sel) {
    const std::uint16_t ours = doc.our_congregation();
    const std::uint16_t cong = sel.ours ? ours : sel.congregation;
    std::vector<std::size_t> listed;
    if (sel.ours && ours == 0) return listed;
    const auto& entries = doc.brothers().entries();
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const store::BrotherEntry& e = entries[i];
        if (e.discontinued() || e.talks.empty()) continue;
        if (cong && e.cong_id != cong) continue;
        if (!sel.ours && sel.circuit && !of_circuit(doc, e.cong_id, sel.circuit)) continue;
        if (!sel.ours && ours && e.cong_id == ours &&
            (doc.roles_of(e.brother_id) & store::BrotherRecord::kRoleOutgoing) == 0)
            continue;
        listed.push_back(i);
    }
    return listed;
}

std::string speaker_list_title(const store::Document& doc, const SpeakerSelection& sel) {
    if (sel.ours) return doc.congregations().name_of(doc.our_congregation());
    std::string name = doc.congregations().name_of(sel.congregation);
    if (!name.empty()) return name;
    name = text::text(TextId::speakers);
    if (sel.circuit) name += " - " + doc.circuits().name_of(sel.circuit);
    return name;
}

ListEstimate estimate_speaker_list(const store::Document& doc, const SpeakerSelection& sel,
                                   int line_height, int res_y) {
    ListEstimate e;
    for (const std::size_t pos : listed_speakers(doc, sel)) {
        const int t = doc.brothers().at(pos).talks.count();
        e.lines += t > kTalksPerLine ? t / kTalksPerLine + 5 : 4;
    }
    const int counted = e.lines - (sel.ours ? 0 : 3) + 7;
    e.pages = estimated_pages(static_cast<long long>(counted) * line_height, 10LL * res_y);
    return e;
}

DisplayList layout_speaker_list(const store::Document& doc, const settings::ReportFonts& fonts,
                                const SpeakerSelection& sel, const Device& device) {
    FlowingList f(doc, fonts, device, speaker_list_title(doc, sel));
    SpeakerListLayout layout(doc, f, !sel.ours);
    const int line = f.line();
    f.expect_pages(estimate_speaker_list(doc, sel, line, f.metrics().res_y));
    f.new_page();
    int y = f.first_line();
    if (!sel.ours && sel.congregation) {
        if (const int last = layout.congregation_block(sel.congregation)) y = last + 2 * line;
    }
    const std::vector<std::size_t> speakers = listed_speakers(doc, sel);
    const bool with_congregation = !sel.ours && sel.congregation == 0;
    text::TalkSet covered;
    for (std::size_t k = 0; k < speakers.size(); ++k) {
        const store::BrotherEntry& e = doc.brothers().at(speakers[k]);
        for (std::size_t b = 0; b < text::TalkSet::kBytes; ++b)
            covered.bytes()[b] |= e.talks.bytes()[b];
        const int last =
            layout.block(layout.head_of(speakers[k], with_congregation), e.talks.talks(), y);
        y = last + 3 * line / 2;
    }
    if (sel.ours && doc.our_congregation()) {
        // Closing: the talks none of them gives (without a congregation of ours there is
        // nobody whose talks could be missing).
        std::vector<int> uncovered;
        const int limit = uncovered_talk_limit(doc.talks());
        for (int n = 1; n <= limit; ++n) {
            if (!covered.has(n)) uncovered.push_back(n);
        }
        BlockHead none;
        none.name = text::text(TextId::not_set);
        layout.block(none, uncovered, y);
    }
    return f.take();
}

}  // namespace vorla::reports
