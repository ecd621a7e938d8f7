#pragma once
// Slot files (speakers.dat, cong.dat): 256-byte records; record 0 is a zero header that is
// never used, every other record sits at its slot and carries its own id (= its slot) at a
// fixed offset. A record with id 0 is a free slot; slots are never compacted.
#include <array>
#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/store/data_folder.h"

namespace vorla::store {

class SlotFile {
  public:
    static constexpr std::size_t kRecordSize = 256;
    using Bytes = std::array<std::uint8_t, kRecordSize>;

    struct Loaded {
        std::vector<std::pair<std::uint16_t, Bytes>> live;  // slot and record, file order
        std::uint16_t high_water = 0;        // H: records in the file, the header included
        std::vector<std::uint16_t> skipped;  // slots whose id disagrees with the slot
    };

    SlotFile(std::string_view file_name, std::size_t id_offset)
        : file_name_(file_name), id_offset_(id_offset) {}

    // Reads every record; live records are those with a non-zero id that equals their slot
    // (a record elsewhere is damage and stays untouched on disk). A missing file is created
    // holding only the zero header.
    Loaded load(const DataFolder& folder) const;

    // The record at a slot, when the file has one there.
    std::optional<Bytes> read(const DataFolder& folder, std::uint16_t slot) const;
    // Writes a record at its slot (update in place). Slot 0, the header, is never written.
    bool write(const DataFolder& folder, std::uint16_t slot, const Bytes& record) const;
    // Overwrites a slot with zeros: the slot becomes free.
    bool clear(const DataFolder& folder, std::uint16_t slot) const;

    // The slot for a new record: the first slot from 1 whose record has id 0, or the slot
    // past the last whole record, so freed slots are reused lowest first. Nothing when the
    // file cannot be read (the failure has been reported) or every id is taken.
    std::optional<std::uint16_t> new_slot(const DataFolder& folder) const;

    std::uint16_t id_of(const Bytes& record) const;

  private:
    std::string_view file_name_;
    std::size_t id_offset_;
    // No slot below this one was free when the file was last scanned; slots freed since
    // lower it. Adding many records then reads only the end of the file each time.
    mutable std::uint16_t scan_from_ = 1;
};

}  // namespace vorla::store
