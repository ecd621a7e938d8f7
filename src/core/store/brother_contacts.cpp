#include "core/store/brother_contacts.h"

#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::store {

namespace {

std::optional<BrotherRecord> record_of(const Document& doc, std::uint16_t brother_id) {
    const auto pos = doc.brothers().find(brother_id);
    if (!pos) return std::nullopt;
    return doc.brothers().read(doc.folder(), *pos);
}

}  // namespace

PhoneList phone_list(const BrotherRecord& record, const BrotherExtraRecord& extra) {
    PhoneList list;
    const std::string_view phone = text::trim(record.phone);
    if (text::length(phone) >= 6) list.phones.emplace_back(phone);
    for (const std::string* p : {&extra.phone2, &extra.phone3}) {
        const std::string_view more = text::trim(*p);
        if (text::length(more) > 5) list.phones.emplace_back(more);
    }
    const std::string_view email = text::trim(extra.email);
    if (text::length(email) > 6) list.email = std::string(email);
    return list;
}

std::optional<PhoneList> phone_list(const Document& doc, std::uint16_t brother_id) {
    const auto record = record_of(doc, brother_id);
    if (!record) return std::nullopt;
    return phone_list(*record, doc.brothers().read_extra(doc.folder(), *record));
}

std::string mail_address(const Document& doc, std::uint16_t brother_id) {
    if (!brother_id) return {};
    const auto record = record_of(doc, brother_id);
    if (!record) return {};
    std::string address(text::trim(doc.brothers().read_extra(doc.folder(), *record).email));
    if (!text::is_plausible_email(address) || address.front() == '-') return {};
    return address;
}

}  // namespace vorla::store
