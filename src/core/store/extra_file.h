#pragma once
// xtend.dat, the numbered file of brother extras: record n (n >= 1) sits at (n - 1) x 128;
// its first field is the owner's brother id, 0 = free. No header.
#include <cstdint>
#include <optional>

#include "core/store/brother_record.h"
#include "core/store/data_folder.h"

namespace vorla::store {

class ExtraFile {
  public:
    // Counts the records; a missing file is created with one zero record.
    void load(const DataFolder& folder);
    // Converts extend.dat into xtend.dat when only the old file exists. Returns true when done.
    static bool convert_old_file(const DataFolder& folder);

    std::uint16_t count() const { return count_; }

    // Record n, when the file has it.
    std::optional<BrotherExtraRecord> read(const DataFolder& folder, std::uint16_t number) const;
    // The record n when it belongs to the brother; otherwise nothing (treated as absent).
    std::optional<BrotherExtraRecord> read_owned(const DataFolder& folder, std::uint16_t number,
                                                 std::uint16_t brother_id) const;
    // A number for a new record: the first free record, else one past the end (the count
    // grows). Nothing written yet.
    std::uint16_t new_number(const DataFolder& folder);
    // Writes record n in place. Number 0, owner 0 or a number beyond the count is refused.
    bool write(const DataFolder& folder, std::uint16_t number, const BrotherExtraRecord& record);
    // Zeroes record n when it belongs to the brother (the number becomes free).
    bool clear(const DataFolder& folder, std::uint16_t number, std::uint16_t brother_id);

  private:
    std::uint16_t count_ = 0;
    // No record below this index was free when the file was last scanned; clearing one
    // lowers it, so a run of new records reads only the end of the file.
    std::uint16_t scan_from_ = 0;
};

}  // namespace vorla::store
