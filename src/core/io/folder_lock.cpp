#include "core/io/folder_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <thread>
#include <utility>

namespace vorla::io {

namespace {
constexpr std::chrono::milliseconds kRetry(50);
}

FolderLock::~FolderLock() {
    release();
}

FolderLock::FolderLock(FolderLock&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      state_(std::exchange(other.state_, State::free)),
      error_(other.error_) {}

FolderLock& FolderLock::operator=(FolderLock&& other) noexcept {
    if (this != &other) {
        release();
        fd_ = std::exchange(other.fd_, -1);
        state_ = std::exchange(other.state_, State::free);
        error_ = other.error_;
    }
    return *this;
}

FolderLock::State FolderLock::acquire(const std::filesystem::path& folder,
                                      std::chrono::milliseconds wait) {
    release();
    const std::filesystem::path file = folder / kFileName;
    // A link in the lock file's place could point anywhere: it is not followed.
    fd_ = ::open(file.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    // A folder we cannot create files in may still have a lock file to share.
    if (fd_ < 0) fd_ = ::open(file.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
    if (fd_ < 0) {
        error_ = errno;
        state_ = State::unavailable;
        return state_;
    }
    const auto until = std::chrono::steady_clock::now() + wait;
    for (;;) {
        if (::flock(fd_, LOCK_EX | LOCK_NB) == 0) {
            state_ = State::held;
            return state_;
        }
        if (errno != EWOULDBLOCK && errno != EINTR) {
            error_ = errno;
            ::close(fd_);
            fd_ = -1;
            state_ = State::unavailable;
            return state_;
        }
        if (std::chrono::steady_clock::now() >= until) break;
        std::this_thread::sleep_for(kRetry);
    }
    ::close(fd_);
    fd_ = -1;
    state_ = State::busy;
    return state_;
}

void FolderLock::release() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    state_ = State::free;
}

}  // namespace vorla::io
