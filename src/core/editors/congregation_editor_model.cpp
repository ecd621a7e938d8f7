#include "core/editors/congregation_editor_model.h"

#include "core/calendar/date_label.h"
#include "core/editors/name_check.h"
#include "core/text/texts.h"
#include "core/text/utf8.h"

namespace vorla::editors {

using text::TextId;

namespace {

TextId office_word(CongregationOffice o) {
    switch (o) {
        case CongregationOffice::cobe:
            return TextId::office_coordinator;
        case CongregationOffice::talk_coordinator:
            return TextId::office_talk_coordinator;
        case CongregationOffice::secretary:
            break;
    }
    return TextId::office_secretary;
}

BrotherRole role_of(CongregationOffice o) {
    switch (o) {
        case CongregationOffice::cobe:
            return BrotherRole::cobe;
        case CongregationOffice::talk_coordinator:
            return BrotherRole::talk_coordinator;
        case CongregationOffice::secretary:
            break;
    }
    return BrotherRole::secretary;
}

}  // namespace

CongregationEditorModel::CongregationEditorModel(store::Document& doc, CongregationListModel* list,
                                                 std::optional<std::size_t> position,
                                                 std::uint16_t fixed_cong)
    : doc_(doc), list_(list), fixed_cong_(fixed_cong), adding_(!position && fixed_cong == 0) {
    if (fixed_cong_ != 0) position = doc_.congregations().find(fixed_cong_);
    load(position);
}

void CongregationEditorModel::load(std::optional<std::size_t> position) {
    position_ = position;
    record_ = store::CongregationRecord{};
    if (!adding_ && position_) {
        if (auto r = doc_.congregations().read(doc_.folder(), *position_)) record_ = std::move(*r);
    }
    fields_ = CongregationFields{record_.name,
                                 record_.hall_address1,
                                 record_.hall_address2,
                                 record_.phone1,
                                 record_.phone2,
                                 record_.time_even,
                                 record_.time_odd,
                                 calendar::to_offset(record_.day_even),
                                 calendar::to_offset(record_.day_odd)};
    // One time given for both years shows in both.
    if (fields_.time_even.empty()) fields_.time_even = fields_.time_odd;
    if (fields_.time_odd.empty()) fields_.time_odd = fields_.time_even;
}

std::string CongregationEditorModel::day_name(calendar::DayOffset d) {
    return calendar::weekday_name(d);
}

bool CongregationEditorModel::apply_visible() const {
    return adding_ && text::length(fields_.name) >= kApplyMinName;
}

int CongregationEditorModel::brother_count() const {
    if (record_.cong_id == 0) return 0;
    int n = 0;
    for (const store::BrotherEntry& e : doc_.brothers().entries())
        n += e.cong_id == record_.cong_id ? 1 : 0;
    return n;
}

std::string CongregationEditorModel::brothers_caption() const {
    return text::text(TextId::brothers) + " ( " + std::to_string(brother_count()) + " )";
}

std::uint16_t CongregationEditorModel::officer(CongregationOffice o) const {
    switch (o) {
        case CongregationOffice::cobe:
            return record_.cobe_id;
        case CongregationOffice::talk_coordinator:
            return record_.talk_coord_id;
        case CongregationOffice::secretary:
            return record_.secretary_id;
    }
    return 0;
}

std::string CongregationEditorModel::officer_caption(CongregationOffice o) const {
    std::string caption = text::text(office_word(o));
    const std::string name = doc_.brothers().name_of(officer(o));
    if (officer(o) != 0 && !name.empty()) caption += " - " + name;
    return caption;
}

std::string CongregationEditorModel::circuit_caption() const {
    std::string caption = text::text(TextId::circuit);
    if (doc_.circuits().find_by_id(record_.circuit_id) != 0)
        caption += " - " + doc_.circuits().name_of(record_.circuit_id);
    return caption;
}

bool CongregationEditorModel::validate() {
    if (first_word_empty(fields_.name)) {
        doc_.prompter().inform(text::text(TextId::enter_congregation_name), io::Icon::information);
        return false;
    }
    if (!congregation_name_allowed(fields_.name)) {
        doc_.prompter().inform(text::text(text::TextId::congregation_name_separator),
                               io::Icon::warning);
        return false;
    }
    if (adding_) return true;
    const store::DuplicateCheck dup = doc_.congregations().check_duplicate(fields_.name, position_);
    if (!dup.found()) return true;
    doc_.prompter().inform(dup.message, io::Icon::warning);
    return false;
}

void CongregationEditorModel::copy() {
    record_.name = text::left(fields_.name, store::CongregationRecord::kNameMax);
    record_.hall_address1 =
        text::left(fields_.hall_address1, store::CongregationRecord::kAddressMax);
    record_.hall_address2 =
        text::left(fields_.hall_address2, store::CongregationRecord::kAddressMax);
    record_.phone1 = text::left(fields_.phone1, store::CongregationRecord::kPhoneMax);
    record_.phone2 = text::left(fields_.phone2, store::CongregationRecord::kPhoneMax);
    record_.time_odd = text::left(fields_.time_odd, store::CongregationRecord::kTimeMax);
    record_.time_even = text::left(fields_.time_even, store::CongregationRecord::kTimeMax);
    record_.day_odd = calendar::to_stored(fields_.day_odd);
    record_.day_even = calendar::to_stored(fields_.day_even);
}

void CongregationEditorModel::save() {
    store::CongregationIndex& congregations = doc_.congregations();
    if (adding_) {
        const store::DuplicateCheck dup = congregations.check_duplicate(record_.name, std::nullopt);
        bool written = false;
        if (!dup.found()) {
            if (const auto id = congregations.add(doc_.folder(), record_)) {
                record_.cong_id = *id;
                written = true;
            }
        } else if (doc_.prompter().ask_yes_no(dup.message, false)) {
            // The existing congregation takes the data and keeps its id, so that its brothers
            // and weeks still refer to it.
            record_.cong_id = congregations.at(*dup.position).cong_id;
            congregations.write(doc_.folder(), record_);
            written = true;
        }
        congregations.sort(doc_.collator());
        position_ = written ? congregations.find(record_.cong_id) : std::nullopt;
        if (list_) {
            list_->fill();
            list_->select_position(position_);
        }
        if (!written) return;
    } else {
        congregations.write(doc_.folder(), record_);
    }
    saved_ = true;
    doc_.announce(store::Change::congregations);
}

bool CongregationEditorModel::apply() {
    if (!adding_ || !validate()) return false;
    copy();
    save();
    if (!position_) return false;
    adding_ = false;
    if (list_) list_->adding_done();
    load(position_);
    return true;
}

bool CongregationEditorModel::remove() {
    if (!step_visible()) return false;
    const auto pos = doc_.congregations().find(record_.cong_id);
    if (!pos) return false;
    const std::string question =
        text::format(TextId::confirm_delete, " " + doc_.congregations().at(*pos).name);
    if (!doc_.prompter().ask_yes_no(question, true)) return false;
    doc_.delete_congregation(*pos);
    if (list_) list_->fill();
    saved_ = true;
    return true;
}

std::optional<BrotherListParams> CongregationEditorModel::brothers_list() {
    if (!validate()) return std::nullopt;
    if (record_.cong_id == 0) {
        doc_.prompter().inform(text::text(TextId::enter_congregation_name), io::Icon::information);
        return std::nullopt;
    }
    BrotherListParams p;
    p.cong_filter = record_.cong_id;
    return p;
}

void CongregationEditorModel::brothers_closed() {
    // An officer deleted in the list must not come back with the next save.
    for (const CongregationOffice o :
         {CongregationOffice::cobe, CongregationOffice::talk_coordinator,
          CongregationOffice::secretary}) {
        const auto pos = doc_.brothers().find(officer(o));
        if (officer(o) != 0 && (!pos || doc_.brothers().at(*pos).cong_id != record_.cong_id))
            set_officer(o, 0);
    }
    saved_ = true;
}

BrotherListParams CongregationEditorModel::officer_chooser(CongregationOffice o) const {
    BrotherListParams p;
    p.cong_filter = record_.cong_id;
    p.role = role_of(o);
    p.current_brother = officer(o);
    return p;
}

void CongregationEditorModel::set_officer(CongregationOffice o, std::uint16_t brother_id) {
    switch (o) {
        case CongregationOffice::cobe:
            record_.cobe_id = brother_id;
            break;
        case CongregationOffice::talk_coordinator:
            record_.talk_coord_id = brother_id;
            break;
        case CongregationOffice::secretary:
            record_.secretary_id = brother_id;
            break;
    }
}

int CongregationEditorModel::circuit_preselect() const {
    const std::size_t pos = doc_.circuits().find_by_id(record_.circuit_id);
    return pos == 0 ? -1 : static_cast<int>(pos);
}

void CongregationEditorModel::set_map_file(const std::string& name) {
    record_.map_file = text::left(name, store::CongregationRecord::kMapFileMax);
}

}  // namespace vorla::editors
