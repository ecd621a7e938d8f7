#pragma once
// What the brother and congregation indexes share: a slot file and its index in memory, one
// entry per live record, kept in name order. Record ids are their slots.
//
// Entry needs: `static Entry of(const Record&, std::uint16_t slot)`, `std::uint16_t id() const`,
// `std::string sort_name() const` (name order) and `std::string duplicate_name() const`.
// Record needs: decode/encode, kSize 256, kIdOffset, and its id in the member IdField.
#include <optional>
#include <set>
#include <string_view>
#include <vector>

#include "core/store/data_folder.h"
#include "core/store/duplicate_check.h"
#include "core/store/id_lookup.h"
#include "core/store/slot_file.h"
#include "core/text/collation.h"
#include "core/text/utf8.h"

namespace vorla::store {

template <class Record, class Entry, std::uint16_t Record::*IdField>
class SlotIndex {
  public:
    explicit SlotIndex(std::string_view file_name) : file_(file_name, Record::kIdOffset) {}

    std::size_t size() const { return entries_.size(); }
    bool empty() const { return entries_.empty(); }
    const Entry& at(std::size_t pos) const { return entries_.at(pos); }
    const std::vector<Entry>& entries() const { return entries_; }
    // H: the records in the file, the header included.
    std::uint16_t high_water() const { return high_water_; }

    std::optional<std::size_t> find(std::uint16_t id) const {
        return lookup_.find(entries_, id, [](const Entry& e) { return e.id(); });
    }

    // The record at a position, valid only while the file still holds it at its slot.
    std::optional<Record> read(const DataFolder& folder, std::size_t pos) const {
        if (pos >= entries_.size()) return std::nullopt;
        const auto bytes = file_.read(folder, entries_[pos].slot);
        if (!bytes) return std::nullopt;
        Record r = Record::decode(*bytes);
        if (r.*IdField != entries_[pos].id()) return std::nullopt;
        return r;
    }

    // Frees the slot and removes the entry; later entries move down. Cascades come first and
    // are the document's.
    bool remove(const DataFolder& folder, std::size_t pos) {
        if (pos >= entries_.size()) return false;
        const bool written = file_.clear(folder, entries_[pos].slot);
        if (written) free_.insert(entries_[pos].slot);
        entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(pos));
        lookup_.invalidate();
        return written;
    }

    // Another entry with the same name, ignoring letter case (every entry when adding).
    DuplicateCheck check_duplicate(std::string_view name,
                                   std::optional<std::size_t> editing) const {
        DuplicateCheck d;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (editing && *editing == i) continue;
            const std::string existing = entries_[i].duplicate_name();
            if (text::equal_ignoring_case(existing, name)) {
                d.position = i;
                d.message = duplicate_message(existing, !editing);
                break;
            }
        }
        return d;
    }

    // Stable name order (equal names keep their order).
    void sort(const text::NameCollator& order) {
        order.sort(entries_, [](const Entry& e) { return e.sort_name(); });
        lookup_.invalidate();
    }

    // Name order again after entries were appended to an index in order (the first
    // `sorted` entries): the same order sort() gives, for a fraction of its work.
    void sort_appended(const text::NameCollator& order, std::size_t sorted) {
        order.sort_appended(entries_, sorted, [](const Entry& e) { return e.sort_name(); });
        lookup_.invalidate();
    }

    // Changes fields of an entry in memory only (cascades that write the record themselves).
    Entry& entry_for_update(std::size_t pos) { return entries_.at(pos); }

  protected:
    // Reads every live record of the file (creating it when missing) and sorts.
    void load_slots(const DataFolder& folder, const text::NameCollator& order) {
        entries_.clear();
        lookup_.invalidate();
        SlotFile::Loaded loaded = file_.load(folder);
        high_water_ = loaded.high_water;
        free_ = std::move(loaded.free);
        // Room for the entries added while running, as the index always had: adding one
        // does not move thousands.
        entries_.reserve(loaded.live.size() + kSpareEntries);
        for (const auto& [slot, bytes] : loaded.live)
            entries_.push_back(Entry::of(Record::decode(bytes), slot));
        if (entries_.size() > 1) sort(order);
    }

    // Gives the record the lowest free slot as its id, writes it and appends its entry.
    std::optional<std::uint16_t> add_record(const DataFolder& folder, Record& record) {
        const auto slot = file_.new_slot(folder, free_, high_water_);
        if (!slot) return std::nullopt;
        record.*IdField = *slot;
        if (!file_.write(folder, *slot, record.encode())) return std::nullopt;
        free_.erase(*slot);
        if (*slot >= high_water_) ++high_water_;
        entries_.push_back(Entry::of(record, *slot));
        lookup_.appended(*slot, entries_.size() - 1);
        return *slot;
    }

    // Writes the record to its slot and rebuilds its entry (also when the write fails: the
    // change stays in memory). Not re-sorted.
    bool write_record(const DataFolder& folder, const Record& record) {
        const auto pos = find(record.*IdField);
        if (!pos) return false;
        Entry& e = entries_[*pos];
        e = Entry::of(record, e.slot);
        return file_.write(folder, e.slot, record.encode());
    }

  private:
    static constexpr std::size_t kSpareEntries = 305;

    SlotFile file_;
    std::vector<Entry> entries_;
    std::uint16_t high_water_ = 0;
    std::set<std::uint16_t> free_;  // slots below H with id 0, as far as we know
    IdLookup lookup_;
};

}  // namespace vorla::store
