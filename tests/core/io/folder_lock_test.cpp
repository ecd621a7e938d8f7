#include "core/io/folder_lock.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

#include "support/temp_dir.h"

using namespace vorla::io;
using namespace std::chrono_literals;
using vorla::testing::TempDir;

TEST(FolderLock, OneHolderAtATimeUntilItLetsGo) {
    TempDir dir;
    FolderLock first;
    EXPECT_EQ(first.acquire(dir.path()), FolderLock::State::held);
    EXPECT_TRUE(std::filesystem::exists(dir / FolderLock::kFileName));

    // A second program (another open of the lock file) finds the folder taken.
    FolderLock second;
    EXPECT_EQ(second.acquire(dir.path()), FolderLock::State::busy);
    EXPECT_FALSE(second.held());

    // Moving the lock keeps it held; releasing it frees the folder.
    FolderLock moved = std::move(first);
    EXPECT_TRUE(moved.held());
    EXPECT_EQ(second.acquire(dir.path()), FolderLock::State::busy);
    moved.release();
    EXPECT_EQ(second.acquire(dir.path()), FolderLock::State::held);
}

TEST(FolderLock, WaitsForTheHolderToFinish) {
    TempDir dir;
    FolderLock holder;
    ASSERT_TRUE(holder.acquire(dir.path()) == FolderLock::State::held);
    std::thread finisher([&] {
        std::this_thread::sleep_for(200ms);
        holder.release();
    });
    FolderLock waiting;
    EXPECT_EQ(waiting.acquire(dir.path(), 10s), FolderLock::State::held);
    finisher.join();
}

TEST(FolderLock, TheKernelReleasesTheLockOfAProgramThatDied) {
    TempDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        FolderLock lock;
        const char ok = lock.acquire(dir.path()) == FolderLock::State::held ? 'y' : 'n';
        if (::write(ready[1], &ok, 1) != 1) ::_exit(2);
        ::pause();  // killed below, without any chance to release
        ::_exit(0);
    }
    char ok = 0;
    ASSERT_EQ(::read(ready[0], &ok, 1), 1);
    ASSERT_EQ(ok, 'y');
    FolderLock mine;
    EXPECT_EQ(mine.acquire(dir.path()), FolderLock::State::busy);
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    EXPECT_EQ(mine.acquire(dir.path()), FolderLock::State::held);
    ::close(ready[0]);
    ::close(ready[1]);
}

TEST(FolderLock, NoLockFileMeansNoLock) {
    TempDir dir;
    FolderLock lock;
    EXPECT_EQ(lock.acquire(dir / "missing-folder"), FolderLock::State::unavailable);
    EXPECT_EQ(lock.error(), ENOENT);
    // A link in the lock file's place is not followed anywhere.
    std::filesystem::create_symlink(dir / "elsewhere", dir / FolderLock::kFileName);
    EXPECT_EQ(lock.acquire(dir.path()), FolderLock::State::unavailable);
    EXPECT_FALSE(std::filesystem::exists(dir / "elsewhere"));
}
