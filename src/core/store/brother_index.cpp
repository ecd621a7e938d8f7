#include "core/store/brother_index.h"

#include "core/text/utf8.h"

namespace vorla::store {

std::uint8_t BrotherEntry::index_flags_of(const BrotherRecord& r) {
    std::uint8_t f = 0;
    if (r.office() == Office::ministerial_servant) f |= kMinisterialServant;
    if (r.office() == Office::elder) f |= kElder;
    if (r.discontinued()) f |= kDiscontinued;
    return f;
}

BrotherEntry BrotherEntry::of(const BrotherRecord& r, std::uint16_t slot) {
    return BrotherEntry{r.first_name, r.last_name, r.talks,    r.brother_id,
                        r.cong_id,    slot,        r.xtend_no, index_flags_of(r)};
}

std::string internal_error_message() {
    return "Oh no!\n\nYou can't do that!\n\n"
           "Пожалуйста, сообщите разработчикам программы, что вы делали в этот момент.";
}

void BrotherIndex::load(const DataFolder& folder, const text::NameCollator& order) {
    entries_.clear();
    lookup_.invalidate();
    SlotFile::Loaded loaded = file_.load(folder);
    high_water_ = loaded.high_water;
    entries_.reserve(loaded.live.size());
    for (const auto& [slot, bytes] : loaded.live) {
        entries_.push_back(BrotherEntry::of(BrotherRecord::decode(bytes), slot));
    }
    if (entries_.size() > 1) sort(order);
    extras_.load(folder);
}

std::optional<std::size_t> BrotherIndex::find(std::uint16_t brother_id) const {
    return lookup_.find(entries_, brother_id, [](const BrotherEntry& e) { return e.brother_id; });
}

std::optional<std::size_t> BrotherIndex::find_by_display_name(std::string_view last_first) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].last_first() == last_first) return i;
    }
    return std::nullopt;
}

std::string BrotherIndex::display_name(std::size_t pos, bool last_first) const {
    if (pos >= entries_.size()) return {};
    return last_first ? entries_[pos].last_first() : entries_[pos].first_last();
}

std::string BrotherIndex::name_of(std::uint16_t brother_id) const {
    const auto pos = find(brother_id);
    return pos ? entries_[*pos].first_last() : std::string();
}

std::optional<BrotherRecord> BrotherIndex::read(const DataFolder& folder, std::size_t pos) const {
    if (pos >= entries_.size()) return std::nullopt;
    const auto bytes = file_.read(folder, entries_[pos].slot);
    if (!bytes) return std::nullopt;
    BrotherRecord r = BrotherRecord::decode(*bytes);
    if (r.brother_id != entries_[pos].brother_id) return std::nullopt;
    return r;
}

BrotherExtraRecord BrotherIndex::read_extra(const DataFolder& folder, const BrotherRecord& record) const {
    if (record.xtend_no == 0) return {};
    return extras_.read_owned(folder, record.xtend_no, record.brother_id).value_or(BrotherExtraRecord{});
}

void BrotherIndex::refresh_entry(const BrotherRecord& record) {
    if (const auto pos = find(record.brother_id)) {
        entries_[*pos] = BrotherEntry::of(record, entries_[*pos].slot);
    }
}

bool BrotherIndex::write(const DataFolder& folder, const BrotherRecord& record) {
    if (record.brother_id == 0) {
        folder.prompter().inform(internal_error_message(), io::Icon::error);
        return false;
    }
    refresh_entry(record);
    return file_.write(folder, record.brother_id, record.encode());
}

std::optional<std::uint16_t> BrotherIndex::add(const DataFolder& folder, BrotherRecord record,
                                               BrotherExtraRecord extra) {
    const auto slot = file_.new_slot(folder);
    if (!slot) return std::nullopt;
    record.brother_id = *slot;
    record.xtend_no = 0;
    if (extra.has_texts()) {
        extra.brother_id = *slot;
        const std::uint16_t number = extras_.new_number(folder);
        if (extras_.write(folder, number, extra)) record.xtend_no = number;
    }
    if (!file_.write(folder, *slot, record.encode())) return std::nullopt;
    if (*slot >= high_water_) ++high_water_;
    entries_.push_back(BrotherEntry::of(record, *slot));
    lookup_.invalidate();
    return *slot;
}

bool BrotherIndex::update(const DataFolder& folder, BrotherRecord record, BrotherExtraRecord extra) {
    if (record.brother_id == 0) {
        folder.prompter().inform(internal_error_message(), io::Icon::error);
        return false;
    }
    extra.brother_id = record.brother_id;
    const bool has_texts = extra.has_texts();
    if (record.xtend_no != 0 && has_texts) {
        // A record that now belongs to someone else is not overwritten: he gets a new one.
        const auto there = extras_.read(folder, record.xtend_no);
        const bool ours = there && (there->brother_id == record.brother_id || there->brother_id == 0);
        if (!ours || !extras_.write(folder, record.xtend_no, extra)) record.xtend_no = 0;
    } else if (record.xtend_no != 0) {
        extras_.clear(folder, record.xtend_no, record.brother_id);
        record.xtend_no = 0;
    }
    if (record.xtend_no == 0 && has_texts) {
        const std::uint16_t number = extras_.new_number(folder);
        if (extras_.write(folder, number, extra)) record.xtend_no = number;
    }
    return write(folder, record);
}

bool BrotherIndex::remove(const DataFolder& folder, std::size_t pos) {
    if (pos >= entries_.size()) return false;
    const bool written = file_.clear(folder, entries_[pos].slot);
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(pos));
    lookup_.invalidate();
    return written;
}

DuplicateCheck BrotherIndex::check_duplicate(std::string_view first_last,
                                             std::optional<std::size_t> editing) const {
    DuplicateCheck d;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (editing && *editing == i) continue;
        if (text::equal_ignoring_case(entries_[i].first_last(), first_last)) {
            d.position = i;
            d.message = duplicate_message(entries_[i].first_last(), !editing);
            break;
        }
    }
    return d;
}

void BrotherIndex::sort(const text::NameCollator& order) {
    order.sort(entries_, [](const BrotherEntry& e) { return e.last_first(); });
    lookup_.invalidate();
}

}  // namespace vorla::store
