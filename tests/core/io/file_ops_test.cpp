#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <vector>

#include "core/io/file_ops.h"
#include "support/temp_dir.h"

using namespace vorla::io;
using vorla::testing::read_text;
using vorla::testing::TempDir;
using vorla::testing::write_text;

namespace {

// Lowers the file-size limit for the life of the object, so that writes fail part-way.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        old_handler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit l = old_;
        l.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &l);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, old_handler_);
    }

  private:
    rlimit old_{};
    void (*old_handler_)(int) = nullptr;
};

std::size_t entries(const std::filesystem::path& dir) {
    std::size_t n = 0;
    for ([[maybe_unused]] const auto& e : std::filesystem::directory_iterator(dir))
        ++n;
    return n;
}

}  // namespace

TEST(ReplaceFile, CreatesAndReplacesWholeFiles) {
    TempDir dir;
    const auto file = dir / "history.dat";
    ASSERT_TRUE(replace_file(file, std::string_view("first version, long")));
    ASSERT_TRUE(replace_file(file, std::string_view("second")));
    EXPECT_EQ(read_text(file), "second");
    EXPECT_EQ(entries(dir.path()), 1u);  // no temporary file left behind
}

TEST(ReplaceFile, FailureInTheMiddleLeavesTheOldFileIntact) {
    TempDir dir;
    const auto file = dir / "special.dat";
    write_text(file, "old contents");
    const std::string big(64 * 1024, 'x');
    {
        FileSizeLimit limit(4096);  // the write stops after 4 KiB
        EXPECT_FALSE(replace_file(file, std::string_view(big)));
        // The caller can say why.
        std::error_code error;
        const std::span<const std::uint8_t> bytes(reinterpret_cast<const std::uint8_t*>(big.data()),
                                                  big.size());
        EXPECT_FALSE(replace_file(file, bytes, error));
        EXPECT_EQ(error, std::errc::file_too_large);
    }
    EXPECT_EQ(read_text(file), "old contents");
    EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(ReplaceFile, KeepsThePermissionsOfTheOldFile) {
    TempDir dir;
    const auto file = dir / "cong.dat";
    write_text(file, "x");
    chmod(file.c_str(), 0640);
    ASSERT_TRUE(replace_file(file, std::string_view("y")));
    struct stat st {};
    stat(file.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(ReplaceFile, ReadOnlyFolderFailsAndChangesNothing) {
    if (geteuid() == 0) GTEST_SKIP() << "root ignores folder permissions";
    TempDir dir;
    const auto file = dir / "topic.dat";
    write_text(file, "old");
    chmod(dir.path().c_str(), 0555);
    EXPECT_FALSE(replace_file(file, std::string_view("new")));
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(read_text(file), "old");
}

TEST(WriteAt, WritesInPlaceAndNeverCreates) {
    TempDir dir;
    const auto file = dir / "speakers.dat";
    write_text(file, "0123456789");
    const std::vector<std::uint8_t> patch{'a', 'b'};
    EXPECT_TRUE(write_at(file, 4, patch));
    EXPECT_EQ(read_text(file), "0123ab6789");
    EXPECT_TRUE(write_at(file, 10, patch));  // appending at the end grows the file
    EXPECT_EQ(read_text(file), "0123ab6789ab");
    EXPECT_FALSE(write_at(dir / "missing.dat", 0, patch));
    EXPECT_FALSE(file_exists(dir / "missing.dat"));
}

TEST(WriteAt, BatchedWritesAreReadableAtOnceAndFlushedOncePerFile) {
    TempDir dir;
    const auto file = dir / "speakers.dat";
    const auto other = dir / "xtend.dat";
    write_text(file, "0123456789");
    write_text(other, "abc");
    const std::vector<std::uint8_t> patch{'x'};
    {
        BatchedFlush batch;
        EXPECT_TRUE(write_at(file, 0, patch));
        EXPECT_TRUE(write_at(file, 9, patch));
        EXPECT_TRUE(write_at(other, 1, patch));
        EXPECT_EQ(read_text(file), "x12345678x");
        EXPECT_TRUE(batch.flush());
        // A file that is gone by the flush cannot be flushed: said so.
        EXPECT_TRUE(write_at(other, 2, patch));
        std::filesystem::remove(other);
        EXPECT_FALSE(batch.flush());
    }
    EXPECT_EQ(read_text(file), "x12345678x");
}

TEST(ReadFile, MissingFilesAndFolders) {
    TempDir dir;
    EXPECT_FALSE(read_file(dir / "none"));
    EXPECT_FALSE(read_file(dir.path()));
    EXPECT_EQ(file_size_or_zero(dir / "none"), 0u);
    EXPECT_EQ(file_size_or_zero(dir.path()), 0u);
    write_text(dir / "f", "abc");
    EXPECT_EQ(file_size_or_zero(dir / "f"), 3u);
    EXPECT_EQ(read_file(dir / "f")->size(), 3u);
}
