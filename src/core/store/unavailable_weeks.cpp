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
    reindex();
}

void UnavailableWeeks::reindex() {
    of_brother_.clear();
    reusable_.clear();
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].ua_brother_id != 0) of_brother_[entries_[i].ua_brother_id].push_back(i);
        if (reusable(entries_[i])) reusable_.insert(i);
    }
}

void UnavailableWeeks::place(std::size_t i, const UnavailableRecord& r) {
    const std::uint16_t old = entries_[i].ua_brother_id;
    if (old != 0) {
        auto& list = of_brother_[old];
        list.erase(std::find(list.begin(), list.end(), i));
        if (list.empty()) of_brother_.erase(old);
    }
    entries_[i] = r;
    if (r.ua_brother_id != 0) {
        auto& list = of_brother_[r.ua_brother_id];
        list.insert(std::upper_bound(list.begin(), list.end(), i), i);
    }
    if (reusable(r)) {
        reusable_.insert(i);
    } else {
        reusable_.erase(i);
    }
}

void UnavailableWeeks::mark(std::uint16_t brother_id, calendar::WeekNumber week) {
    if (brother_id == 0) return;  // would read as an empty entry
    changed_ = true;
    // As a scan from the top would: the first reusable entry is taken, unless the pair
    // stands before it.
    const std::size_t first = reusable_.empty() ? entries_.size() : *reusable_.begin();
    if (const auto it = of_brother_.find(brother_id); it != of_brother_.end()) {
        for (const std::size_t i : it->second) {
            if (i >= first) break;
            if (entries_[i].ua_week == week) return;
        }
    }
    if (first == entries_.size()) entries_.emplace_back();
    place(first, UnavailableRecord{brother_id, week});
}

void UnavailableWeeks::unmark(std::uint16_t brother_id, calendar::WeekNumber week) {
    unmark_range(brother_id, week, week);
}

void UnavailableWeeks::unmark_range(std::uint16_t brother_id, calendar::WeekNumber first,
                                    calendar::WeekNumber last) {
    changed_ = true;
    const auto it = of_brother_.find(brother_id);
    if (it == of_brother_.end()) return;
    const std::vector<std::size_t> his = it->second;
    for (const std::size_t i : his) {
        if (entries_[i].ua_week >= first && entries_[i].ua_week <= last)
            place(i, UnavailableRecord{});
    }
}

bool UnavailableWeeks::is_available(std::uint16_t brother_id, calendar::WeekNumber week) const {
    const auto it = of_brother_.find(brother_id);
    if (brother_id == 0 || it == of_brother_.end()) return true;
    return std::none_of(it->second.begin(), it->second.end(),
                        [&](std::size_t i) { return entries_[i].ua_week == week; });
}

std::vector<calendar::WeekNumber> UnavailableWeeks::weeks_of(std::uint16_t brother_id,
                                                             std::size_t max_weeks) const {
    std::vector<calendar::WeekNumber> out;
    const auto it = of_brother_.find(brother_id);
    if (brother_id == 0 || it == of_brother_.end()) return out;
    for (const std::size_t i : it->second) {
        if (out.size() >= max_weeks) break;
        out.push_back(entries_[i].ua_week);
    }
    return out;
}

void UnavailableWeeks::remove_brother(std::uint16_t brother_id) {
    if (brother_id == 0) return;
    changed_ = true;
    const auto it = of_brother_.find(brother_id);
    if (it == of_brother_.end()) return;
    const std::vector<std::size_t> his = it->second;
    for (const std::size_t i : his)
        place(i, UnavailableRecord{});
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
