#include "core/schedule/contacts_model.h"

#include "core/text/texts.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::schedule {

using text::TextId;

ContactsModel::ContactsModel(const store::Document& doc, std::uint16_t brother_id,
                             std::uint16_t cong_id)
    : doc_(doc) {
    if (const auto pos = doc_.brothers().find(brother_id)) {
        if (cong_id == 0) cong_id = doc_.brothers().at(*pos).cong_id;
        speaker_ = group_of(brother_id, TextId::role_speaker);
    }
    if (const auto pos = doc_.congregations().find(cong_id)) {
        const store::CongregationEntry& c = doc_.congregations().at(*pos);
        title_ = c.name;
        coordinator_ = group_of(c.talk_coord_id, TextId::office_talk_coordinator);
    }
}

std::string ContactsModel::hint() {
    return text::text(text::TextId::contacts_hint);
}

ContactGroup ContactsModel::group_of(std::uint16_t brother_id, text::TextId role) const {
    ContactGroup g;
    const auto pos = doc_.brothers().find(brother_id);
    if (!pos) return g;
    g.caption = " " + text::text(role) + " - " + doc_.brothers().at(*pos).first_last() + " ";
    const auto record = doc_.brothers().read(doc_.folder(), *pos);
    if (!record) return g;
    const store::BrotherExtraRecord extra = doc_.brothers().read_extra(doc_.folder(), *record);
    // The first number counts once trimmed; the others as stored.
    if (text::length(text::trim(record->phone)) >= 6)
        g.phones.emplace_back(text::trim(record->phone));
    for (const std::string* p : {&extra.phone2, &extra.phone3}) {
        if (text::length(*p) > 5) g.phones.emplace_back(text::trim(*p));
    }
    if (text::length(text::trim(extra.email)) > 6) g.email = std::string(text::trim(extra.email));
    return g;
}

void ContactsModel::focus_phone(std::string_view number) {
    copy_text_.clear();
    mail_url_.clear();
    phone_ = std::string(text::trim(number));
}

void ContactsModel::focus_email(std::string_view email) {
    const std::string address(text::trim(email));
    copy_text_.clear();
    mail_url_.clear();
    phone_.clear();
    if (text::is_plausible_email(address)) {
        copy_text_ = address;
        mail_url_ = "mailto:" + address;
    }
}

std::string ContactsModel::action_caption() const {
    return text::format(TextId::copy_what, copy_text_);
}

std::string ContactsModel::take_copy() {
    if (!copy_text_.empty()) clipboard_used_ = true;
    return copy_text_;
}

std::string ContactsModel::take_phone() {
    if (!phone_.empty()) clipboard_used_ = true;
    return phone_;
}

}  // namespace vorla::schedule
