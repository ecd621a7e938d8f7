#pragma once
// The congregations: cong.dat and its index in memory, sorted by name.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/parity.h"
#include "core/store/congregation_record.h"
#include "core/store/data_folder.h"
#include "core/store/duplicate_check.h"
#include "core/store/id_lookup.h"
#include "core/store/slot_file.h"
#include "core/text/collation.h"

namespace vorla::store {

struct CongregationEntry {
    std::string name;
    std::uint16_t cong_id = 0;
    std::uint16_t circuit_id = 0;
    std::uint16_t cobe_id = 0;
    std::uint16_t talk_coord_id = 0;
    std::uint16_t secretary_id = 0;
    std::uint16_t slot = 0;
    std::string time_odd;
    std::string time_even;
    calendar::StoredDay day_odd;
    calendar::StoredDay day_even;

    static CongregationEntry of(const CongregationRecord& r, std::uint16_t slot);
};

class CongregationIndex {
public:
    // Loads cong.dat (creating it with its header when missing) and sorts the index.
    void load(const DataFolder& folder, const text::NameCollator& order);

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const CongregationEntry& at(std::size_t pos) const { return entries_.at(pos); }
    const std::vector<CongregationEntry>& entries() const { return entries_; }
    std::uint16_t high_water() const { return high_water_; }

    std::optional<std::size_t> find(std::uint16_t cong_id) const;
    // The name, or empty when there is no such congregation.
    std::string name_of(std::uint16_t cong_id) const;
    // The name headed by text 1057 "Собрание" and " - ".
    std::string titled_name_of(std::uint16_t cong_id) const;

    // The record at a position, valid only when the file still holds that congregation.
    std::optional<CongregationRecord> read(const DataFolder& folder, std::size_t pos) const;
    // Writes the record to its slot and rebuilds its index entry. The index is not re-sorted.
    bool write(const DataFolder& folder, const CongregationRecord& record);
    // Adds a congregation in the lowest free slot (its id); the entry is appended, the caller
    // sorts. Returns the new id, nothing when the file could not be read or written.
    std::optional<std::uint16_t> add(const DataFolder& folder, CongregationRecord record);
    // Frees the slot and removes the entry; cascades are the document's.
    bool remove(const DataFolder& folder, std::size_t pos);

    // Another congregation with the same name, ignoring letter case (all of them when adding).
    DuplicateCheck check_duplicate(std::string_view name, std::optional<std::size_t> editing) const;
    void sort(const text::NameCollator& order);

    // The meeting time and day of a congregation for a week, by the week's parity.
    std::string meeting_time(std::uint16_t cong_id, calendar::WeekIndex week, bool service_year) const;
    std::optional<calendar::StoredDay> meeting_day(std::uint16_t cong_id, calendar::WeekIndex week,
                                                   bool service_year) const;

    // Changes fields of an entry in memory only (cascades that write the record themselves).
    CongregationEntry& entry_for_update(std::size_t pos) { return entries_.at(pos); }

private:
    SlotFile file_{files::kCongregations, CongregationRecord::kIdOffset};
    std::vector<CongregationEntry> entries_;
    std::uint16_t high_water_ = 0;
    IdLookup lookup_;
};

}  // namespace vorla::store
