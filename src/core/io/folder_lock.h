#pragma once
// The advisory lock that keeps a data folder to one writing program at a time: flock on a
// lock file in the folder. The kernel releases it when the process ends, however it ends.
#include <chrono>
#include <filesystem>

namespace vorla::io {

class FolderLock {
  public:
    enum class State {
        free,         // not tried yet, or released
        held,         // this process holds the folder
        busy,         // another program holds it
        unavailable,  // no lock file can be opened (a read-only folder): nobody can write
    };

    static constexpr const char* kFileName = "vorla.lock";

    FolderLock() = default;
    ~FolderLock();
    FolderLock(FolderLock&& other) noexcept;
    FolderLock& operator=(FolderLock&& other) noexcept;
    FolderLock(const FolderLock&) = delete;
    FolderLock& operator=(const FolderLock&) = delete;

    // Tries to take the folder, again and again for up to `wait` while another program holds
    // it. The result is also state().
    State acquire(const std::filesystem::path& folder,
                  std::chrono::milliseconds wait = std::chrono::milliseconds(0));
    void release();

    State state() const { return state_; }
    bool held() const { return state_ == State::held; }
    // Why the lock file could not be opened (errno), when unavailable.
    int error() const { return error_; }

  private:
    int fd_ = -1;
    State state_ = State::free;
    int error_ = 0;
};

}  // namespace vorla::io
