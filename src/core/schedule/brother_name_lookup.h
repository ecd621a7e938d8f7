#pragma once
// Finds a brother by his name label ("First Last") ignoring letter case, the first in index
// order when several share it, without comparing against every brother each time: a package
// of hundreds of brothers is matched against an index of thousands.
#include <cstdint>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/store/brother_index.h"

namespace vorla::schedule {

class BrotherNameLookup {
  public:
    // Keeps a reference to the index: the brothers are looked up by id when a name is found.
    explicit BrotherNameLookup(const store::BrotherIndex& brothers);

    // The brother id whose label equals the name ignoring case.
    std::optional<std::uint16_t> find(std::string_view label) const;
    // A brother appended to the index since: found from now on unless an earlier one has
    // the name.
    void add(std::string_view label, std::uint16_t brother_id);

  private:
    using Key = std::pair<std::uint64_t, std::uint16_t>;  // hash of the folded label, id

    const store::BrotherIndex& brothers_;
    std::vector<Key> keys_;   // by hash, index order among equal hashes
    std::vector<Key> added_;  // in the order added
};

}  // namespace vorla::schedule
