#pragma once
// Files that stand or fall together, as the pages of a rendered report: each is written whole
// through its own temporary file, and when one cannot be written the ones already written are
// removed again, so that a failure leaves none of them behind.
#include <filesystem>
#include <string>
#include <vector>

namespace vorla::io {

struct OutputFile {
    std::filesystem::path path;
    std::string bytes;
};

struct FileSetResult {
    std::filesystem::path failed;  // empty when every file was written
    std::string reason;            // why it failed, for the user
    bool ok() const { return failed.empty(); }
};

FileSetResult write_file_set(const std::vector<OutputFile>& files);

}  // namespace vorla::io
