#pragma once
// How a brother is reached, as letters and lists print it: his phone numbers worth showing
// and his e-mail address, from his record and its extra record.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/store/document.h"

namespace vorla::store {

// His numbers packed to the front (at most three) and, in its own place, his e-mail.
struct PhoneList {
    std::vector<std::string> phones;
    std::string email;

    bool empty() const { return phones.empty() && email.empty(); }
    // Entry 0..2 of the numbers; empty beyond them.
    std::string phone(std::size_t k) const { return k < phones.size() ? phones[k] : std::string(); }
    friend bool operator==(const PhoneList&, const PhoneList&) = default;
};

// The record's phone when at least 6 characters trimmed, then phone2 and phone3 when longer
// than 5 trimmed; the e-mail when longer than 6 trimmed.
PhoneList phone_list(const BrotherRecord& record, const BrotherExtraRecord& extra);
// The same, read from his files; nothing when his record cannot be read.
std::optional<PhoneList> phone_list(const Document& doc, std::uint16_t brother_id);

// The address a mail draft to him may go to: trimmed, plausible, and not one that a mail
// program would take for an option ("-..."); empty otherwise.
std::string mail_address(const Document& doc, std::uint16_t brother_id);

}  // namespace vorla::store
