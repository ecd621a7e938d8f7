#include "core/store/extra_file.h"

#include <algorithm>
#include <vector>

#include "core/io/bytes.h"
#include "core/io/file_ops.h"
#include "core/store/table_file.h"

namespace vorla::store {

namespace {
constexpr std::size_t kSize = BrotherExtraRecord::kSize;
}

void ExtraFile::load(const DataFolder& folder) {
    scan_from_ = 0;
    const fs::path path = folder.file(files::kExtras);
    if (!io::file_exists(path)) {
        const std::array<std::uint8_t, kSize> zero{};
        if (!io::replace_file(path, zero)) folder.report_write_failure(path);
        count_ = 1;
        return;
    }
    count_ = static_cast<std::uint16_t>(
        std::min<std::uint64_t>(io::file_size_or_zero(path) / kSize, 65535));
}

bool ExtraFile::convert_old_file(const DataFolder& folder) {
    const fs::path path = folder.file(files::kExtras);
    if (io::file_exists(path)) return false;
    const auto old = read_table_file<OldExtraRecord>(folder.file(files::kOldExtras));
    if (old.empty()) return false;
    std::vector<BrotherExtraRecord> converted;
    converted.reserve(old.size());
    for (const OldExtraRecord& r : old)
        converted.push_back(r.converted());
    // A failed conversion leaves things as they were; the loader then starts a new file.
    return io::replace_file(path, encode_table(converted));
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
    const std::size_t n = std::min<std::size_t>(io::file_size_or_zero(path) / kSize, 65534);
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
    const fs::path path = folder.file(files::kExtras);
    if (io::write_at(path, std::uint64_t{number - 1u} * kSize, record.encode())) return true;
    folder.report_write_failure(path);
    return false;
}

bool ExtraFile::clear(const DataFolder& folder, std::uint16_t number, std::uint16_t brother_id) {
    if (!read_owned(folder, number, brother_id)) return false;
    const fs::path path = folder.file(files::kExtras);
    const std::array<std::uint8_t, kSize> zero{};
    scan_from_ = std::min<std::uint16_t>(scan_from_, static_cast<std::uint16_t>(number - 1));
    if (io::write_at(path, std::uint64_t{number - 1u} * kSize, zero)) return true;
    folder.report_write_failure(path);
    return false;
}

}  // namespace vorla::store
