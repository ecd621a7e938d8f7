#include "core/schedule/brother_name_lookup.h"

#include "core/text/utf8.h"

namespace vorla::schedule {

BrotherNameLookup::BrotherNameLookup(const store::BrotherIndex& brothers) {
    ids_.reserve(brothers.size());
    for (const store::BrotherEntry& e : brothers.entries())
        ids_.emplace(text::fold_case(e.first_last()), e.brother_id);
}

std::optional<std::uint16_t> BrotherNameLookup::find(std::string_view label) const {
    const auto it = ids_.find(text::fold_case(label));
    if (it == ids_.end()) return std::nullopt;
    return it->second;
}

void BrotherNameLookup::add(std::string_view label, std::uint16_t brother_id) {
    ids_.emplace(text::fold_case(label), brother_id);
}

}  // namespace vorla::schedule
