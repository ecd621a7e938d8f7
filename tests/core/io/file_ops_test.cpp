#include <gtest/gtest.h>

#include <sys/resource.h>
#include <sys/stat.h>

#include <unistd.h>

#include <csignal>
#include <cstring>
#include <vector>

#include "core/io/file_ops.h"
#include "core/text/texts.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

using namespace vorla::io;
using vorla::testing::FileSizeLimit;
using vorla::testing::read_text;
using vorla::testing::TempDir;
using vorla::testing::write_text;

namespace {

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
    }
    EXPECT_EQ(read_text(file), "old contents");
    EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(Replacement, OldFilesStayUntilCommitAndAnUncommittedOneLeavesNothing) {
    TempDir dir;
    write_text(dir / "cong.dat", "old cong");
    write_text(dir / "talk.dat", "old talk");
    const std::string cong = "new cong";
    const std::string talk(64 * 1024, 't');
    Replacement first = prepare_replacement(
        dir / "cong.dat",
        std::span(reinterpret_cast<const std::uint8_t*>(cong.data()), cong.size()));
    ASSERT_TRUE(first);
    {
        FileSizeLimit limit(4096);  // the second one cannot be written whole
        Replacement second = prepare_replacement(
            dir / "talk.dat",
            std::span(reinterpret_cast<const std::uint8_t*>(talk.data()), talk.size()));
        EXPECT_FALSE(second);
        EXPECT_EQ(second.error(), EFBIG);
    }
    EXPECT_EQ(read_text(dir / "cong.dat"), "old cong");  // nothing is in place yet
    EXPECT_EQ(entries(dir.path()), 3u);                  // the prepared file waits beside it

    Replacement moved = std::move(first);
    EXPECT_FALSE(first);
    EXPECT_TRUE(moved.commit());
    EXPECT_EQ(read_text(dir / "cong.dat"), "new cong");
    EXPECT_EQ(read_text(dir / "talk.dat"), "old talk");
    EXPECT_EQ(entries(dir.path()), 2u);

    {
        Replacement dropped = prepare_replacement(
            dir / "talk.dat",
            std::span(reinterpret_cast<const std::uint8_t*>(cong.data()), cong.size()));
        ASSERT_TRUE(dropped);
    }
    EXPECT_EQ(read_text(dir / "talk.dat"), "old talk");
    EXPECT_EQ(entries(dir.path()), 2u);
}

TEST(CopyToNewFile, CopiesWholeOrLeavesNothingAndNeverOverwrites) {
    TempDir dir;
    std::string content(100 * 1024, '\0');
    for (std::size_t k = 0; k < content.size(); ++k)
        content[k] = static_cast<char>(k * 7);
    write_text(dir / "history.dat", content);
    std::filesystem::create_directory(dir / "copy");
    EXPECT_EQ(copy_to_new_file(dir / "history.dat", dir / "copy/history.dat"), 0);
    EXPECT_EQ(read_text(dir / "copy/history.dat"), content);

    write_text(dir / "copy/cong.dat", "someone else's");
    EXPECT_EQ(copy_to_new_file(dir / "history.dat", dir / "copy/cong.dat"), EEXIST);
    EXPECT_EQ(read_text(dir / "copy/cong.dat"), "someone else's");

    EXPECT_EQ(copy_to_new_file(dir / "missing.dat", dir / "copy/missing.dat"), ENOENT);
    ASSERT_EQ(::mkfifo((dir / "special.dat").c_str(), 0644), 0);
    EXPECT_EQ(copy_to_new_file(dir / "special.dat", dir / "copy/special.dat"), kNotRegularFile);
    {
        FileSizeLimit limit(4096);
        EXPECT_EQ(copy_to_new_file(dir / "history.dat", dir / "copy/talk.dat"), EFBIG);
    }
    EXPECT_EQ(entries(dir / "copy"), 2u);  // no half copy, nothing for the failures
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
    TempDir dir;
    const auto file = dir / "topic.dat";
    write_text(file, "old");
    ::chmod(file.c_str(), 0666);  // the file itself may be written: the folder says no
    chmod(dir.path().c_str(), 0555);
    const std::string report = vorla::testing::run_as_ordinary_user(dir.path(), [&] {
        return std::to_string(replace_file(file, std::string_view("new")).error);
    });
    chmod(dir.path().c_str(), 0755);
    EXPECT_EQ(report, std::to_string(EACCES));
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
    EXPECT_FALSE(read_file(dir / "none").bytes);
    EXPECT_FALSE(read_file(dir.path()).bytes);
    EXPECT_EQ(file_size_or_zero(dir / "none"), 0u);
    EXPECT_EQ(file_size_or_zero(dir.path()), 0u);
    write_text(dir / "f", "abc");
    EXPECT_EQ(file_size_or_zero(dir / "f"), 3u);
    EXPECT_EQ(read_file(dir / "f").bytes->size(), 3u);
}

TEST(FailureReason, TheCommonCausesAreSaidInRussianAndOthersKeepTheirNumber) {
    EXPECT_EQ(failure_reason(ENOENT), "файл не найден");
    EXPECT_EQ(failure_reason(EACCES), "нет прав доступа");
    EXPECT_EQ(failure_reason(EPERM), "нет прав доступа");
    EXPECT_EQ(failure_reason(ENOSPC), "на диске нет места");
    EXPECT_EQ(failure_reason(EROFS), "диск доступен только для чтения");
    // A rare cause still tells a helper which one it was, by its number.
    EXPECT_EQ(failure_reason(EFBIG), "системная ошибка " + std::to_string(EFBIG));
}

namespace {

// Ends the test program if a file operation blocks: a FIFO must never make us wait.
class Watchdog {
  public:
    Watchdog() { ::alarm(20); }
    ~Watchdog() { ::alarm(0); }
};

mode_t mode_of(const std::filesystem::path& p) {
    struct stat st {};
    ::stat(p.c_str(), &st);
    return st.st_mode & 07777;
}

}  // namespace

TEST(ReadFile, NeverWaitsOnAFifoAndTakesOnlyRegularFiles) {
    Watchdog watchdog;
    TempDir dir;
    ASSERT_EQ(::mkfifo((dir / "speakers.dat").c_str(), 0644), 0);
    const FileRead fifo = read_file(dir / "speakers.dat");
    EXPECT_TRUE(fifo.failed());
    EXPECT_EQ(fifo.error, kNotRegularFile);
    EXPECT_FALSE(read_at(dir / "speakers.dat", 0, 4));
    EXPECT_EQ(read_file("/dev/null").error, kNotRegularFile);
    EXPECT_EQ(read_file(dir.path()).error, EISDIR);

    const FileRead missing = read_file(dir / "none.dat");
    EXPECT_TRUE(missing.missing());
    EXPECT_FALSE(missing.failed());
    EXPECT_FALSE(missing.stamp.exists);
}

TEST(ReadFile, StopsAtTheLimitAndSaysHowLongTheFileIs) {
    TempDir dir;
    const auto file = dir / "speakers.dat";
    write_text(file, "0123456789");
    // Three gibibytes of nothing: only the limit is read.
    ASSERT_EQ(::truncate(file.c_str(), 3LL << 30), 0);
    const FileRead r = read_file(file, 1 << 20);
    ASSERT_TRUE(r.bytes);
    EXPECT_EQ(r.bytes->size(), 1u << 20);
    EXPECT_EQ(r.size, 3ull << 30);
    EXPECT_TRUE(r.cut());
    EXPECT_EQ((*r.bytes)[9], '9');
    EXPECT_EQ(r.stamp, stamp_of(file));

    write_text(file, "short");
    EXPECT_FALSE(read_file(file, 1 << 20).cut());
}

TEST(ReplaceFile, AFileNobodyMayWriteStaysAsItIs) {
    TempDir dir;
    for (const char* name : {"history.dat", "topic.dat"}) {
        const auto file = dir / name;
        write_text(file, "old");
        ::chmod(file.c_str(), 0444);
        // Also for the superuser, whom permissions do not stop: the user made it read-only.
        EXPECT_EQ(replace_file(file, std::string_view("new")).error, EACCES) << name;
        const std::vector<std::uint8_t> patch{'x'};
        EXPECT_EQ(write_at(file, 0, patch).error, EACCES) << name;
        EXPECT_EQ(read_text(file), "old");
        EXPECT_EQ(mode_of(file), 0444u);
    }
    EXPECT_EQ(entries(dir.path()), 2u);
}

TEST(ReplaceFile, AnotherUsersFileIsNotReplacedByRenamingOverIt) {
    if (::geteuid() != 0) GTEST_SKIP() << "needs a file of another user";
    TempDir dir;
    const auto file = dir / "history.dat";
    write_text(file, "root's");
    ::chmod(file.c_str(), 0644);
    // The folder is nobody's, so a rename over the file would succeed.
    const std::string report = vorla::testing::run_as_ordinary_user(dir.path(), [&] {
        return std::to_string(replace_file(file, std::string_view("nobody's")).error);
    });
    EXPECT_EQ(report, std::to_string(EACCES));
    EXPECT_EQ(read_text(file), "root's");
}

TEST(ReplaceFile, FollowsLinksAndReplacesTheTargetInItsOwnFolder) {
    TempDir data;
    TempDir other;
    write_text(other / "history.dat", "old");
    ::chmod((other / "history.dat").c_str(), 0640);
    std::filesystem::create_symlink(other / "history.dat", data / "link.dat");
    std::filesystem::create_symlink("link.dat", data / "history.dat");  // a chain, relative

    ASSERT_TRUE(replace_file(data / "history.dat", std::string_view("new")));
    EXPECT_TRUE(std::filesystem::is_symlink(data / "history.dat"));
    EXPECT_TRUE(std::filesystem::is_symlink(data / "link.dat"));
    EXPECT_EQ(read_text(other / "history.dat"), "new");
    EXPECT_EQ(mode_of(other / "history.dat"), 0640u);
    EXPECT_EQ(entries(data.path()), 2u);  // no temporary file on either side
    EXPECT_EQ(entries(other.path()), 1u);

    // A link whose target does not exist yet: the target is made.
    std::filesystem::create_symlink(other / "special.dat", data / "special.dat");
    ASSERT_TRUE(replace_file(data / "special.dat", std::string_view("made")));
    EXPECT_TRUE(std::filesystem::is_symlink(data / "special.dat"));
    EXPECT_EQ(read_text(other / "special.dat"), "made");

    // Records are written in place, through the link too.
    const std::vector<std::uint8_t> patch{'N'};
    ASSERT_TRUE(write_at(data / "history.dat", 0, patch));
    EXPECT_EQ(read_text(other / "history.dat"), "New");
}

TEST(ReplaceFile, SaysWhyAWriteFailed) {
    Watchdog watchdog;
    TempDir dir;
    const auto file = dir / "special.dat";
    {
        FileSizeLimit limit(4096);
        const WriteResult r = replace_file(file, std::string_view(std::string(64 * 1024, 'x')));
        EXPECT_EQ(r.error, EFBIG);
    }
    EXPECT_EQ(failure_reason(kNotRegularFile),
              vorla::text::text(vorla::text::TextId::not_a_regular_file));

    // A FIFO in the file's place is refused without waiting for a reader, and stays.
    ASSERT_EQ(::mkfifo(file.c_str(), 0644), 0);
    EXPECT_EQ(replace_file(file, std::string_view("x")).error, kNotRegularFile);
    const std::vector<std::uint8_t> patch{'x'};
    EXPECT_EQ(write_at(file, 0, patch).error, kNotRegularFile);
    EXPECT_TRUE(std::filesystem::is_fifo(file));
    EXPECT_EQ(entries(dir.path()), 1u);
}

TEST(LeftoverTempFiles, OnlyTheTemporaryFilesOfSavesAreRemoved) {
    for (const char* name : {"history.dat.tmp123_0", "vorla.ini.tmp1_99"})
        EXPECT_TRUE(is_leftover_temp_name(name)) << name;
    for (const char* name : {"history.dat.tmp", "notes.tmp", "a.tmp12_", "a.tmp_1", ".tmp1_2",
                             "history.dat.tmp12_3x", "history.dat"})
        EXPECT_FALSE(is_leftover_temp_name(name)) << name;

    TempDir dir;
    for (const char* name :
         {"history.dat.tmp4242_0", "talk.dat.tmp17_3", "history.dat", "notes.tmp"})
        write_text(dir / name, "x");
    std::filesystem::create_directory(dir / "folder.tmp1_1");  // not ours
    EXPECT_EQ(remove_leftover_temp_files(dir.path(), "talk.dat"), 1);
    EXPECT_TRUE(std::filesystem::exists(dir / "history.dat.tmp4242_0"));
    EXPECT_EQ(remove_leftover_temp_files(dir.path()), 1);
    EXPECT_FALSE(std::filesystem::exists(dir / "history.dat.tmp4242_0"));
    EXPECT_TRUE(std::filesystem::exists(dir / "history.dat"));
    EXPECT_TRUE(std::filesystem::exists(dir / "notes.tmp"));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.tmp1_1"));
}
