#pragma once
// Table files: no header and no ids of their own. The whole file is read into a table at
// start (a partial last record is not an entry) and the whole table is written back.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

#include "core/io/file_ops.h"
#include "core/store/data_folder.h"

namespace vorla::store {

// Every complete record of the file, in file order; nothing when the file does not exist.
template <class Record>
std::vector<Record> read_table_file(const fs::path& path) {
    std::vector<Record> out;
    const auto bytes = io::read_file(path);
    if (!bytes) return out;
    const std::size_t n = bytes->size() / Record::kSize;
    out.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        out.push_back(Record::decode(std::span<const std::uint8_t, Record::kSize>(
            bytes->data() + i * Record::kSize, Record::kSize)));
    }
    return out;
}

template <class Record>
std::vector<std::uint8_t> encode_table(const std::vector<Record>& records) {
    std::vector<std::uint8_t> bytes;
    bytes.reserve(records.size() * Record::kSize);
    for (const Record& r : records) {
        const auto e = r.encode();
        bytes.insert(bytes.end(), e.begin(), e.end());
    }
    return bytes;
}

// Rewrites the whole file (through the atomic replace); a failure is reported to the user.
template <class Record>
bool write_table_file(const DataFolder& folder, const fs::path& path,
                      const std::vector<Record>& records) {
    if (io::replace_file(path, encode_table(records))) return true;
    folder.report_write_failure(path);
    return false;
}

}  // namespace vorla::store
