#include "core/schedule/brother_name_lookup.h"

#include <algorithm>

#include "core/text/utf8.h"

namespace vorla::schedule {

BrotherNameLookup::BrotherNameLookup(const store::BrotherIndex& brothers) : brothers_(brothers) {
    keys_.reserve(brothers.size());
    for (const store::BrotherEntry& e : brothers.entries())
        keys_.emplace_back(text::hash_ignoring_case(e.first_last()), e.brother_id);
    std::stable_sort(keys_.begin(), keys_.end(),
                     [](const Key& a, const Key& b) { return a.first < b.first; });
}

std::optional<std::uint16_t> BrotherNameLookup::find(std::string_view label) const {
    const std::uint64_t h = text::hash_ignoring_case(label);
    const auto named = [&](std::uint16_t id) {
        const auto pos = brothers_.find(id);
        return pos && text::equal_ignoring_case(brothers_.at(*pos).first_last(), label);
    };
    const auto [from, to] =
        std::equal_range(keys_.begin(), keys_.end(), Key{h, 0},
                         [](const Key& a, const Key& b) { return a.first < b.first; });
    for (auto it = from; it != to; ++it) {
        if (named(it->second)) return it->second;
    }
    for (const Key& k : added_) {
        if (k.first == h && named(k.second)) return k.second;
    }
    return std::nullopt;
}

void BrotherNameLookup::add(std::string_view label, std::uint16_t brother_id) {
    added_.emplace_back(text::hash_ignoring_case(label), brother_id);
}

}  // namespace vorla::schedule
