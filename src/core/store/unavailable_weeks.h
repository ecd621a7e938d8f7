#pragma once
// The weeks in which brothers are unavailable (blackout.dat), by week number. Emptied entries
// stay in the table as zeros and are dropped when the file is written.
#include <cstdint>
#include <set>
#include <unordered_map>
#include <vector>

#include "core/calendar/week.h"
#include "core/store/data_folder.h"
#include "core/store/unavailable_record.h"

namespace vorla::store {

class UnavailableWeeks {
  public:
    static constexpr std::size_t kDefaultMaxWeeks = 55;
    // More than any folder's brothers mark; a longer file's rest is ignored.
    static constexpr std::size_t kCapacity = 65536;

    // Keeps the entries of a brother for week `today` (W) or later, each pair once.
    void load(const DataFolder& folder, calendar::WeekNumber today);

    const std::vector<UnavailableRecord>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    bool changed() const { return changed_; }

    // Reuses the first empty or past entry (week below W - 1), else appends; a pair that
    // is already there stays once.
    void mark(std::uint16_t brother_id, calendar::WeekNumber week);
    void unmark(std::uint16_t brother_id, calendar::WeekNumber week);
    // Unmarks him for every week from `first` to `last`, both included, in one pass.
    void unmark_range(std::uint16_t brother_id, calendar::WeekNumber first,
                      calendar::WeekNumber last);
    bool is_available(std::uint16_t brother_id, calendar::WeekNumber week) const;
    // His weeks in table order, at most max_weeks of them.
    std::vector<calendar::WeekNumber> weeks_of(std::uint16_t brother_id,
                                               std::size_t max_weeks = kDefaultMaxWeeks) const;
    // A deleted brother leaves no entry behind.
    void remove_brother(std::uint16_t brother_id);

    // Writes the entries that name a brother, only after a change; clears the change mark
    // when written.
    bool save(const DataFolder& folder);

  private:
    bool reusable(const UnavailableRecord& e) const {
        return e.ua_brother_id == 0 || e.ua_week < today_ - 1;
    }
    // Sets entry i, keeping the indexes below in step.
    void place(std::size_t i, const UnavailableRecord& r);
    void reindex();

    std::vector<UnavailableRecord> entries_;
    calendar::WeekNumber today_;
    bool changed_ = false;
    // Each brother's entries in table order, and the entries a mark may reuse: marking the
    // weeks of hundreds of brothers into a long table (a package import) then costs a lookup
    // per week instead of a scan of the table.
    std::unordered_map<std::uint16_t, std::vector<std::size_t>> of_brother_;
    std::set<std::size_t> reusable_;
};

}  // namespace vorla::store
