#include "core/store/congregation_index.h"

#include "core/text/string_table.h"
#include "core/text/utf8.h"

namespace vorla::store {

CongregationEntry CongregationEntry::of(const CongregationRecord& r, std::uint16_t slot) {
    return CongregationEntry{r.name,      r.cong_id,  r.circuit_id, r.cobe_id,  r.talk_coord_id,
                             r.secretary_id, slot,    r.time_odd,   r.time_even, r.day_odd,
                             r.day_even};
}

void CongregationIndex::load(const DataFolder& folder, const text::NameCollator& order) {
    entries_.clear();
    lookup_.invalidate();
    SlotFile::Loaded loaded = file_.load(folder);
    high_water_ = loaded.high_water;
    entries_.reserve(loaded.live.size());
    for (const auto& [slot, bytes] : loaded.live) {
        entries_.push_back(CongregationEntry::of(CongregationRecord::decode(bytes), slot));
    }
    if (entries_.size() > 1) sort(order);
}

std::optional<std::size_t> CongregationIndex::find(std::uint16_t cong_id) const {
    return lookup_.find(entries_, cong_id, [](const CongregationEntry& e) { return e.cong_id; });
}

std::string CongregationIndex::name_of(std::uint16_t cong_id) const {
    const auto pos = find(cong_id);
    return pos ? entries_[*pos].name : std::string();
}

std::string CongregationIndex::titled_name_of(std::uint16_t cong_id) const {
    return text::text(1057) + " - " + name_of(cong_id);
}

std::optional<CongregationRecord> CongregationIndex::read(const DataFolder& folder, std::size_t pos) const {
    if (pos >= entries_.size()) return std::nullopt;
    const auto bytes = file_.read(folder, entries_[pos].slot);
    if (!bytes) return std::nullopt;
    CongregationRecord r = CongregationRecord::decode(*bytes);
    if (r.cong_id != entries_[pos].cong_id) return std::nullopt;
    return r;
}

bool CongregationIndex::write(const DataFolder& folder, const CongregationRecord& record) {
    const auto pos = find(record.cong_id);
    if (!pos) return false;
    CongregationEntry& e = entries_[*pos];
    // The entry follows the change even when the file cannot be written.
    e = CongregationEntry::of(record, e.slot);
    return file_.write(folder, e.slot, record.encode());
}

std::optional<std::uint16_t> CongregationIndex::add(const DataFolder& folder, CongregationRecord record) {
    const auto slot = file_.new_slot(folder);
    if (!slot) return std::nullopt;
    record.cong_id = *slot;
    if (!file_.write(folder, *slot, record.encode())) return std::nullopt;
    if (*slot >= high_water_) ++high_water_;
    entries_.push_back(CongregationEntry::of(record, *slot));
    lookup_.invalidate();
    return *slot;
}

bool CongregationIndex::remove(const DataFolder& folder, std::size_t pos) {
    if (pos >= entries_.size()) return false;
    const bool written = file_.clear(folder, entries_[pos].slot);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(pos));
    lookup_.invalidate();
    return written;
}

DuplicateCheck CongregationIndex::check_duplicate(std::string_view name,
                                                  std::optional<std::size_t> editing) const {
    DuplicateCheck d;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (editing && *editing == i) continue;
        if (text::equal_ignoring_case(entries_[i].name, name)) {
            d.position = i;
            d.message = duplicate_message(entries_[i].name, !editing);
            break;
        }
    }
    return d;
}

void CongregationIndex::sort(const text::NameCollator& order) {
    order.sort(entries_, [](const CongregationEntry& e) -> const std::string& { return e.name; });
    lookup_.invalidate();
}

std::string CongregationIndex::meeting_time(std::uint16_t cong_id, calendar::WeekIndex week,
                                            bool service_year) const {
    const auto pos = find(cong_id);
    if (!pos) return {};
    const CongregationEntry& e = entries_[*pos];
    return calendar::congregation_parity(week, service_year) == calendar::Parity::odd ? e.time_odd
                                                                                     : e.time_even;
}

std::optional<calendar::StoredDay> CongregationIndex::meeting_day(std::uint16_t cong_id,
                                                                  calendar::WeekIndex week,
                                                                  bool service_year) const {
    const auto pos = find(cong_id);
    if (!pos) return std::nullopt;
    const CongregationEntry& e = entries_[*pos];
    return calendar::congregation_parity(week, service_year) == calendar::Parity::odd ? e.day_odd
                                                                                     : e.day_even;
}

}  // namespace vorla::store
