#include "core/store/unavailable_weeks.h"

#include <algorithm>
#include <set>
#include <utility>

#include "core/store/table_file.h"

namespace vorla::store {

void UnavailableWeeks::load(const DataFolder& folder, calendar::WeekNumber today) {
    today_ = today;
    changed_ = false;
    entries_.clear();
    std::set<std::pair<std::uint16_t, int>> seen;
    for (const UnavailableRecord& r :
         read_table_file<UnavailableRecord>(folder, folder.file(files::kUnavailable), kCapacity)
             .records) {
        if (r.ua_brother_id == 0 || r.ua_week < today) continue;
        if (seen.emplace(r.ua_brother_id, r.ua_week.value).second) entries_.push_back(r);
    }
}

void UnavailableWeeks::mark(std::uint16_t brother_id, calendar::WeekNumber week) {
    if (brother_id == 0) return;  // would read as an empty entry
    changed_ = true;
    const UnavailableRecord pair{brother_id, week};
    for (UnavailableRecord& e : entries_) {
        if (e.ua_brother_id == 0 || e.ua_week < today_ - 1) {
            e = pair;
            return;
        }
        if (e == pair) return;
    }
    entries_.push_back(pair);
}

void UnavailableWeeks::unmark(std::uint16_t brother_id, calendar::WeekNumber week) {
    changed_ = true;
    const UnavailableRecord pair{brother_id, week};
    for (UnavailableRecord& e : entries_) {
        if (e == pair) e = UnavailableRecord{};
    }
}

bool UnavailableWeeks::is_available(std::uint16_t brother_id, calendar::WeekNumber week) const {
    if (brother_id == 0) return true;
    const UnavailableRecord pair{brother_id, week};
    return std::find(entries_.begin(), entries_.end(), pair) == entries_.end();
}

std::vector<calendar::WeekNumber> UnavailableWeeks::weeks_of(std::uint16_t brother_id,
                                                             std::size_t max_weeks) const {
    std::vector<calendar::WeekNumber> out;
    for (const UnavailableRecord& e : entries_) {
        if (out.size() >= max_weeks) break;
        if (e.ua_brother_id == brother_id && brother_id != 0) out.push_back(e.ua_week);
    }
    return out;
}

void UnavailableWeeks::remove_brother(std::uint16_t brother_id) {
    if (brother_id == 0) return;
    changed_ = true;
    for (UnavailableRecord& e : entries_) {
        if (e.ua_brother_id == brother_id) e = UnavailableRecord{};
    }
}

bool UnavailableWeeks::save(const DataFolder& folder) {
    // Emptied entries count: unmarking the last week must still reach the file.
    if (!changed_ || entries_.empty()) return true;
    std::vector<UnavailableRecord> kept;
    std::copy_if(entries_.begin(), entries_.end(), std::back_inserter(kept),
                 [](const UnavailableRecord& e) { return e.ua_brother_id != 0; });
    if (!write_table_file(folder, folder.file(files::kUnavailable), kept)) return false;
    changed_ = false;
    return true;
}

}  // namespace vorla::store
