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
    const auto bytes = io::read_file(path);
    if (!bytes) {
        folder.report_write_failure(path);
        return std::nullopt;
    }
    const std::size_t records = std::min<std::size_t>(bytes->size() / kRecordSize, 65535);
    for (std::size_t slot = 1; slot < records; ++slot) {
        const auto record = std::span(*bytes).subspan(slot * kRecordSize, kRecordSize);
        if (io::ByteReader(record).u16(id_offset_) == 0) return static_cast<std::uint16_t>(slot);
    }
    if (records >= 65535) return std::nullopt;  // no id left
    return static_cast<std::uint16_t>(std::max<std::size_t>(records, 1));
}

}  // namespace vorla::store
