#pragma once
// Finds an index position by record id without scanning the index: ids are slots, so a
// vector by id is small. Rebuilt lazily after the index changes.
#include <cstdint>
#include <optional>
#include <vector>

namespace vorla::store {

class IdLookup {
  public:
    void invalidate() { valid_ = false; }
    // An entry was appended at the end: earlier positions stand, so no rebuild is needed.
    void appended(std::uint16_t id, std::size_t pos) {
        if (valid_ && id != 0 && positions_[id] < 0)
            positions_[id] = static_cast<std::int32_t>(pos);
    }

    template <class Entries, class IdOf>
    std::optional<std::size_t> find(const Entries& entries, std::uint16_t id, IdOf id_of) const {
        if (id == 0) return std::nullopt;
        if (!valid_) {
            positions_.assign(65536, -1);
            for (std::size_t i = 0; i < entries.size(); ++i) {
                const std::uint16_t e = id_of(entries[i]);
                // The first entry of an id wins, as a scan from the top would find it.
                if (positions_[e] < 0) positions_[e] = static_cast<std::int32_t>(i);
            }
            valid_ = true;
        }
        const std::int32_t p = positions_[id];
        if (p < 0) return std::nullopt;
        return static_cast<std::size_t>(p);
    }

  private:
    mutable std::vector<std::int32_t> positions_;
    mutable bool valid_ = false;
};

}  // namespace vorla::store
