#pragma once
// The brothers: speakers.dat with its extras in xtend.dat, and the index in memory, sorted by
// last-name-first display name.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/brother_record.h"
#include "core/store/data_folder.h"
#include "core/store/extra_file.h"
#include "core/store/slot_index.h"
#include "core/text/collation.h"

namespace vorla::store {

struct BrotherEntry {
    static constexpr std::uint8_t kMinisterialServant = 0x08;  // index_flags bit 3
    static constexpr std::uint8_t kElder = 0x10;               // bit 4
    static constexpr std::uint8_t kDiscontinued = 0x20;        // bit 5

    std::string first_name;
    std::string last_name;
    text::TalkSet talks;
    std::uint16_t brother_id = 0;
    std::uint16_t cong_id = 0;
    std::uint16_t slot = 0;
    std::uint16_t xtend_no = 0;
    std::uint8_t index_flags = 0;

    bool discontinued() const { return (index_flags & kDiscontinued) != 0; }
    bool elder() const { return (index_flags & kElder) != 0; }
    bool ministerial_servant() const { return (index_flags & kMinisterialServant) != 0; }
    // "Last, First" for sorting and lookup; "First Last" for titles and duplicate checks.
    std::string last_first() const { return last_name + ", " + first_name; }
    std::string first_last() const { return first_name + " " + last_name; }

    static BrotherEntry of(const BrotherRecord& r, std::uint16_t slot);
    static std::uint8_t index_flags_of(const BrotherRecord& r);
    std::uint16_t id() const { return brother_id; }
    std::string sort_name() const { return last_first(); }
    std::string duplicate_name() const { return first_last(); }
};

using BrotherSlots = SlotIndex<BrotherRecord, BrotherEntry, &BrotherRecord::brother_id>;

// Besides the slot index: display names and the extra records in xtend.dat.
class BrotherIndex : public BrotherSlots {
  public:
    BrotherIndex() : BrotherSlots(files::kSpeakers) {}

    // Loads speakers.dat (creating it with its header when missing), sorts the index, and
    // counts xtend.dat (creating it with one zero record when missing).
    void load(const DataFolder& folder, const text::NameCollator& order);

    ExtraFile& extras() { return extras_; }
    const ExtraFile& extras() const { return extras_; }

    // Exact, case-sensitive comparison with the "Last, First" names.
    std::optional<std::size_t> find_by_display_name(std::string_view last_first) const;
    // "Last, First" or "First Last"; empty beyond the index.
    std::string display_name(std::size_t pos, bool last_first) const;
    // "First Last" of a brother by id; empty when he is not in the index.
    std::string name_of(std::uint16_t brother_id) const;

    // His extra record, or an empty one when he has none (or it belongs to someone else).
    BrotherExtraRecord read_extra(const DataFolder& folder, const BrotherRecord& record) const;

    // Writes the record to its slot and rebuilds his entry; slot 0 is refused with the
    // internal-error message.
    bool write(const DataFolder& folder, const BrotherRecord& record);
    // A new brother in the lowest free slot (his id); the extra record is written when it has
    // texts. The entry is appended; the caller sorts. Returns his id.
    std::optional<std::uint16_t> add(const DataFolder& folder, BrotherRecord record,
                                     BrotherExtraRecord extra);
    // Saves an existing brother with his extra record: kept, moved to a new number, or
    // cleared when it has no texts left; then the record by slot and his entry.
    bool update(const DataFolder& folder, BrotherRecord record, BrotherExtraRecord extra);

  private:
    ExtraFile extras_;
};

// The message for a write to the header slot, which must never happen.
std::string internal_error_message();

}  // namespace vorla::store
