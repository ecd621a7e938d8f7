#pragma once
// The only ways the program writes data files: a whole-file replace that never leaves half a
// file behind, and an in-place write of one record at its offset.
#include <cstdint>
#include <filesystem>
#include <future>
#include <optional>
#include <span>
#include <string_view>
#include <system_error>
#include <vector>

namespace vorla::io {

namespace fs = std::filesystem;

// The whole file, or nothing when it cannot be opened.
std::optional<std::vector<std::uint8_t>> read_file(const fs::path& path);
// `size` bytes at an offset; nothing when the file cannot be opened or is too short.
std::optional<std::vector<std::uint8_t>> read_at(const fs::path& path, std::uint64_t offset,
                                                 std::size_t size);
// Length of the file in bytes, 0 when it cannot be opened (or is not a regular file).
std::uint64_t file_size_or_zero(const fs::path& path);
bool file_exists(const fs::path& path);

// Writes a temporary file in the same folder, flushes it to disk and renames it over the
// old one: an interrupted save leaves the old file or the new one, never half of either.
bool replace_file(const fs::path& path, std::span<const std::uint8_t> content);
bool replace_file(const fs::path& path, std::string_view content);
// The same, saying why it failed (the system's error) when it did.
bool replace_file(const fs::path& path, std::span<const std::uint8_t> content,
                  std::error_code& error);

// Writes bytes at an offset of an existing file (never creates it), flushed to disk.
bool write_at(const fs::path& path, std::uint64_t offset, std::span<const std::uint8_t> bytes);

// While one is alive, write_at and read_at on this thread keep each file open and leave the
// flush to it: every file written is flushed to disk once, when flush() is called or it ends.
// Many records written together (a package import) then cost one open and one flush per
// file instead of one per record; every write is in the file at once, so later reads see it.
// replace_file on a file it holds lets go of it first.
class BatchedFlush {
  public:
    BatchedFlush();
    ~BatchedFlush();
    BatchedFlush(const BatchedFlush&) = delete;
    BatchedFlush& operator=(const BatchedFlush&) = delete;

    // Flushes the files written so far; false when one of them could not be flushed (or was
    // removed, so that its writes went nowhere).
    bool flush();
    // The same while the caller goes on (writing another file, say); the result says it.
    std::future<bool> flush_in_background();

    // For the file operations: the open descriptor of an existing regular file while a batch
    // is alive (-1 otherwise), and letting go of one.
    static int descriptor(const fs::path& path, bool writing = false);
    static void forget(const fs::path& path);

  private:
    struct Held {
        fs::path path;
        int fd;
        bool written;  // since the last flush
    };
    BatchedFlush* outer_;
    std::vector<Held> open_;
};

}  // namespace vorla::io
