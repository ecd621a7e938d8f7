#include "core/store/slot_file.h"

#include <algorithm>

#include "core/io/bytes.h"
#include "core/io/file_ops.h"

namespace vorla::store {

std::uint16_t SlotFile::id_of(const Bytes& record) const {
    return io::ByteReader(record).u16(id_offset_);
}

SlotFile::Loaded SlotFile::load(const DataFolder& folder) const {
    Loaded out;
    scan_from_ = 1;
    const fs::path path = folder.file(file_name_);
    const auto bytes = io::read_file(path);
    if (!bytes) {
        if (!io::file_exists(path)) {
            const Bytes header{};
            if (io::replace_file(path, header)) {
                out.high_water = 1;
            } else {
                folder.report_write_failure(path);
            }
        }
        return out;
    }
    const std::size_t count = bytes->size() / kRecordSize;
    out.high_water = static_cast<std::uint16_t>(std::min<std::size_t>(count, 65535));
    for (std::size_t slot = 1; slot < out.high_water; ++slot) {
        Bytes record;
        std::copy_n(bytes->begin() + static_cast<std::ptrdiff_t>(slot * kRecordSize), kRecordSize,
                    record.begin());
        const std::uint16_t id = id_of(record);
        if (id == 0) continue;
        if (id != slot) {
            out.skipped.push_back(static_cast<std::uint16_t>(slot));
            continue;
        }
        out.live.emplace_back(static_cast<std::uint16_t>(slot), record);
    }
    return out;
}

std::optional<SlotFile::Bytes> SlotFile::read(const DataFolder& folder, std::uint16_t slot) const {
    const auto bytes =
        io::read_at(folder.file(file_name_), std::uint64_t{slot} * kRecordSize, kRecordSize);
    if (!bytes) return std::nullopt;
    Bytes record;
    std::copy_n(bytes->begin(), kRecordSize, record.begin());
    return record;
}

bool SlotFile::write(const DataFolder& folder, std::uint16_t slot, const Bytes& record) const {
    if (slot == 0) return false;
    if (id_of(record) == 0) scan_from_ = std::min(scan_from_, slot);
    const fs::path path = folder.file(file_name_);
    if (io::write_at(path, std::uint64_t{slot} * kRecordSize, record)) return true;
    folder.report_write_failure(path);
    return false;
}

bool SlotFile::clear(const DataFolder& folder, std::uint16_t slot) const {
    return write(folder, slot, Bytes{});
}

std::optional<std::uint16_t> SlotFile::new_slot(const DataFolder& folder) const {
    const fs::path path = folder.file(file_name_);
    const std::uint64_t length = io::file_size_or_zero(path);
    const std::size_t records = std::min<std::size_t>(length / kRecordSize, 65535);
    // A chunk at a time: a large file is not held in memory whole for one free slot.
    constexpr std::size_t kChunk = 256;
    std::size_t slot = std::max<std::size_t>(scan_from_, 1);
    do {
        const std::size_t count = std::min(kChunk, records > slot ? records - slot : 0);
        const auto chunk =
            io::read_at(path, std::uint64_t{slot} * kRecordSize, count * kRecordSize);
        if (!chunk) {
            folder.report_write_failure(path);
            return std::nullopt;
        }
        for (std::size_t k = 0; k < count; ++k, ++slot) {
            const auto record = std::span(*chunk).subspan(k * kRecordSize, kRecordSize);
            if (io::ByteReader(record).u16(id_offset_) == 0) {
                scan_from_ = static_cast<std::uint16_t>(slot);
                return scan_from_;
            }
        }
    } while (slot < records);
    if (records >= 65535) return std::nullopt;  // no id left
    scan_from_ = static_cast<std::uint16_t>(std::max<std::size_t>(records, 1));
    return scan_from_;
}

}  // namespace vorla::store
