#include "core/text/collation.h"

#include <unicode/coll.h>
#include <unicode/sortkey.h>
#include <unicode/unistr.h>

#include "core/text/trim.h"

namespace vorla::text {

std::string locale_for_language(std::string_view code) {
    if (code == "rus") return "ru";
    if (code == "esp") return "es";
    if (code == "polish") return "pl";
    if (code == "hrvatski") return "hr";
    if (code == "turkish") return "tr";
    if (code == "cze") return "cs";
    if (code == "greek") return "el";
    if (code == "rom") return "ro";
    return {};
}

NameCollator::NameCollator(std::string_view language_code) {
    UErrorCode status = U_ZERO_ERROR;
    const std::string locale = locale_for_language(language_code);
    collator_.reset(icu::Collator::createInstance(icu::Locale(locale.c_str()), status));
    if (U_FAILURE(status) || !collator_) {
        status = U_ZERO_ERROR;
        collator_.reset(icu::Collator::createInstance(icu::Locale::getRoot(), status));
    }
    // Secondary strength: letter case does not count, accents do.
    collator_->setStrength(icu::Collator::SECONDARY);
}

NameCollator::~NameCollator() = default;

int NameCollator::compare(std::string_view a, std::string_view b) const {
    UErrorCode status = U_ZERO_ERROR;
    const auto ua = icu::UnicodeString::fromUTF8(icu::StringPiece(trim(a).data(), trim(a).size()));
    const auto ub = icu::UnicodeString::fromUTF8(icu::StringPiece(trim(b).data(), trim(b).size()));
    return collator_->compare(ua, ub, status);
}

std::string NameCollator::sort_key(std::string_view name) const {
    const std::string_view t = trim(name);
    const auto u = icu::UnicodeString::fromUTF8(icu::StringPiece(t.data(), t.size()));
    std::string key(t.size() * 4 + 16, '\0');
    int32_t n = collator_->getSortKey(u, reinterpret_cast<uint8_t*>(key.data()),
                                      static_cast<int32_t>(key.size()));
    if (n > static_cast<int32_t>(key.size())) {
        key.resize(static_cast<std::size_t>(n));
        n = collator_->getSortKey(u, reinterpret_cast<uint8_t*>(key.data()), n);
    }
    key.resize(n > 0 ? static_cast<std::size_t>(n) - 1 : 0);  // drop the terminating zero
    return key;
}

}  // namespace vorla::text
