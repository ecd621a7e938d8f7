#include "core/io/file_ops.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <future>
#include <string>

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

bool write_all(int fd, const std::uint8_t* data, std::size_t size, off_t offset, bool positioned) {
    while (size > 0) {
        const ssize_t n = positioned ? ::pwrite(fd, data, size, offset) : ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (n == 0) return false;
        data += n;
        size -= static_cast<std::size_t>(n);
        offset += n;
    }
    return true;
}

void sync_folder(const fs::path& folder) {
    Fd dir(::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
}

}  // namespace

std::optional<std::vector<std::uint8_t>> read_file(const fs::path& path) {
    Fd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.get() < 0) return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    std::vector<std::uint8_t> data;
    data.reserve(static_cast<std::size_t>(st.st_size));
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.get(), buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            return std::nullopt;
        }
        if (n == 0) break;
        data.insert(data.end(), buffer, buffer + n);
    }
    return data;
}

std::optional<std::vector<std::uint8_t>> read_at(const fs::path& path, std::uint64_t offset,
                                                 std::size_t size) {
    const int batched = BatchedFlush::descriptor(path);
    Fd own(batched >= 0 ? -1 : ::open(path.c_str(), O_RDONLY | O_CLOEXEC));
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

bool replace_file(const fs::path& path, std::span<const std::uint8_t> content) {
    std::error_code ignored;
    return replace_file(path, content, ignored);
}

bool replace_file(const fs::path& path, std::span<const std::uint8_t> content,
                  std::error_code& error) {
    const auto fail = [&error](int code) {
        error = std::error_code(code, std::generic_category());
        return false;
    };
    error.clear();
    // A descriptor kept by a batch would go on writing the replaced file.
    BatchedFlush::forget(path);
    const fs::path folder = path.parent_path();
    struct stat old {};
    const bool had_old = ::stat(path.c_str(), &old) == 0;
    if (had_old && !S_ISREG(old.st_mode)) return fail(S_ISDIR(old.st_mode) ? EISDIR : EEXIST);

    fs::path temp;
    int raw = -1;
    for (int attempt = 0; attempt < 100 && raw < 0; ++attempt) {
        temp = path;
        temp += ".tmp" + std::to_string(::getpid()) + "_" + std::to_string(attempt);
        raw = ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (raw < 0 && errno != EEXIST) return fail(errno);
    }
    if (raw < 0) return fail(EEXIST);
    Fd fd(raw);
    if (had_old) ::fchmod(fd.get(), old.st_mode & 07777);

    errno = 0;
    const bool ok = write_all(fd.get(), content.data(), content.size(), 0, false) &&
                    ::fsync(fd.get()) == 0 && fd.close() &&
                    ::rename(temp.c_str(), path.c_str()) == 0;
    if (!ok) {
        const int code = errno != 0 ? errno : EIO;
        ::unlink(temp.c_str());
        return fail(code);
    }
    sync_folder(folder);
    return true;
}

bool replace_file(const fs::path& path, std::string_view content) {
    return replace_file(
        path, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(content.data()),
                                            content.size()));
}

bool write_at(const fs::path& path, std::uint64_t offset, std::span<const std::uint8_t> bytes) {
    if (const int batched = BatchedFlush::descriptor(path, true); batched >= 0) {
        return write_all(batched, bytes.data(), bytes.size(), static_cast<off_t>(offset), true);
    }
    Fd fd(::open(path.c_str(), O_WRONLY | O_CLOEXEC));
    if (fd.get() < 0) return false;
    return write_all(fd.get(), bytes.data(), bytes.size(), static_cast<off_t>(offset), true) &&
           ::fdatasync(fd.get()) == 0 && fd.close();
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
