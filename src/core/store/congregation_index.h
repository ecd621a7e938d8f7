#pragma once
// The congregations: cong.dat and its index in memory, sorted by name.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/parity.h"
#include "core/store/congregation_record.h"
#include "core/store/data_folder.h"
#include "core/store/slot_index.h"
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
    std::uint16_t id() const { return cong_id; }
    const std::string& sort_name() const { return name; }
    const std::string& duplicate_name() const { return name; }
};

using CongregationSlots =
    SlotIndex<CongregationRecord, CongregationEntry, &CongregationRecord::cong_id>;

// Besides the slot index: lookups by id and the meeting arrangement of a week.
class CongregationIndex : public CongregationSlots {
  public:
    CongregationIndex() : CongregationSlots(files::kCongregations) {}

    // Loads cong.dat (creating it with its header when missing) and sorts the index.
    void load(const DataFolder& folder, const text::NameCollator& order) {
        load_slots(folder, order);
    }

    // The name, or empty when there is no such congregation.
    std::string name_of(std::uint16_t cong_id) const;
    // The name headed by "Собрание" and " - ".
    std::string titled_name_of(std::uint16_t cong_id) const;

    // Writes the record to its slot and rebuilds its index entry. The index is not re-sorted.
    bool write(const DataFolder& folder, const CongregationRecord& record) {
        return write_record(folder, record);
    }
    // Adds a congregation in the lowest free slot (its id); the entry is appended, the caller
    // sorts. Returns the new id, nothing when the file could not be read or written.
    std::optional<std::uint16_t> add(const DataFolder& folder, CongregationRecord record) {
        return add_record(folder, record);
    }

    // The meeting time and day of a congregation for a week, by the week's parity.
    std::string meeting_time(std::uint16_t cong_id, calendar::WeekIndex week,
                             bool service_year) const;
    std::optional<calendar::StoredDay> meeting_day(std::uint16_t cong_id, calendar::WeekIndex week,
                                                   bool service_year) const;
};

}  // namespace vorla::store
