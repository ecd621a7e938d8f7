#pragma once
// The circuits (circuit.dat) and the hospitality hosts (hospital.dat): names with ids from
// 30001. A host's name may begin with "~", which does not count when names are compared.
#include <string>
#include <string_view>

#include "core/store/name_table.h"
#include "core/store/named_record.h"

namespace vorla::store {

class NamedTable : public NameTable<NamedRecord, &NamedRecord::name, &NamedRecord::id> {
  public:
    static constexpr std::uint16_t kFirstId = 30001;
    static constexpr std::uint16_t kLastId = 30999;
    // Every id, and the one past them a full table hands out: no file holds more.
    static constexpr std::size_t kCapacity = kLastId - kFirstId + 2;

    NamedTable(std::string_view file_name, bool hosts)
        : NameTable({.file_name = file_name,
                     .first_id = kFirstId,
                     .last_id = kLastId,
                     .capacity = kCapacity,
                     .trims = false,
                     .tilde_hidden = hosts}) {}

    // The name as lists show it: a host's leading "~" is left out.
    static std::string shown_name(std::string_view stored, bool hosts) {
        return std::string(hosts && stored.starts_with('~') ? stored.substr(1) : stored);
    }
};

}  // namespace vorla::store
