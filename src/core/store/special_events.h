#pragma once
// The special events (special.dat), kept in week order. Each event's kind and allowances are
// copied into its week's week_flags, where every scheduling page reads them.
#include <cstdint>
#include <string>
#include <vector>

#include "core/calendar/week.h"
#include "core/store/data_folder.h"
#include "core/store/special_event_record.h"
#include "core/store/week_record.h"
#include "core/store/week_table.h"

namespace vorla::store {

// Assignments an event would remove from its week. Computed for the question, never stored.
namespace conflict {
inline constexpr std::uint16_t kSpeaker = 1u << 8;  // speaker, talk and his congregation
inline constexpr std::uint16_t kChairman = 1u << 10;
inline constexpr std::uint16_t kHost = 1u << 11;
inline constexpr std::uint16_t kReader = 1u << 12;
}  // namespace conflict

// What storing an event with these flags over the week would remove.
std::uint16_t event_conflicts(const WeekRecord& week, std::uint16_t event_flags);
// Clears exactly the fields the conflict bits name; outgoing speakers and stamps stay.
void apply_conflicts(WeekRecord& week, std::uint16_t conflicts);
// The name an event of this kind starts with: "Конгресс", "РН Визит" or "Особое событие"; empty for
// none.
std::string default_event_title(std::uint16_t event_flags);

class SpecialEvents {
  public:
    // One event a week: as many as a week index counts.
    static constexpr std::size_t kCapacity = 65536;

    // Reads special.dat in the order stored; a missing file gives no events.
    void load(const DataFolder& folder);

    const std::vector<SpecialEventRecord>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    const SpecialEventRecord& at(std::size_t pos) const { return entries_.at(pos); }

    // 1-based position of the week's event, 0 when it has none.
    std::size_t find_by_week(calendar::WeekIndex week) const;
    // The week's event; nullptr when none is stored.
    const SpecialEventRecord* of_week(calendar::WeekIndex week) const {
        const std::size_t pos = find_by_week(week);
        return pos ? &entries_.at(pos - 1) : nullptr;
    }
    // Replaces the week's event or adds it in week order; the week's flags become the
    // event's bits 1-6 with bit 0.
    void store(const SpecialEventRecord& event, WeekTable& weeks);
    // Removes the event at pos (0-based); its week keeps only bit 0 of its flags.
    void remove(std::size_t pos, WeekTable& weeks);

    // Rewrites the file whole, also when no event is left.
    bool save(const DataFolder& folder) const;

  private:
    std::vector<SpecialEventRecord> entries_;
};

}  // namespace vorla::store
