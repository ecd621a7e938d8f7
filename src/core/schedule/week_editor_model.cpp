#include "core/schedule/week_editor_model.h"

#include <algorithm>

#include "core/schedule/outgoing_model.h"
#include "core/text/texts.h"

namespace vorla::schedule {

using calendar::LabelStyle;
using calendar::WeekIndex;
using text::TextId;

namespace {
constexpr auto kDateStyle = LabelStyle::short_month | LabelStyle::with_year;
// The list runs this many lines past the present week.
constexpr int kLinesAhead = 31;
}  // namespace

WeekEditorModel::WeekEditorModel(store::Document& doc) : doc_(doc) {
    const store::WeekTable& weeks = doc_.weeks();
    // The present line stands two before the first week whose number exceeds today's.
    const int first_later = doc_.today_week().value - weeks.base();
    const int present = std::clamp(first_later - 2, 0, store::WeekTable::kWeeks - 1);
    const int count = std::min(present + kLinesAhead + 1, store::WeekTable::kWeeks);
    for (int k = 0; k < count; ++k)
        week_lines_.push_back(doc_.date_label(WeekIndex(weeks.base() + k).number(), kDateStyle));
    line_ = present;
    load();
}

void WeekEditorModel::load() {
    copy_ = doc_.weeks().at(week());
    out_line_ = 0;
    changed_ = false;
    pack();
}

void WeekEditorModel::pack() {
    pack_slots(copy_);
    const std::size_t lines = used_slots(copy_);
    out_line_ = lines == 0 ? 0 : std::min(out_line_, lines - 1);
}

void WeekEditorModel::store_copy() {
    doc_.weeks().store(week(), copy_);
    changed_ = false;
}

void WeekEditorModel::select_week_line(int line) {
    if (line < 0 || line >= static_cast<int>(week_lines_.size())) return;
    if (changed_) store_copy();
    line_ = line;
    load();
}

void WeekEditorModel::step_week(int delta) {
    const int to = line_ + delta;
    if (to < 0 || to >= static_cast<int>(week_lines_.size())) return;
    select_week_line(to);
}

std::string WeekEditorModel::title() const {
    return doc_.congregations().name_of(doc_.our_congregation()) + " - " +
           week_lines_[static_cast<std::size_t>(line_)];
}

std::string WeekEditorModel::role_caption(TextId role, std::uint16_t brother_id) const {
    std::string caption = text::text(role);
    if (brother_id != 0) caption += " - " + doc_.brothers().name_of(brother_id);
    return caption;
}

std::string WeekEditorModel::speaker_caption() const {
    return role_caption(TextId::role_speaker, copy_.speaker_id);
}

std::string WeekEditorModel::chairman_caption() const {
    return role_caption(TextId::role_chairman, copy_.chairman_id);
}

std::string WeekEditorModel::reader_caption() const {
    return role_caption(TextId::role_reader, copy_.reader_id);
}

std::string WeekEditorModel::host_caption() const {
    std::string caption = text::text(TextId::hospitality);
    if (doc_.hosts().find_by_id(copy_.host_id) == 0) return caption;
    std::string name = doc_.hosts().name_of(copy_.host_id);
    if (name.starts_with('~')) name.erase(0, 1);
    return caption + " - " + name;
}

std::string WeekEditorModel::talk_caption() const {
    if (copy_.talk_no == 0) return text::text(TextId::talk);
    return doc_.talks().title(copy_.talk_no) + " ( " + doc_.talks().number_text(copy_.talk_no) +
           " ) ";
}

bool WeekEditorModel::clear_visible() const {
    return copy_.speaker_id != 0 || copy_.out_speaker_id[0] != 0 || copy_.chairman_id != 0 ||
           copy_.reader_id != 0 || copy_.host_id != 0 || copy_.talk_no != 0;
}

std::vector<std::string> WeekEditorModel::outgoing_lines() const {
    std::vector<std::string> lines;
    for (std::uint16_t id : copy_.out_speaker_id) {
        if (id != 0) lines.push_back(doc_.brothers().name_of(id));
    }
    return lines;
}

void WeekEditorModel::select_outgoing_line(std::size_t line) {
    if (line < used_slots(copy_)) out_line_ = line;
}

void WeekEditorModel::step_outgoing(int delta) {
    const long to = static_cast<long>(out_line_) + delta;
    if (to >= 0) select_outgoing_line(static_cast<std::size_t>(to));
}

std::uint16_t WeekEditorModel::selected_outgoing_speaker() const {
    return slot_of(copy_, out_line_).speaker;
}

std::uint16_t WeekEditorModel::selected_outgoing_congregation() const {
    return slot_of(copy_, out_line_).congregation;
}

std::uint16_t WeekEditorModel::selected_outgoing_talk() const {
    return slot_of(copy_, out_line_).talk;
}

std::string WeekEditorModel::outgoing_talk_caption() const {
    return slot_talk_caption(doc_, selected_outgoing_talk());
}

std::string WeekEditorModel::outgoing_congregation_caption() const {
    return slot_congregation_caption(doc_, selected_outgoing_congregation());
}

int WeekEditorModel::host_preselect() const {
    const std::size_t pos = doc_.hosts().find_by_id(copy_.host_id);
    return pos == 0 ? -1 : static_cast<int>(pos);
}

void WeekEditorModel::apply_speaker(std::size_t brother_pos) {
    if (brother_pos >= doc_.brothers().size()) return;
    const store::BrotherEntry& b = doc_.brothers().at(brother_pos);
    copy_.speaker_id = b.brother_id;
    copy_.speaker_cong_id = b.cong_id;
    touch();
}

void WeekEditorModel::apply_chairman(std::size_t brother_pos) {
    if (brother_pos >= doc_.brothers().size()) return;
    copy_.chairman_id = doc_.brothers().at(brother_pos).brother_id;
    touch();
}

void WeekEditorModel::apply_reader(std::size_t brother_pos) {
    if (brother_pos >= doc_.brothers().size()) return;
    copy_.reader_id = doc_.brothers().at(brother_pos).brother_id;
    touch();
}

void WeekEditorModel::apply_host(std::uint16_t host_id) {
    copy_.host_id = host_id;
    touch();
}

void WeekEditorModel::apply_talk(int talk_no) {
    copy_.talk_no = static_cast<std::uint16_t>(talk_no);
    touch();
}

void WeekEditorModel::add_outgoing(std::size_t brother_pos) {
    if (brother_pos >= doc_.brothers().size()) return;
    const std::uint16_t id = doc_.brothers().at(brother_pos).brother_id;
    auto& ids = copy_.out_speaker_id;
    if (std::find(ids.begin(), ids.end(), id) != ids.end()) return;
    const auto free = std::find(ids.begin(), ids.end(), 0);
    if (free == ids.end()) return;
    set_slot(copy_, static_cast<std::size_t>(free - ids.begin()), {id, 0, 0});
    touch();
}

void WeekEditorModel::replace_outgoing(std::size_t brother_pos) {
    if (brother_pos >= doc_.brothers().size() || selected_outgoing_speaker() == 0) return;
    const std::uint16_t id = doc_.brothers().at(brother_pos).brother_id;
    if (id == selected_outgoing_speaker()) return;
    set_slot(copy_, out_line_, {id, 0, 0});
    touch();
}

void WeekEditorModel::remove_outgoing() {
    if (selected_outgoing_speaker() == 0) return;
    for (std::size_t k = out_line_; k + 1 < store::WeekRecord::kOutPlaces; ++k)
        set_slot(copy_, k, slot_of(copy_, k + 1));
    set_slot(copy_, store::WeekRecord::kOutPlaces - 1, {});
    touch();
    pack();
}

std::optional<store::BrotherRecord> WeekEditorModel::outgoing_talk_record() const {
    const auto pos = doc_.brothers().find(selected_outgoing_speaker());
    if (!pos) return std::nullopt;
    return doc_.brothers().read(doc_.folder(), *pos);
}

void WeekEditorModel::apply_outgoing_talk(const store::BrotherRecord& record,
                                          std::optional<std::size_t> talk_index) {
    keep_chooser_record(doc_, record);
    if (!talk_index || *talk_index >= store::TalkCatalogue::kTalks) return;
    const OutgoingSlot s = slot_of(copy_, out_line_);
    if (s.speaker != record.brother_id) return;
    const store::TalkRecord* talk = doc_.talks().find(static_cast<int>(*talk_index) + 1);
    set_slot(copy_, out_line_, {s.speaker, s.congregation, talk->talk_no});
    touch();
}

void WeekEditorModel::apply_outgoing_congregation(std::size_t cong_pos) {
    const OutgoingSlot s = slot_of(copy_, out_line_);
    if (cong_pos >= doc_.congregations().size() || s.speaker == 0) return;
    set_slot(copy_, out_line_, {s.speaker, doc_.congregations().at(cong_pos).cong_id, s.talk});
    touch();
}

void WeekEditorModel::clear() {
    const calendar::WeekNumber number = copy_.week;
    copy_ = store::WeekRecord{};
    copy_.week = number;
    out_line_ = 0;
    store_copy();
}

void WeekEditorModel::save() const {
    doc_.weeks().save(doc_.folder());
    doc_.announce(store::Change::weeks);
}

void WeekEditorModel::ok() {
    if (changed_) store_copy();
    save();
}

void WeekEditorModel::cancel() {
    save();
}

}  // namespace vorla::schedule
