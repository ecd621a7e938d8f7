#include "core/store/extra_file.h"

#include <algorithm>
#include <vector>

#include "core/io/bytes.h"
#include "core/io/file_ops.h"
#include "core/store/table_file.h"

namespace vorla::store {

namespace {
constexpr std::size_t kSize = BrotherExtraRecord::kSize;
// Record numbers are 16-bit: no more records can ever be used.
constexpr std::size_t kMaxRecords = 65535;
}  // namespace

void ExtraFile::load(const DataFolder& folder) {
    scan_from_ = 0;
    const fs::path path = folder.file(files::kExtras);
    const io::FileRead file = folder.read(path, std::uint64_t{kMaxRecords} * kSize);
    count_ = 0;
    if (file.bytes) {
        count_ = static_cast<std::uint16_t>(file.bytes->size() / kSize);
        return;
    }
    // An old file that could not be read still waits for its conversion: no new file yet.
    if (!file.missing() || folder.read_only() || folder.held(folder.file(files::kOldExtras)))
        return;
    const std::array<std::uint8_t, kSize> zero{};
    if (folder.replace(path, zero)) count_ = 1;
}

bool ExtraFile::convert_old_file(const DataFolder& folder) {
    const fs::path path = folder.file(files::kExtras);
    if (folder.read_only() || io::stamp_of(path).exists) return false;
    const auto old =
        read_table_file<OldExtraRecord>(folder, folder.file(files::kOldExtras), kMaxRecords)
            .records;
    if (old.empty()) return false;
    std::vector<BrotherExtraRecord> converted;
    converted.reserve(old.size());
    for (const OldExtraRecord& r : old)
        converted.push_back(r.converted());
    // A failed conversion leaves things as they were; the loader then starts a new file.
    return folder.replace(path, encode_table(converted));
}

std::optional<BrotherExtraRecord> ExtraFile::read(const DataFolder& folder,
                                                  std::uint16_t number) const {
    if (number == 0) return std::nullopt;
    const auto bytes =
        io::read_at(folder.file(files::kExtras), std::uint64_t{number - 1u} * kSize, kSize);
    if (!bytes) return std::nullopt;
    return BrotherExtraRecord::decode(std::span<const std::uint8_t, kSize>(bytes->data(), kSize));
}

std::optional<BrotherExtraRecord> ExtraFile::read_owned(const DataFolder& folder,
                                                        std::uint16_t number,
                                                        std::uint16_t brother_id) const {
    auto r = read(folder, number);
    if (!r || brother_id == 0 || r->brother_id != brother_id) return std::nullopt;
    return r;
}

std::uint16_t ExtraFile::new_number(const DataFolder& folder) {
    const fs::path path = folder.file(files::kExtras);
    const std::size_t n =
        std::min<std::size_t>(io::file_size_or_zero(path) / kSize, kMaxRecords - 1);
    // A chunk at a time, from where the last free record was found.
    constexpr std::size_t kChunk = 512;
    for (std::size_t i = scan_from_; i < n;) {
        const std::size_t count = std::min(kChunk, n - i);
        const auto chunk = io::read_at(path, std::uint64_t{i} * kSize, count * kSize);
        if (!chunk) break;
        for (std::size_t k = 0; k < count; ++k, ++i) {
            if (io::ByteReader(std::span(*chunk).subspan(k * kSize, kSize)).u16(0) == 0) {
                scan_from_ = static_cast<std::uint16_t>(i);
                return static_cast<std::uint16_t>(i + 1);
            }
        }
    }
    if (count_ < 65535) ++count_;
    scan_from_ = static_cast<std::uint16_t>(count_ - 1);
    return count_;
}

bool ExtraFile::write(const DataFolder& folder, std::uint16_t number,
                      const BrotherExtraRecord& record) {
    if (number == 0 || record.brother_id == 0 || number > count_) return false;
    return folder.write_at(folder.file(files::kExtras), std::uint64_t{number - 1u} * kSize,
                           record.encode());
}

bool ExtraFile::clear(const DataFolder& folder, std::uint16_t number, std::uint16_t brother_id) {
    if (!read_owned(folder, number, brother_id)) return false;
    const std::array<std::uint8_t, kSize> zero{};
    scan_from_ = std::min<std::uint16_t>(scan_from_, static_cast<std::uint16_t>(number - 1));
    return folder.write_at(folder.file(files::kExtras), std::uint64_t{number - 1u} * kSize, zero);
}

}  // namespace vorla::store
