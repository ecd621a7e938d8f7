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

template <class Record>
struct TableContent {
    std::vector<Record> records;
    // False when the file is missing, or could not be read (then it is held: see DataFolder).
    bool found = false;
};

// Every complete record of the file, in file order, but no more than `capacity` records: a
// longer file's rest is ignored, and the user is told.
template <class Record>
TableContent<Record> read_table_file(const DataFolder& folder, const fs::path& path,
                                     std::size_t capacity) {
    TableContent<Record> out;
    const io::FileRead file = folder.read(path, std::uint64_t{capacity} * Record::kSize);
    if (!file.bytes) return out;
    out.found = true;
    const std::vector<std::uint8_t>& bytes = *file.bytes;
    const std::size_t n = bytes.size() / Record::kSize;
    out.records.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        out.records.push_back(Record::decode(std::span<const std::uint8_t, Record::kSize>(
            bytes.data() + i * Record::kSize, Record::kSize)));
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

// Rewrites the whole file through the folder's one write path (atomic replace, failures told).
template <class Record>
bool write_table_file(const DataFolder& folder, const fs::path& path,
                      const std::vector<Record>& records) {
    return folder.replace(path, encode_table(records));
}

}  // namespace vorla::store
