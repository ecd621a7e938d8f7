#include "core/schedule/local_talks_model.h"

#include "core/text/texts.h"

namespace vorla::schedule {

using text::TextId;

using calendar::WeekIndex;

namespace {

constexpr auto kWeekCaptionStyle = calendar::LabelStyle::short_month;
constexpr auto kTitleStyle = calendar::LabelStyle::with_year;
constexpr int kFirstMarkColumn = 4;

bool planned(const store::WeekRecord& w) {
    return w.talk_no != 0 && w.speaker_id != 0;
}

std::string mark_cell(std::uint16_t stamp, bool last) {
    if (last) return stamp ? " X\t]" : "\t]";
    return stamp ? " X\t]\t[" : "\t]\t[";
}

}  // namespace

LocalTalksModel::LocalTalksModel(store::Document& doc) : SpeakerWeekListModel(doc) {
    for (int r = 0; r < kRows; ++r) {
        const store::WeekRecord& w = doc.weeks().at(week_of(r));
        const auto kind = w.event_kind();
        if (!planned(w) && kind != store::EventKind::convention &&
            kind != store::EventKind::overseer_visit) {
            set_row(r);
            break;
        }
    }
    rebuild();
}

const std::vector<std::string>& LocalTalksModel::column_captions() {
    static const std::vector<std::string> captions{text::text(text::TextId::week),
                                                   text::text(text::TextId::talk),
                                                   text::text(text::TextId::role_speaker),
                                                   text::text(text::TextId::congregation),
                                                   text::text(text::TextId::requested_column),
                                                   text::text(text::TextId::confirmed),
                                                   text::text(text::TextId::reminded)};
    return captions;
}

std::vector<std::string> LocalTalksModel::cells(std::string_view row) {
    const std::vector<std::string> parts = split_tabs(row);
    std::vector<std::string> out;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        // From the first bracket on, "[ X" and "]" make one cell.
        if (k >= kFirstMarkColumn && k + 1 < parts.size() && parts[k].starts_with('[')) {
            out.push_back(parts[k] + " " + parts[k + 1]);
            ++k;
        } else {
            out.push_back(parts[k]);
        }
    }
    out.resize(column_captions().size());
    return out;
}

std::optional<Mark> LocalTalksModel::mark_of_column(int column) {
    switch (column) {
        case kFirstMarkColumn:
            return Mark::requested;
        case kFirstMarkColumn + 1:
            return Mark::confirmed;
        case kFirstMarkColumn + 2:
            return Mark::reminded;
        default:
            return std::nullopt;
    }
}

std::string LocalTalksModel::row_text(WeekIndex w, ListMarks& marks) const {
    const store::Document& d = doc();
    const store::WeekRecord& week = d.weeks().at(w);
    std::string row = row_date(w) + "\t";
    if (has_event(week)) return row + "\t" + event_text(week);
    row += week.talk_no != 0 ? d.talks().number_text(week.talk_no) : "  ";
    row += "\t";
    row += person_marker(d, week.speaker_id, w, store::AssignmentType::speaker, marks);
    row += d.brothers().name_of(week.speaker_id);
    row += "\t";
    row += d.congregations().name_of(week.speaker_cong_id);
    row += "\t[";
    row += mark_cell(week.requested, false);
    row += mark_cell(week.confirmed, false);
    row += mark_cell(week.reminded, true);
    return row;
}

void LocalTalksModel::select(int row) {
    set_row(row);
    if (!exchange_ || selected_week() == *exchange_) return;
    const WeekIndex a = *exchange_;
    const WeekIndex b = selected_week();
    // The exchange stays pending over an event week, and over a week outside the table's
    // window: nothing stored there is kept, so A's plan would be lost.
    if (has_event(doc().weeks().at(b)) || !doc().weeks().in_window(b)) return;
    store::WeekRecord& wa = record(a);
    store::WeekRecord& wb = record(b);
    std::swap(wa.speaker_cong_id, wb.speaker_cong_id);
    std::swap(wa.speaker_id, wb.speaker_id);
    std::swap(wa.talk_no, wb.talk_no);
    for (store::WeekRecord* w : {&wa, &wb})
        w->requested = w->confirmed = w->reminded = 0;
    store(a);
    store(b);
    exchange_.reset();
    rebuild();
}

std::string LocalTalksModel::week_caption() const {
    return doc().date_label(selected_week().number(), kWeekCaptionStyle);
}

std::string LocalTalksModel::talk_caption() const {
    const int n = talk();
    if (n == 0 || n > 255) return {};
    return doc().talks().title(n) + " ( " + doc().talks().number_text(n) + " ) ";
}

bool LocalTalksModel::pickers_visible() const {
    return !has_event(selected_record()) && !exchange_pending();
}

bool LocalTalksModel::offers_exchange() const {
    const store::WeekRecord& w = selected_record();
    return w.talk_no != 0 && w.speaker_id != 0 && w.speaker_cong_id != 0;
}

std::string LocalTalksModel::exchange_or_congregation_caption() const {
    return text::text(offers_exchange() ? TextId::exchange : TextId::choose_congregation);
}

bool LocalTalksModel::clear_or_cancel_visible() const {
    const store::WeekRecord& w = selected_record();
    return w.talk_no != 0 || w.speaker_id != 0 || w.speaker_cong_id != 0;
}

std::string LocalTalksModel::clear_or_cancel_caption() const {
    return text::text(exchange_pending() ? TextId::cancel_exchange : TextId::clear_selection);
}

bool LocalTalksModel::contacts_visible() const {
    return speaker() != 0 || congregation() != 0;
}

bool LocalTalksModel::talk_history_visible() const {
    return talk() != 0;
}

std::string LocalTalksModel::talk_history_caption() const {
    return text::format(TextId::show_talk_history, doc().talks().number_text(talk()));
}

std::string LocalTalksModel::conflict_text() const {
    const store::AssignmentType other =
        doc().assignment_type(speaker(), selected_week(), store::AssignmentType::speaker);
    if (other == store::AssignmentType::none) return text::text(TextId::scheduling_conflict);
    return speaker_conflict_detail(doc(), selected_week(), other);
}

std::string LocalTalksModel::exchange_prompt() const {
    if (!exchange_) return {};
    return text::format(TextId::choose_exchange_speaker,
                        doc().brothers().name_of(doc().weeks().at(*exchange_).speaker_id));
}

void LocalTalksModel::changed(WeekIndex w) {
    store(w);
    rebuild();
}

void LocalTalksModel::toggle_mark(int row, Mark mark) {
    if (row < 0 || row >= kRows) return;
    const WeekIndex w = week_of(row);
    store::WeekRecord& week = record(w);
    const auto stamp = static_cast<std::uint16_t>(doc().current_week().value);
    switch (mark) {
        case Mark::requested:
            if (week.requested != 0) {
                week.requested = week.confirmed = week.reminded = 0;
            } else {
                week.requested = stamp;
            }
            break;
        case Mark::confirmed:
            if (week.confirmed != 0) {
                week.confirmed = week.reminded = 0;
            } else {
                week.confirmed = stamp;
            }
            break;
        case Mark::reminded:
            week.reminded = week.reminded != 0 ? 0 : stamp;
            break;
    }
    changed(w);
}

void LocalTalksModel::press_exchange() {
    if (exchange_) {
        exchange_.reset();
    } else if (offers_exchange()) {
        exchange_ = selected_week();
    }
}

void LocalTalksModel::press_clear_or_cancel() {
    if (exchange_) {
        exchange_.reset();
        return;
    }
    store::WeekRecord& w = record(selected_week());
    w.talk_no = w.speaker_id = w.speaker_cong_id = 0;
    w.requested = w.confirmed = w.reminded = 0;
    changed(selected_week());
}

TalkPickerParams LocalTalksModel::talk_picker() const {
    const store::WeekRecord& w = selected_record();
    TalkPickerParams p;
    p.title = doc().date_label(selected_week().number(), kTitleStyle);
    if (w.speaker_id != 0) {
        p.title += " - " + doc().brothers().name_of(w.speaker_id);
    } else if (w.speaker_cong_id != 0) {
        p.title += " - " + doc().congregations().name_of(w.speaker_cong_id);
    }
    p.single = true;
    p.chosen = w.talk_no;
    p.speaker = w.speaker_id;
    p.needed = doc().wish_list().record().wanted;
    if (w.speaker_id == 0) p.congregation = w.speaker_cong_id;
    // With nobody planned yet, the talks we need come first.
    if (w.speaker_id == 0 && w.speaker_cong_id == 0) p.only_needed = true;
    return p;
}

void LocalTalksModel::apply_talk(int talk_no) {
    record(selected_week()).talk_no = static_cast<std::uint16_t>(talk_no);
    changed(selected_week());
}

SpeakerPickerParams LocalTalksModel::speaker_picker() const {
    SpeakerPickerParams p;
    p.title = speaker_picker_title(doc(), selected_week(), talk());
    p.talk = talk();
    p.week = selected_week();
    p.current = speaker();
    if (doc().congregations().find(congregation())) p.fixed_congregation = congregation();
    return p;
}

void LocalTalksModel::apply_speaker(std::size_t brother_pos) {
    if (brother_pos >= doc().brothers().size()) return;
    const store::BrotherEntry& b = doc().brothers().at(brother_pos);
    store::WeekRecord& w = record(selected_week());
    w.speaker_id = b.brother_id;
    w.speaker_cong_id = b.cong_id;
    changed(selected_week());
}

WeekCongregationParams LocalTalksModel::congregation_chooser() const {
    return {speaker_picker_title(doc(), selected_week(), talk()), talk(), selected_week()};
}

void LocalTalksModel::apply_congregation(std::size_t cong_pos) {
    if (cong_pos >= doc().congregations().size()) return;
    record(selected_week()).speaker_cong_id = doc().congregations().at(cong_pos).cong_id;
    changed(selected_week());
}

}  // namespace vorla::schedule
