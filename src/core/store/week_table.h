#pragma once
// The weeks in memory: a window of 1000 consecutive weeks from the window base, and one spare
// record that stands for every week outside it. history.dat holds the weeks with content.
#include <vector>

#include "core/calendar/week.h"
#include "core/store/data_folder.h"
#include "core/store/week_record.h"

namespace vorla::store {

class WeekTable {
  public:
    static constexpr int kWeeks = 1000;
    // Records in ascending week order: no more than a week number counts.
    static constexpr std::size_t kCapacity = 65535;

    // base: the window base of the current year (week indexes base .. base + 999).
    explicit WeekTable(int base = 0);

    int base() const { return base_; }
    calendar::WeekIndex first() const { return calendar::WeekIndex(base_); }
    calendar::WeekIndex last() const { return calendar::WeekIndex(base_ + kWeeks - 1); }
    bool in_window(calendar::WeekIndex i) const { return i >= first() && i <= last(); }

    // The week's entry. A week outside the window gets the spare record, emptied on every
    // such request, so that nothing written there survives (read-only: an empty record).
    WeekRecord& at(calendar::WeekIndex i);
    const WeekRecord& at(calendar::WeekIndex i) const;

    // After a change to a week: bit 0 of week_flags says whether the record differs from an
    // empty one of the same week (bit 0 included, so it is never cleared once set).
    void store(calendar::WeekIndex i);
    // Copies a dialog's record into the week (its week number stays the entry's), then stores.
    void store(calendar::WeekIndex i, const WeekRecord& record);

    // Empties the window, then reads history.dat; records outside the window or out of
    // ascending order are skipped, a later record of the same week replaces the earlier.
    void load(const DataFolder& folder);
    // Rewrites history.dat with every week that has bit 0, in ascending order.
    bool save(const DataFolder& folder) const;

  private:
    void clear();

    int base_;
    std::vector<WeekRecord> weeks_;
    WeekRecord spare_;
};

}  // namespace vorla::store
