#include "core/editors/brother_editor_model.h"

#include "core/editors/name_check.h"
#include "core/text/texts.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::editors {

using text::TextId;

namespace {

constexpr std::size_t kAutoCapMax = 14;

// The languages whose names keep the letter case they are typed in.
bool keeps_case(const std::string& language) {
    if (language == "rus" || language == "turkish" || language == "greek") return true;
    return !language.empty() && (language[0] == 'G' || language[0] == 'U' || language[0] == 'f');
}

std::string initial_of(const std::string& first_name) {
    return text::left(first_name, 1) + ".";
}

}  // namespace

BrotherEditorModel::BrotherEditorModel(store::Document& doc, BrotherListModel* list,
                                       std::optional<std::size_t> position,
                                       std::uint16_t preset_cong)
    : doc_(doc), list_(list), is_new_(!position), preset_cong_(preset_cong) {
    load(position);
}

void BrotherEditorModel::load(std::optional<std::size_t> position) {
    record_ = store::BrotherRecord{};
    extra_ = store::BrotherExtraRecord{};
    if (position) {
        if (auto r = doc_.brothers().read(doc_.folder(), *position)) record_ = std::move(*r);
        if (record_.xtend_no != 0) {
            const auto owned = doc_.brothers().extras().read_owned(doc_.folder(), record_.xtend_no,
                                                                   record_.brother_id);
            if (owned) {
                extra_ = *owned;
            } else {
                record_.xtend_no = 0;
            }
        }
    }
    fields_ = BrotherFields{record_.first_name,
                            record_.last_name,
                            record_.address1,
                            record_.address2,
                            record_.phone,
                            extra_.phone2,
                            extra_.phone3,
                            extra_.email,
                            extra_.note,
                            record_.office() == store::Office::elder,
                            record_.office() == store::Office::ministerial_servant};
    first_name_length_ = text::length(fields_.first_name);
    discontinued_ = record_.discontinued();
    cong_to_store_ = preset_cong_ != 0 ? preset_cong_ : record_.cong_id;
    name_changed_ = false;
    cong_changed_ = false;
}

void BrotherEditorModel::set_elder(bool on) {
    fields_.elder = on;
    if (on) fields_.servant = false;
}

void BrotherEditorModel::set_servant(bool on) {
    fields_.servant = on;
    if (on) fields_.elder = false;
}

std::optional<std::string> BrotherEditorModel::surname_changed(const std::string& last_name) {
    fields_.last_name = last_name;
    if (first_name_length_ + text::length(last_name) <= kFullNameMax) return std::nullopt;
    fields_.first_name = initial_of(fields_.first_name);
    first_name_length_ = 2;
    return fields_.first_name;
}

std::optional<std::string> BrotherEditorModel::first_name_left(const std::string& first_name) {
    fields_.first_name = first_name;
    first_name_length_ = text::length(first_name);
    return surname_changed(fields_.last_name);
}

std::optional<CapitalisedText> BrotherEditorModel::auto_capitals(const std::string& s) const {
    if (!doc_.settings().auto_cap || keeps_case(doc_.language()) || s.empty()) return std::nullopt;
    CapitalisedText out{s, 0};
    bool changed = false;
    if (s[0] >= 'a' && s[0] <= 'z') {
        out.text[0] = static_cast<char>(s[0] - 'a' + 'A');
        out.caret = 1;
        changed = true;
    }
    if (text::length(out.text) > kAutoCapMax) {
        out.text = text::left(out.text, kAutoCapMax);
        out.caret = kAutoCapMax;
        changed = true;
    }
    if (!changed) return std::nullopt;
    return out;
}

std::string BrotherEditorModel::congregation_caption() const {
    return doc_.congregations().titled_name_of(cong_to_store_);
}

std::string BrotherEditorModel::talks_caption() const {
    return text::text(TextId::view_choose_talks) + " ( " + std::to_string(record_.talks.count()) +
           " )";
}

std::string BrotherEditorModel::availability_caption() const {
    if (discontinued_) return text::text(TextId::discontinued);
    if (record_.brother_id != 0 && !doc_.unavailable().weeks_of(record_.brother_id, 1).empty()) {
        return text::text(TextId::press_for_unavailable_dates);
    }
    return text::text(TextId::always_available);
}

store::BrotherRecord BrotherEditorModel::record_for_talks() const {
    store::BrotherRecord r = record_;
    r.first_name = fields_.first_name;
    r.last_name = fields_.last_name;
    return r;
}

std::optional<std::size_t> BrotherEditorModel::congregation_position() const {
    return doc_.congregations().find(cong_to_store_);
}

void BrotherEditorModel::set_congregation(std::uint16_t cong_id) {
    cong_to_store_ = cong_id;
}

bool BrotherEditorModel::validate() {
    if (first_word_empty(fields_.last_name)) return false;
    if (is_new_) return true;
    const auto self = doc_.brothers().find(record_.brother_id);
    const store::DuplicateCheck dup =
        doc_.brothers().check_duplicate(fields_.first_name + " " + fields_.last_name, self);
    if (!dup.found()) return true;
    doc_.prompter().inform(dup.message, io::Icon::warning);
    return false;
}

void BrotherEditorModel::copy() {
    const std::string first = text::left(fields_.first_name, store::BrotherRecord::kNameMax);
    const std::string last = text::left(fields_.last_name, store::BrotherRecord::kNameMax);
    if (first != record_.first_name || last != record_.last_name) name_changed_ = true;
    record_.first_name = first;
    record_.last_name = last;
    record_.address1 = text::left(fields_.address1, store::BrotherRecord::kAddressMax);
    record_.address2 = text::left(fields_.address2, store::BrotherRecord::kAddressMax);
    record_.phone = text::left(fields_.phone, store::BrotherRecord::kPhoneMax);
    record_.set_office(fields_.elder     ? store::Office::elder
                       : fields_.servant ? store::Office::ministerial_servant
                                         : store::Office::none);
    record_.set_discontinued(discontinued_);
    extra_.phone2 = text::left(fields_.phone2, store::BrotherExtraRecord::kPhoneMax);
    extra_.phone3 = text::left(fields_.phone3, store::BrotherExtraRecord::kPhoneMax);
    extra_.email = text::left(fields_.email, store::BrotherExtraRecord::kEmailMax);
    extra_.note = text::left(fields_.note, store::BrotherExtraRecord::kNoteMax);
    if (cong_to_store_ != record_.cong_id) cong_changed_ = true;
    record_.cong_id = cong_to_store_;
}

void BrotherEditorModel::save() {
    if (is_new_) {
        save_new();
    } else {
        save_existing();
    }
}

void BrotherEditorModel::save_new() {
    store::BrotherIndex& brothers = doc_.brothers();
    const store::DuplicateCheck dup =
        brothers.check_duplicate(record_.first_name + " " + record_.last_name, std::nullopt);
    bool written = false;
    if (!dup.found()) {
        if (const auto id = brothers.add(doc_.folder(), record_, extra_)) {
            record_.brother_id = *id;
            written = true;
        }
    } else if (doc_.prompter().ask_yes_no(dup.message, false)) {
        // The existing brother takes the new data and keeps his id and extra record number.
        if (const auto existing = brothers.read(doc_.folder(), *dup.position)) {
            record_.brother_id = existing->brother_id;
            record_.xtend_no = existing->xtend_no;
            written = brothers.update(doc_.folder(), record_, extra_);
        } else if (const auto id = brothers.add(doc_.folder(), record_, extra_)) {
            record_.brother_id = *id;
            written = true;
        }
    }
    brothers.sort(doc_.collator());
    if (list_) {
        list_->fill();
        list_->select(0);
    }
    if (!written) return;
    if (const auto pos = brothers.find(record_.brother_id))
        record_.xtend_no = brothers.at(*pos).xtend_no;
    if (cong_changed_) doc_.update_speaker_congregation(record_.brother_id, record_.cong_id);
    saved_ = true;
    doc_.announce(store::Change::brothers);
}

void BrotherEditorModel::save_existing() {
    store::BrotherIndex& brothers = doc_.brothers();
    brothers.update(doc_.folder(), record_, extra_);
    if (const auto pos = brothers.find(record_.brother_id))
        record_.xtend_no = brothers.at(*pos).xtend_no;
    if (name_changed_) {
        brothers.sort(doc_.collator());
        if (list_) list_->fill();
    }
    if (cong_changed_) doc_.update_speaker_congregation(record_.brother_id, record_.cong_id);
    saved_ = true;
    doc_.announce(store::Change::brothers);
}

bool BrotherEditorModel::remove() {
    if (is_new_) return false;
    const auto pos = doc_.brothers().find(record_.brother_id);
    if (!pos) return false;
    const std::string name = doc_.brothers().display_name(*pos, false);
    if (!doc_.prompter().ask_yes_no(text::format(TextId::confirm_delete, " " + name), true))
        return false;
    doc_.delete_brother(*pos);
    if (list_) list_->fill();
    saved_ = true;
    return true;
}

}  // namespace vorla::editors
