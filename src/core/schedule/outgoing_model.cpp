#include "core/schedule/outgoing_model.h"

#include <algorithm>

#include "core/text/texts.h"

namespace vorla::schedule {

using calendar::LabelStyle;
using calendar::WeekIndex;
using store::EventKind;
using text::TextId;

namespace {

constexpr auto kShortStyle = LabelStyle::short_month;
constexpr const char* kMoreSpeakers = " (+...)";
constexpr const char* kFreeSlotLine = " +...";

}  // namespace

OutgoingSlot slot_of(const store::WeekRecord& week, std::size_t k) {
    if (k >= store::WeekRecord::kOutPlaces) return {};
    return {week.out_speaker_id[k], week.out_cong_id[k], week.out_talk_no[k]};
}

void set_slot(store::WeekRecord& week, std::size_t k, const OutgoingSlot& slot) {
    if (k >= store::WeekRecord::kOutPlaces) return;
    week.out_speaker_id[k] = slot.speaker;
    week.out_cong_id[k] = slot.congregation;
    week.out_talk_no[k] = slot.talk;
}

std::size_t used_slots(const store::WeekRecord& week) {
    return static_cast<std::size_t>(std::count_if(week.out_speaker_id.begin(),
                                                  week.out_speaker_id.end(),
                                                  [](std::uint16_t id) { return id != 0; }));
}

bool pack_slots(store::WeekRecord& week) {
    std::size_t to = 0;
    bool moved = false;
    for (std::size_t k = 0; k < store::WeekRecord::kOutPlaces; ++k) {
        const OutgoingSlot s = slot_of(week, k);
        if (s.speaker == 0) continue;
        if (k != to) {
            set_slot(week, to, s);
            moved = true;
        }
        ++to;
    }
    if (moved) {
        for (std::size_t k = to; k < store::WeekRecord::kOutPlaces; ++k)
            set_slot(week, k, {});
    }
    return moved;
}

OutgoingModel::OutgoingModel(store::Document& doc) : SpeakerWeekListModel(doc) {
    for (int r = 0; r < kRows; ++r) {
        const OutgoingSlot s = slot_of(doc.weeks().at(week_of(r)), 0);
        if (s.talk == 0 || s.speaker == 0) {
            set_row(r);
            break;
        }
    }
    rebuild();
}

const std::vector<std::string>& OutgoingModel::column_captions() {
    static const std::vector<std::string> captions{text::text(text::TextId::week),
                                                   text::text(text::TextId::talk),
                                                   text::text(text::TextId::role_speaker), ""};
    return captions;
}

std::vector<std::string> OutgoingModel::cells(std::string_view row) {
    std::vector<std::string> out = split_tabs(row);
    out.resize(column_captions().size());
    return out;
}

void OutgoingModel::before_build() {
    if (!exchange_) {
        for (int r = 0; r < kRows; ++r)
            pack_slots(record(week_of(r)));
    }
    const std::size_t lines = std::max<std::size_t>(slot_lines().size(), 1);
    slot_ = std::min(slot_, lines - 1);
}

std::string OutgoingModel::row_text(WeekIndex w, ListMarks& marks) const {
    const store::Document& d = doc();
    const store::WeekRecord& week = d.weeks().at(w);
    const EventKind kind = week.event_kind();
    std::string row = row_date(w) + "\t";
    const bool first_used = week.out_speaker_id[0] != 0;
    switch (kind) {
        case EventKind::convention:
            if (!first_used) return row + "\t" + event_text(week);
            break;
        case EventKind::overseer_visit:
            // No outgoing speaker is shown in an overseer's week.
            return row + "\t" + event_text(week);
        case EventKind::other:
            if (!first_used) return row + "\t" + event_text(week);
            break;
        case EventKind::none:
            break;
    }
    const OutgoingSlot s = slot_of(week, w == selected_week() ? slot_ : 0);
    row += s.talk != 0 ? d.talks().number_text(s.talk) : "   ";
    row += "\t";
    if (s.speaker != 0) {
        const bool busy =
            d.assignment_type(s.speaker, w, store::AssignmentType::outgoing_speaker) !=
                store::AssignmentType::none ||
            kind != EventKind::none;
        if (busy) marks.conflict = true;
        if (!d.brother_available(s.speaker, w.number())) {
            marks.unavailable = true;
            row += "* ";
        } else if (busy) {
            row += "# ";
        }
        row += d.brothers().name_of(s.speaker);
    }
    if (week.out_speaker_id[1] != 0) row += kMoreSpeakers;
    return row + "\t" + d.congregations().name_of(s.congregation);
}

void OutgoingModel::select(int row) {
    store(selected_week());
    set_row(row);
    slot_ = 0;
    rebuild();
}

void OutgoingModel::select_slot(int line) {
    slot_ = line < 0 ? 0 : static_cast<std::size_t>(line);
    rebuild();
}

std::string OutgoingModel::slot_line(const OutgoingSlot& s) const {
    std::string line = doc().brothers().name_of(s.speaker);
    const auto day = doc().congregations().meeting_day(s.congregation, selected_week(),
                                                       doc().settings().service_year);
    if (day && day->value >= 1 && day->value <= 6)
        line += " - " + text::text_at(TextId::weekday_monday, day->value - 1);
    return line;
}

std::vector<std::string> OutgoingModel::slot_lines() const {
    const store::WeekRecord& week = selected_record();
    std::vector<std::string> lines;
    for (std::size_t k = 0; k < kSlots; ++k) {
        const OutgoingSlot s = slot_of(week, k);
        if (s.speaker != 0) lines.push_back(slot_line(s));
    }
    if (exchange_ && !lines.empty() && lines.size() < kSlots) lines.emplace_back(kFreeSlotLine);
    return lines;
}

std::string OutgoingModel::week_caption() const {
    return doc().date_label(selected_week().number(), kShortStyle);
}

bool OutgoingModel::add_visible() const {
    return selected_record().event_kind() != EventKind::overseer_visit && !exchange_pending();
}

bool OutgoingModel::slot_buttons_visible() const {
    return used_slots(selected_record()) > 0;
}

bool OutgoingModel::edit_visible() const {
    return slot_buttons_visible() && !exchange_pending();
}

std::string OutgoingModel::talk_caption() const {
    const int n = slot().talk;
    if (n == 0) return text::text(TextId::talk);
    return text::text(TextId::talk) + " - " + doc().talks().title(n) + " ( " +
           doc().talks().number_text(n) + " ) ";
}

std::string OutgoingModel::congregation_caption() const {
    const std::uint16_t c = slot().congregation;
    if (c == 0) return text::text(TextId::congregation);
    return text::text(TextId::congregation) + " - " + doc().congregations().name_of(c);
}

std::string OutgoingModel::conflict_text() const {
    const std::uint16_t speaker = slot().speaker;
    const store::WeekRecord& week = selected_record();
    const store::AssignmentType type =
        doc().assignment_type(speaker, selected_week(), store::AssignmentType::outgoing_speaker);
    std::string other = role_name(type);
    if (speaker != 0 && type == store::AssignmentType::none) {
        const EventKind kind = week.event_kind();
        if (kind == EventKind::convention || kind == EventKind::other) other = event_text(week);
    }
    if (other.empty()) return text::text(TextId::scheduling_conflict);
    return role_conflict_detail(doc(), selected_week(), doc().brothers().name_of(speaker), other,
                                role_name(store::AssignmentType::outgoing_speaker));
}

bool OutgoingModel::exchange_visible() const {
    return exchange_pending() || !slot().empty();
}

std::string OutgoingModel::exchange_caption() const {
    return text::text(exchange_pending() ? TextId::cancel_exchange : TextId::exchange);
}

std::string OutgoingModel::named_date(std::uint16_t speaker, WeekIndex w) const {
    return doc().brothers().name_of(speaker) + " (" + doc().date_label(w.number(), kShortStyle) +
           ")";
}

std::string OutgoingModel::exchange_prompt() const {
    if (!exchange_) return {};
    const OutgoingSlot s = slot_of(doc().weeks().at(exchange_->week), exchange_->slot);
    return text::format(TextId::choose_exchange_speaker, named_date(s.speaker, exchange_->week));
}

bool OutgoingModel::exchange_confirm_visible() const {
    return exchange_ && exchange_->week != selected_week();
}

std::string OutgoingModel::exchange_confirm_caption() const {
    if (!exchange_) return {};
    const OutgoingSlot from = slot_of(doc().weeks().at(exchange_->week), exchange_->slot);
    return named_date(from.speaker, exchange_->week) + " <-> " +
           named_date(slot().speaker, selected_week()) + " " + text::text(TextId::exchange);
}

void OutgoingModel::changed(WeekIndex w) {
    store(w);
    rebuild();
}

void OutgoingModel::add(std::size_t brother_pos) {
    if (brother_pos >= doc().brothers().size()) return;
    store::WeekRecord& week = record(selected_week());
    const auto free = std::find(week.out_speaker_id.begin(), week.out_speaker_id.end(), 0);
    if (free == week.out_speaker_id.end()) {
        slot_ = 0;
    } else {
        slot_ = static_cast<std::size_t>(free - week.out_speaker_id.begin());
        set_slot(week, slot_, {doc().brothers().at(brother_pos).brother_id, 0, 0});
    }
    changed(selected_week());
}

void OutgoingModel::replace(std::size_t brother_pos) {
    if (brother_pos >= doc().brothers().size() || slot().speaker == 0) return;
    const std::uint16_t id = doc().brothers().at(brother_pos).brother_id;
    if (id == slot().speaker) return;
    set_slot(record(selected_week()), slot_, {id, 0, 0});
    changed(selected_week());
}

void OutgoingModel::remove() {
    store::WeekRecord& week = record(selected_week());
    if (slot().empty()) return;
    for (std::size_t k = slot_; k + 1 < kSlots; ++k)
        set_slot(week, k, slot_of(week, k + 1));
    set_slot(week, kSlots - 1, {});
    changed(selected_week());
}

std::optional<store::BrotherRecord> OutgoingModel::talk_chooser_record() const {
    const auto pos = doc().brothers().find(slot().speaker);
    if (!pos) return std::nullopt;
    return doc().brothers().read(doc().folder(), *pos);
}

void OutgoingModel::apply_talk(const store::BrotherRecord& record,
                               std::optional<std::size_t> talk_index) {
    // Only a record the chooser changed is written, and only then is it news to anyone.
    const auto pos = doc().brothers().find(record.brother_id);
    const auto stored = pos ? doc().brothers().read(doc().folder(), *pos) : std::nullopt;
    if (stored && stored->encode() != record.encode() &&
        doc().brothers().write(doc().folder(), record))
        doc().announce(store::Change::brothers);
    const OutgoingSlot s = slot();
    if (talk_index && *talk_index < store::TalkCatalogue::kTalks &&
        s.speaker == record.brother_id) {
        const store::TalkRecord* talk = doc().talks().find(static_cast<int>(*talk_index) + 1);
        set_slot(this->record(selected_week()), slot_, {s.speaker, s.congregation, talk->talk_no});
    }
    changed(selected_week());
}

void OutgoingModel::apply_congregation(std::size_t cong_pos) {
    const OutgoingSlot s = slot();
    if (cong_pos >= doc().congregations().size() || s.speaker == 0) return;
    set_slot(record(selected_week()), slot_,
             {s.speaker, doc().congregations().at(cong_pos).cong_id, s.talk});
    changed(selected_week());
}

void OutgoingModel::press_exchange() {
    if (exchange_) {
        exchange_.reset();
    } else if (!slot().empty()) {
        exchange_ = Source{selected_week(), slot_};
    }
    rebuild();
}

void OutgoingModel::confirm_exchange() {
    if (!exchange_confirm_visible()) return;
    const Source from = *exchange_;
    // The target week is kept only inside the table's window; outside it A's slot would be lost.
    if (!doc().weeks().in_window(selected_week())) return;
    store::WeekRecord& a = record(from.week);
    store::WeekRecord& b = record(selected_week());
    const OutgoingSlot moving = slot_of(a, from.slot);
    set_slot(a, from.slot, slot_of(b, slot_));
    set_slot(b, slot_, moving);
    store(from.week);
    store(selected_week());
    exchange_.reset();
    rebuild();
}

}  // namespace vorla::schedule
