#pragma once
// Slot files (speakers.dat, cong.dat): 256-byte records; record 0 is a zero header that is
// never used, every other record sits at its slot and carries its own id (= its slot) at a
// fixed offset. A record with id 0 is a free slot; slots are never compacted.
#include <array>
#include <cstdint>
#include <optional>
#include <set>
#include <utility>
#include <vector>

#include "core/store/data_folder.h"

namespace vorla::store {

class SlotFile {
  public:
    static constexpr std::size_t kRecordSize = 256;
    // Ids are 16-bit and 0 is none: slots past 65,534 can never be used.
    static constexpr std::size_t kMaxSlots = 65535;
    using Bytes = std::array<std::uint8_t, kRecordSize>;

    struct Loaded {
        std::vector<std::pair<std::uint16_t, Bytes>> live;  // slot and record, file order
        std::uint16_t high_water = 0;        // H: records in the file, the header included
        std::vector<std::uint16_t> skipped;  // slots whose id disagrees with the slot
        std::set<std::uint16_t> free;        // slots 1 .. H - 1 whose id is 0
    };

    SlotFile(std::string_view file_name, std::size_t id_offset)
        : file_name_(file_name), id_offset_(id_offset) {}

    // Reads every record (of the first 65,535); live records are those with a non-zero id that
    // equals their slot (a record elsewhere is damage and stays untouched on disk). A missing
    // file is created holding only the zero header (not in a read-only folder).
    Loaded load(const DataFolder& folder) const;

    // The record at a slot, when the file has one there.
    std::optional<Bytes> read(const DataFolder& folder, std::uint16_t slot) const;
    // Writes a record at its slot (update in place). Slot 0, the header, is never written.
    bool write(const DataFolder& folder, std::uint16_t slot, const Bytes& record) const;
    // Overwrites a slot with zeros: the slot becomes free.
    bool clear(const DataFolder& folder, std::uint16_t slot) const;

    // The slot for a new record: the lowest of the free slots whose record still has id 0 on
    // disk, else the slot past the last record, so freed slots are reused lowest first. Only
    // the candidates are read, never the whole file; a candidate taken on disk meanwhile
    // leaves `free` (and raises H past it). Nothing when every id is taken.
    std::optional<std::uint16_t> new_slot(const DataFolder& folder, std::set<std::uint16_t>& free,
                                          std::uint16_t& high_water) const;

    std::uint16_t id_of(const Bytes& record) const;

  private:
    std::string_view file_name_;
    std::size_t id_offset_;
};

}  // namespace vorla::store
