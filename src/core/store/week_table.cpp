#include "core/store/week_table.h"

#include <algorithm>

#include "core/io/file_ops.h"
#include "core/store/table_file.h"

namespace vorla::store {

WeekTable::WeekTable(int base) : base_(base), weeks_(kWeeks) {
    clear();
}

void WeekTable::clear() {
    for (int k = 0; k < kWeeks; ++k) {
        weeks_[k] = WeekRecord{};
        weeks_[k].week = calendar::WeekIndex(base_ + k).number();
    }
    spare_ = WeekRecord{};
}

WeekRecord& WeekTable::at(calendar::WeekIndex i) {
    if (!in_window(i)) {
        spare_ = WeekRecord{};
        return spare_;
    }
    return weeks_[static_cast<std::size_t>(i - first())];
}

const WeekRecord& WeekTable::at(calendar::WeekIndex i) const {
    // Not the spare: a caller may have written to it without storing.
    static const WeekRecord empty;
    return in_window(i) ? weeks_[static_cast<std::size_t>(i - first())] : empty;
}

void WeekTable::store(calendar::WeekIndex i) {
    if (!in_window(i)) {
        spare_ = WeekRecord{};
        return;
    }
    WeekRecord& w = at(i);
    WeekRecord empty;
    empty.week = w.week;
    if (w.encode() != empty.encode()) {
        w.week_flags |= week_bit::kContent;
    } else {
        w.week_flags &= static_cast<std::uint16_t>(~week_bit::kContent);
    }
}

void WeekTable::store(calendar::WeekIndex i, const WeekRecord& record) {
    if (in_window(i)) {
        WeekRecord& w = at(i);
        const calendar::WeekNumber week = w.week;
        w = record;
        w.week = week;
    }
    store(i);
}

void WeekTable::load(const DataFolder& folder) {
    clear();
    const io::FileRead file =
        folder.read(folder.file(files::kHistory), std::uint64_t{kCapacity} * WeekRecord::kSize);
    if (!file.bytes) return;
    const std::vector<std::uint8_t>* bytes = &*file.bytes;
    const int top = base_ + kWeeks - 1;
    int cursor = base_;  // the index the next record may fill
    const std::size_t n = bytes->size() / WeekRecord::kSize;
    for (std::size_t k = 0; k < n; ++k) {
        const auto record = std::span<const std::uint8_t, WeekRecord::kSize>(
            bytes->data() + k * WeekRecord::kSize, WeekRecord::kSize);
        const WeekRecord w = WeekRecord::decode(record);
        const int number = w.week.value;
        if (number > cursor + 1) cursor = std::min(number - 1, top);
        if (number == cursor + 1) weeks_[static_cast<std::size_t>(cursor - base_)] = w;
    }
}

bool WeekTable::save(const DataFolder& folder) const {
    std::vector<WeekRecord> kept;
    std::copy_if(weeks_.begin(), weeks_.end(), std::back_inserter(kept),
                 [](const WeekRecord& w) { return w.has_content(); });
    return write_table_file(folder, folder.file(files::kHistory), kept);
}

}  // namespace vorla::store
