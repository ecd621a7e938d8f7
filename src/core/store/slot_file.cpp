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
    const io::FileRead file = folder.read(path, std::uint64_t{kMaxSlots} * kRecordSize);
    if (!file.bytes) {
        if (file.missing() && !folder.read_only()) {
            const Bytes header{};
            if (folder.replace(path, header)) out.high_water = 1;
        }
        return out;
    }
    const std::vector<std::uint8_t>& bytes = *file.bytes;
    out.high_water = static_cast<std::uint16_t>(bytes.size() / kRecordSize);
    for (std::size_t slot = 1; slot < out.high_water; ++slot) {
        Bytes record;
        std::copy_n(bytes.begin() + static_cast<std::ptrdiff_t>(slot * kRecordSize), kRecordSize,
                    record.begin());
        const std::uint16_t id = id_of(record);
        if (id == 0) {
            out.free.insert(out.free.end(), static_cast<std::uint16_t>(slot));
            continue;
        }
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
    return folder.write_at(folder.file(file_name_), std::uint64_t{slot} * kRecordSize, record);
}

bool SlotFile::clear(const DataFolder& folder, std::uint16_t slot) const {
    return write(folder, slot, Bytes{});
}

std::optional<std::uint16_t> SlotFile::new_slot(const DataFolder& folder,
                                                std::set<std::uint16_t>& free,
                                                std::uint16_t& high_water) const {
    // Damage or another program may have taken a slot we think free: look at it first.
    const auto taken = [&](std::uint16_t slot) {
        const auto record = read(folder, slot);
        return record && id_of(*record) != 0;
    };
    while (!free.empty()) {
        const std::uint16_t slot = *free.begin();
        if (!taken(slot)) return slot;
        free.erase(free.begin());
    }
    std::size_t slot = std::max<std::size_t>(high_water, 1);
    while (slot < kMaxSlots && taken(static_cast<std::uint16_t>(slot))) {
        ++slot;
        high_water = static_cast<std::uint16_t>(slot);
    }
    if (slot >= kMaxSlots) return std::nullopt;  // no id left
    return static_cast<std::uint16_t>(slot);
}

}  // namespace vorla::store
