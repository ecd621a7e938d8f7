#pragma once
// The only ways the program writes data files: a whole-file replace that never leaves half a
// file behind, an in-place write of one record at its offset, and a checked copy for backups. Reads
// never block (a FIFO under a data file's name must not hang the program) and take only regular
// files.
#include <cerrno>
#include <cstdint>
#include <filesystem>
#include <future>
#include <limits>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::io {

namespace fs = std::filesystem;

// The error of a file that is a FIFO, a device or a folder where a data file belongs.
inline constexpr int kNotRegularFile = -1;
inline constexpr std::uint64_t kNoLimit = std::numeric_limits<std::uint64_t>::max();

// The reason as the user reads it: the system's text for the error number, ours for a file
// that is not a regular file.
std::string failure_reason(int error);

// Which version of a file is on disk: another program's save changes it.
struct FileStamp {
    bool exists = false;
    std::uint64_t size = 0;
    std::int64_t mtime_ns = 0;
    std::uint64_t inode = 0;
    std::uint64_t device = 0;
    friend bool operator==(const FileStamp&, const FileStamp&) = default;
};
// The stamp of the file a path names (links followed); `exists` is false when it is missing.
FileStamp stamp_of(const fs::path& path);

// What reading a file gave.
struct FileRead {
    std::optional<std::vector<std::uint8_t>> bytes;  // nothing when missing or unreadable
    int error = 0;                                   // 0, ENOENT, or why it could not be read
    std::uint64_t size = 0;                          // the file's length on disk
    FileStamp stamp;                                 // of the file that was read

    bool missing() const { return !bytes && error == ENOENT; }
    bool failed() const { return !bytes && error != ENOENT; }
    // More bytes on disk than were read.
    bool cut() const { return bytes && size > bytes->size(); }
};

// The file, or at most its first max_bytes.
FileRead read_file(const fs::path& path, std::uint64_t max_bytes = kNoLimit);
// `size` bytes at an offset; nothing when the file cannot be opened or is too short.
std::optional<std::vector<std::uint8_t>> read_at(const fs::path& path, std::uint64_t offset,
                                                 std::size_t size);
// Length of the file in bytes, 0 when it cannot be opened (or is not a regular file).
std::uint64_t file_size_or_zero(const fs::path& path);
bool file_exists(const fs::path& path);

// The file a path finally names, its symbolic links followed (the file need not exist).
fs::path resolve_links(const fs::path& path);

// The outcome of a write: 0 or the reason it was refused or failed (an errno value or
// kNotRegularFile). When it fails, the file on disk is as it was.
struct WriteResult {
    int error = 0;
    FileStamp stamp;  // of the file written, when done
    explicit operator bool() const { return error == 0; }
};

// A file we may not replace or change: anything that is not a regular file, and a file whose
// permissions deny us writing or that has no write permission for anyone (a file the user
// made read-only stays as it is, whoever runs the program). 0 when writing is allowed.
int write_refusal(const fs::path& path);

// Writes a temporary file in the folder of the file (a link's target: linked files stay
// linked), flushes it to disk and renames it over the old one: an interrupted save leaves the
// old file or the new one, never half of either. The old file's permissions are kept.
WriteResult replace_file(const fs::path& path, std::span<const std::uint8_t> content);
WriteResult replace_file(const fs::path& path, std::string_view content);

// replace_file in two steps, for files that change together (a restore): each new file is
// written and flushed beside its old one first, and the old ones are replaced only when every
// new one could be written. Until commit the old file is untouched; a replacement that is
// neither committed nor kept is removed again.
class Replacement {
  public:
    Replacement() = default;
    ~Replacement() { discard(); }
    Replacement(Replacement&& other) noexcept;
    Replacement& operator=(Replacement&& other) noexcept;
    Replacement(const Replacement&) = delete;
    Replacement& operator=(const Replacement&) = delete;

    // 0 when the new file is ready, else why it could not be written.
    int error() const { return error_; }
    explicit operator bool() const { return error_ == 0 && !temp_.empty(); }
    // Renames the new file over the old one.
    WriteResult commit();
    void discard();

  private:
    friend Replacement prepare_replacement(const fs::path&, std::span<const std::uint8_t>);
    fs::path target_;
    fs::path temp_;
    int error_ = 0;
    FileStamp stamp_;
};
Replacement prepare_replacement(const fs::path& path, std::span<const std::uint8_t> content);

// Writes bytes at an offset of an existing file (never creates it), flushed to disk.
WriteResult write_at(const fs::path& path, std::uint64_t offset,
                     std::span<const std::uint8_t> bytes);

// Copies a regular file into a new file (an existing one is never overwritten), flushed to
// disk and read back: 0 when the copy holds the file's bytes, else why not (an errno value,
// kNotRegularFile, or EIO for a copy that reads back different). A failed copy is removed.
int copy_to_new_file(const fs::path& from, const fs::path& to);

// The temporary files replace_file leaves when a save is interrupted: "NAME.tmpPID_N".
bool is_leftover_temp_name(std::string_view file_name);
// Removes them from a folder: those of one file, or of every file when `name` is empty.
// Returns how many were removed.
int remove_leftover_temp_files(const fs::path& folder, std::string_view name = {});

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
