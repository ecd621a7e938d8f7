#include "core/io/file_ops.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <future>
#include <string>
#include <utility>

#include "core/text/texts.h"

namespace vorla::io {

namespace {

// Closes a descriptor on every path out of a function.
class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

  private:
    int fd_;
};

constexpr int kMaxLinks = 40;  // as the kernel's own limit for a path

int errno_or(int fallback) {
    return errno != 0 ? errno : fallback;
}

FileStamp stamp_from(const struct stat& st) {
    FileStamp s;
    s.exists = true;
    s.size = static_cast<std::uint64_t>(st.st_size);
    s.mtime_ns = static_cast<std::int64_t>(st.st_mtim.tv_sec) * 1'000'000'000 + st.st_mtim.tv_nsec;
    s.inode = static_cast<std::uint64_t>(st.st_ino);
    s.device = static_cast<std::uint64_t>(st.st_dev);
    return s;
}

// Opens a regular file without blocking: a FIFO or device is refused before anyone waits on
// it. Returns the descriptor, or -1 with the reason in `error`.
int open_regular(const fs::path& path, int flags, int& error, struct stat& st) {
    // A look first, so that a device is never even opened.
    if (::stat(path.c_str(), &st) != 0) {
        error = errno_or(EIO);
        return -1;
    }
    if (!S_ISREG(st.st_mode)) {
        error = S_ISDIR(st.st_mode) ? EISDIR : kNotRegularFile;
        return -1;
    }
    const int fd = ::open(path.c_str(), flags | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        error = errno_or(EIO);
        return -1;
    }
    // The file may have been swapped between the look and the open.
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        error = kNotRegularFile;
        ::close(fd);
        return -1;
    }
    error = 0;
    return fd;
}

int write_all(int fd, const std::uint8_t* data, std::size_t size, off_t offset, bool positioned) {
    while (size > 0) {
        const ssize_t n = positioned ? ::pwrite(fd, data, size, offset) : ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno_or(EIO);
        }
        if (n == 0) return EIO;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += n;
    }
    return 0;
}

void sync_folder(const fs::path& folder) {
    Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

std::string failure_reason(int error) {
    using text::TextId;
    // The C library's texts are English on most systems; the common causes are said here.
    switch (error) {
        case kNotRegularFile:
            return text::text(TextId::not_a_regular_file);
        case ENOENT:
        case ENOTDIR:
            return text::text(TextId::error_not_found);
        case EACCES:
        case EPERM:
            return text::text(TextId::error_access_denied);
        case ENOSPC:
        case EDQUOT:
            return text::text(TextId::error_no_space);
        case EROFS:
            return text::text(TextId::error_read_only_disk);
        case EISDIR:
            return text::text(TextId::error_is_folder);
        case EIO:
            return text::text(TextId::error_io);
        case ENAMETOOLONG:
            return text::text(TextId::error_name_too_long);
        default:
            return text::format(TextId::error_system, std::to_string(error));
    }
}

FileStamp stamp_of(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return {};
    return stamp_from(st);
}

FileRead read_file(const fs::path& path, std::uint64_t max_bytes) {
    FileRead out;
    struct stat st {};
    Fd fd(open_regular(path, O_RDONLY, out.error, st));
    if (fd.get() < 0) return out;
    out.size = static_cast<std::uint64_t>(st.st_size);
    out.stamp = stamp_from(st);
    std::vector<std::uint8_t> data;
    data.reserve(static_cast<std::size_t>(std::min(out.size, max_bytes)));
    std::uint8_t buffer[65536];
    while (data.size() < max_bytes) {
        const std::size_t want = static_cast<std::size_t>(
            std::min<std::uint64_t>(sizeof buffer, max_bytes - data.size()));
        const ssize_t n = ::read(fd.get(), buffer, want);
        if (n < 0) {
            if (errno == EINTR) continue;
            out.error = errno_or(EIO);
            return out;
        }
        if (n == 0) break;
        data.insert(data.end(), buffer, buffer + n);
    }
    // A file that grew while it was read is as long as what was read, at least.
    out.size = std::max<std::uint64_t>(out.size, data.size());
    out.bytes = std::move(data);
    return out;
}

std::optional<std::vector<std::uint8_t>> read_at(const fs::path& path, std::uint64_t offset,
                                                 std::size_t size) {
    int error = 0;
    struct stat st {};
    const int batched = BatchedFlush::descriptor(path);
    Fd own(batched >= 0 ? -1 : open_regular(path, O_RDONLY, error, st));
    const int fd = batched >= 0 ? batched : own.get();
    if (fd < 0) return std::nullopt;
    std::vector<std::uint8_t> data(size);
    std::size_t done = 0;
    while (done < size) {
        const ssize_t n =
            ::pread(fd, data.data() + done, size - done, static_cast<off_t>(offset + done));
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (n == 0) return std::nullopt;
        done += static_cast<std::size_t>(n);
    }
    return data;
}

std::uint64_t file_size_or_zero(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return 0;
    if (::access(path.c_str(), R_OK) != 0) return 0;
    return static_cast<std::uint64_t>(st.st_size);
}

bool file_exists(const fs::path& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

fs::path resolve_links(const fs::path& path) {
    fs::path p = path;
    for (int k = 0; k < kMaxLinks; ++k) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : 4096) + 1, '\0');
        const ssize_t n = ::readlink(p.c_str(), target.data(), target.size());
        if (n < 0 || static_cast<std::size_t>(n) >= target.size()) return p;
        target.resize(static_cast<std::size_t>(n));
        const fs::path t(target);
        p = t.is_absolute() ? t : p.parent_path() / t;
    }
    return p;
}

int write_refusal(const fs::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno == ENOENT ? 0 : errno_or(EIO);
    if (!S_ISREG(st.st_mode)) return S_ISDIR(st.st_mode) ? EISDIR : kNotRegularFile;
    if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return errno_or(EACCES);
    // The superuser passes every permission test; a file nobody may write is still kept.
    if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return EACCES;
    return 0;
}

Replacement::Replacement(Replacement&& other) noexcept
    : target_(std::move(other.target_)),
      temp_(std::exchange(other.temp_, fs::path())),
      error_(other.error_),
      stamp_(other.stamp_) {}

Replacement& Replacement::operator=(Replacement&& other) noexcept {
    if (this != &other) {
        discard();
        target_ = std::move(other.target_);
        temp_ = std::exchange(other.temp_, fs::path());
        error_ = other.error_;
        stamp_ = other.stamp_;
    }
    return *this;
}

void Replacement::discard() {
    if (!temp_.empty()) ::unlink(temp_.c_str());
    temp_.clear();
}

WriteResult Replacement::commit() {
    WriteResult result;
    if (error_ != 0 || temp_.empty()) {
        result.error = error_ != 0 ? error_ : EINVAL;
        return result;
    }
    if (::rename(temp_.c_str(), target_.c_str()) != 0) {
        result.error = errno_or(EIO);
        discard();
        return result;
    }
    temp_.clear();
    sync_folder(target_.parent_path());
    result.stamp = stamp_;
    return result;
}

Replacement prepare_replacement(const fs::path& path, std::span<const std::uint8_t> content) {
    Replacement prepared;
    const fs::path target = resolve_links(path);
    prepared.target_ = target;
    // A descriptor kept by a batch would go on writing the replaced file.
    BatchedFlush::forget(path);
    BatchedFlush::forget(target);
    if ((prepared.error_ = write_refusal(target)) != 0) return prepared;
    struct stat old {};
    const bool had_old = ::stat(target.c_str(), &old) == 0;

    fs::path temp;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = target;
        temp += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) {
            prepared.error_ = errno_or(EIO);
            return prepared;
        }
    }
    if (raw < 0) {
        prepared.error_ = EEXIST;
        return prepared;
    }
    Fd fd(raw);
    if (had_old) {
        ::fchmod(fd.get(), old.st_mode & 07777);
        // Only the superuser may give the file back to its owner; others own it already.
        if (::geteuid() == 0 && ::fchown(fd.get(), old.st_uid, old.st_gid) != 0) {
            // It stays the superuser's then; its content is what matters.
        }
    }

    int error = write_all(fd.get(), content.data(), content.size(), 0, false);
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno_or(EIO);
    struct stat written {};
    if (error == 0 && ::fstat(fd.get(), &written) != 0) error = errno_or(EIO);
    if (error == 0 && !fd.close()) error = errno_or(EIO);
    if (error != 0) {
        ::unlink(temp.c_str());
        prepared.error_ = error;
        return prepared;
    }
    prepared.temp_ = temp;
    prepared.stamp_ = stamp_from(written);
    return prepared;
}

WriteResult replace_file(const fs::path& path, std::span<const std::uint8_t> content) {
    Replacement prepared = prepare_replacement(path, content);
    if (!prepared) {
        WriteResult result;
        result.error = prepared.error();
        return result;
    }
    return prepared.commit();
}

WriteResult replace_file(const fs::path& path, std::string_view content) {
    return replace_file(
        path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(content.data()),
                                            content.size()));
}

WriteResult write_at(const fs::path& path, std::uint64_t offset,
                     std::span<const std::uint8_t> bytes) {
    WriteResult result;
    if ((result.error = write_refusal(path)) != 0) return result;
    struct stat st {};
    if (const int batched = BatchedFlush::descriptor(path, true); batched >= 0) {
        result.error =
            write_all(batched, bytes.data(), bytes.size(), static_cast<off_t>(offset), true);
        if (result.error == 0 && ::fstat(batched, &st) == 0) result.stamp = stamp_from(st);
        return result;
    }
    Fd fd(open_regular(path, O_WRONLY, result.error, st));
    if (fd.get() < 0) return result;
    result.error =
        write_all(fd.get(), bytes.data(), bytes.size(), static_cast<off_t>(offset), true);
    if (result.error == 0 && ::fdatasync(fd.get()) != 0) result.error = errno_or(EIO);
    if (result.error == 0 && ::fstat(fd.get(), &st) == 0) result.stamp = stamp_from(st);
    if (result.error == 0 && !fd.close()) result.error = errno_or(EIO);
    return result;
}

int copy_to_new_file(const fs::path& from, const fs::path& to) {
    const FileRead source = read_file(from);
    if (!source.bytes) return source.error != 0 ? source.error : EIO;
    const std::vector<std::uint8_t>& bytes = *source.bytes;
    Fd fd(::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666));
    if (fd.get() < 0) return errno_or(EIO);
    int error = write_all(fd.get(), bytes.data(), bytes.size(), 0, false);
    if (error == 0 && ::fsync(fd.get()) != 0) error = errno_or(EIO);
    if (error == 0 && !fd.close()) error = errno_or(EIO);
    if (error == 0) {
        // What the disk gives back is what counts, not what was handed to it.
        const FileRead copy = read_file(to);
        if (!copy.bytes)
            error = copy.error != 0 ? copy.error : EIO;
        else if (*copy.bytes != bytes)
            error = EIO;
    }
    if (error != 0) ::unlink(to.c_str());
    return error;
}

bool is_leftover_temp_name(std::string_view name) {
    const std::size_t tmp = name.rfind(".tmp");
    if (tmp == std::string_view::npos || tmp == 0) return false;
    const std::string_view rest = name.substr(tmp + 4);
    const std::size_t bar = rest.find('_');
    if (bar == std::string_view::npos || bar == 0 || bar + 1 == rest.size()) return false;
    const auto digits = [](std::string_view s) {
        return std::all_of(s.begin(), s.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    return digits(rest.substr(0, bar)) && digits(rest.substr(bar + 1));
}

int remove_leftover_temp_files(const fs::path& folder, std::string_view name) {
    DIR* dir = ::opendir(folder.empty() ? "." : folder.c_str());
    if (!dir) return 0;
    std::vector<std::string> leftovers;
    while (const dirent* e = ::readdir(dir)) {
        const std::string_view entry = e->d_name;
        if (!is_leftover_temp_name(entry)) continue;
        if (!name.empty() && entry.substr(0, entry.rfind(".tmp")) != name) continue;
        leftovers.emplace_back(entry);
    }
    ::closedir(dir);
    int removed = 0;
    for (const std::string& entry : leftovers) {
        const fs::path file = folder / entry;
        struct stat st {};
        // Only plain files: a folder or FIFO of that name is not ours.
        if (::lstat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::unlink(file.c_str()) == 0)
            ++removed;
    }
    return removed;
}

namespace {
thread_local BatchedFlush* current_batch = nullptr;
}

BatchedFlush::BatchedFlush() : outer_(current_batch) {
    current_batch = this;
}

BatchedFlush::~BatchedFlush() {
    flush();
    for (const Held& h : open_)
        ::close(h.fd);
    current_batch = outer_;
}

int BatchedFlush::descriptor(const fs::path& path, bool writing) {
    if (!current_batch) return -1;
    auto& open = current_batch->open_;
    const auto it =
        std::find_if(open.begin(), open.end(), [&](const Held& h) { return h.path == path; });
    if (it != open.end()) {
        it->written = it->written || writing;
        return it->fd;
    }
    // Only existing regular files: write_at never creates one.
    const int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0) return -1;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return -1;
    }
    open.push_back(Held{path, fd, writing});
    return fd;
}

void BatchedFlush::forget(const fs::path& path) {
    if (!current_batch) return;
    auto& open = current_batch->open_;
    const auto it =
        std::find_if(open.begin(), open.end(), [&](const Held& h) { return h.path == path; });
    if (it == open.end()) return;
    if (it->written) ::fdatasync(it->fd);
    ::close(it->fd);
    open.erase(it);
}

bool BatchedFlush::flush() {
    return flush_in_background().get();
}

std::future<bool> BatchedFlush::flush_in_background() {
    // Descriptors of their own: the batch may let go of its files meanwhile.
    std::vector<int> fds;
    bool ok = true;
    for (Held& h : open_) {
        if (!h.written) continue;
        h.written = false;
        const int fd = ::dup(h.fd);
        ok = fd >= 0 && ok;
        if (fd >= 0) fds.push_back(fd);
    }
    if (fds.empty()) {
        std::promise<bool> nothing_to_flush;
        nothing_to_flush.set_value(ok);
        return nothing_to_flush.get_future();
    }
    return std::async(std::launch::async, [fds, ok] {
        // Side by side: the disk can take the flushes together.
        std::vector<std::future<bool>> flushed;
        for (const int fd : fds) {
            flushed.push_back(std::async(std::launch::async, [fd] {
                Fd own(fd);
                // Writes into a file removed meanwhile went nowhere.
                struct stat st {};
                return ::fdatasync(fd) == 0 && ::fstat(fd, &st) == 0 && st.st_nlink > 0;
            }));
        }
        bool all = ok;
        for (auto& f : flushed)
            all = f.get() && all;
        return all;
    });
}

}  // namespace vorla::io
