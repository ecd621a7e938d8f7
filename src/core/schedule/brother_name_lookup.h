#pragma once
// Finds a brother by his name label ("First Last") ignoring letter case, the first in index
// order when several share it, without comparing against every brother each time: a package
// of hundreds of brothers is matched against an index of thousands.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>

#include "core/store/brother_index.h"

namespace vorla::schedule {

class BrotherNameLookup {
  public:
    explicit BrotherNameLookup(const store::BrotherIndex& brothers);

    // The brother id whose label equals the name ignoring case.
    std::optional<std::uint16_t> find(std::string_view label) const;
    // A brother added since: found from now on unless an earlier one has the name.
    void add(std::string_view label, std::uint16_t brother_id);

  private:
    std::unordered_map<std::string, std::uint16_t> ids_;
};

}  // namespace vorla::schedule
