// Backups and restores on real folders: names, keeping four, a backup that is whole or absent
// whatever stops it, and a restore that changes every file or none.
#include "core/app/backup.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <map>

#include "core/io/file_ops.h"
#include "core/text/texts.h"
#include "support/file_size_limit.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

using namespace vorla;
using namespace vorla::app;
using calendar::LocalTime;
using text::TextId;
using vorla::testing::FileSizeLimit;
using vorla::testing::read_bytes;
using vorla::testing::TempDir;
using vorla::testing::write_bytes;
namespace fs = std::filesystem;

namespace {

using Bytes = std::vector<std::uint8_t>;

// Bytes of a given length, each file's own.
Bytes pattern(std::size_t size, std::uint8_t seed) {
    Bytes out(size);
    for (std::size_t k = 0; k < size; ++k)
        out[k] = static_cast<std::uint8_t>(seed + k * 31);
    return out;
}

std::vector<std::string> names_in(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::directory_iterator(folder))
        out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

std::vector<std::string> all_files() {
    std::vector<std::string> out(backup_files().begin(), backup_files().end());
    std::sort(out.begin(), out.end());
    return out;
}

LocalTime at(int hour, int minute, calendar::Date d = {2026, 12, 7}) {
    return {d, hour, minute};
}

struct BackupTest : ::testing::Test {
    TempDir dir;
    fs::path data = dir / "data";
    fs::path place = dir / "place";

    void SetUp() override {
        fs::create_directories(data);
        fs::create_directories(place);
        std::uint8_t seed = 1;
        for (std::string_view file : backup_files()) {
            write_bytes(data / file, pattern(300 + seed * 10u, seed));
            ++seed;
        }
    }
    BackupJob job(const LocalTime& t, fs::path where = {}) const {
        BackupJob j;
        j.data_folder = data;
        for (std::string_view file : backup_files())
            j.files.emplace_back(file);
        j.place = where.empty() ? place : where;
        j.name = backup_name(t, "rus");
        return j;
    }
    void expect_copy_of_data(const fs::path& backup) const {
        EXPECT_EQ(names_in(backup), all_files());
        for (std::string_view file : backup_files())
            EXPECT_EQ(read_bytes(backup / file), read_bytes(data / file)) << file;
    }
};

}  // namespace

TEST(BackupNames, CarryYearDayTimeAndTheLanguagesMonth) {
    EXPECT_EQ(backup_name(at(9, 30), "rus"), "Vrl_26341_0930_07дек26");
    EXPECT_EQ(backup_name(at(9, 30), "eng"), "Vrl_26341_0930_07Dec26");
    EXPECT_EQ(backup_name(at(0, 5, {2024, 1, 5}), "eng"), "Vrl_24005_0005_05Jan24");
    EXPECT_EQ(backup_name(at(23, 59, {2024, 12, 31}), "eng"), "Vrl_24366_2359_31Dec24");
    // Name order is time order, across the turn of a year too.
    EXPECT_LT(backup_name(at(23, 59, {2026, 12, 31}), "rus"),
              backup_name(at(0, 0, {2027, 1, 1}), "rus"));

    EXPECT_TRUE(is_backup_name("Vrl_26341_0930_07дек26"));
    EXPECT_FALSE(is_backup_name("Vrl"));
    EXPECT_FALSE(is_backup_name("vrl_1"));
    EXPECT_FALSE(is_backup_name("Vrlx"));
    EXPECT_TRUE(is_backup_folder("/b/Vrl_1/"));
    EXPECT_TRUE(is_backup_folder("/b/Vrl_1"));
    EXPECT_FALSE(is_backup_folder("/b/Vrl_1/inner/"));
    EXPECT_FALSE(is_backup_folder("/"));
}

TEST_F(BackupTest, FiveBackupsOverTwoMinutesKeepTheNewestFour) {
    // The places of two backups of one minute, and of four more.
    const LocalTime times[] = {at(9, 58), at(9, 58), at(9, 59), at(10, 0), at(10, 0), at(10, 1)};
    std::vector<std::string> made;
    for (const LocalTime& t : times) {
        const BackupResult r = make_backup(job(t), {});
        if (!made.empty() && made.back() == backup_name(t, "rus")) {
            EXPECT_EQ(r.status, BackupStatus::name_taken);
            EXPECT_EQ(r.error, "Повторите резервирование через 1 минуту.");
            continue;
        }
        ASSERT_EQ(r.status, BackupStatus::done) << r.error;
        EXPECT_EQ(r.folder, place / backup_name(t, "rus"));
        EXPECT_TRUE(r.warnings.empty());
        expect_copy_of_data(r.folder);
        made.push_back(r.folder.filename().string());
    }
    ASSERT_EQ(made.size(), 4u);
    EXPECT_EQ(backup_folders(place), made);

    // The fifth removes the oldest, and only after it is whole.
    write_bytes(data / "history.dat", pattern(5000, 99));
    const BackupResult fifth = make_backup(job(at(10, 2)), {});
    ASSERT_EQ(fifth.status, BackupStatus::done);
    expect_copy_of_data(fifth.folder);
    made.erase(made.begin());
    made.push_back("Vrl_26341_1002_07дек26");
    EXPECT_EQ(backup_folders(place), made);
    EXPECT_EQ(names_in(place), made);  // nothing half-made is left about
}

TEST_F(BackupTest, ProgressNamesEachFileAndAMissingFileIsNoFailure) {
    fs::remove(data / "wishlist.dat");
    std::vector<std::string> told;
    const BackupResult r =
        make_backup(job(at(9, 30)), [&](const std::string& status) { told.push_back(status); });
    ASSERT_EQ(r.status, BackupStatus::done);
    ASSERT_EQ(told.size(), 12u);
    EXPECT_EQ(told.front(), "Резервирование файла: speakers.dat");
    EXPECT_EQ(told.back(), "Резервирование файла: vorla.ini");
    auto expected = all_files();
    expected.erase(std::find(expected.begin(), expected.end(), "wishlist.dat"));
    EXPECT_EQ(names_in(r.folder), expected);
}

TEST_F(BackupTest, ACopyFailingMidwayLeavesNoBackupAndOldOnesUntouched) {
    for (int minute = 0; minute < 4; ++minute)
        ASSERT_EQ(make_backup(job(at(8, minute)), {}).status, BackupStatus::done);
    const auto before = backup_folders(place);
    write_bytes(data / "history.dat", pattern(20000, 7));  // past the limit below
    BackupResult r;
    {
        FileSizeLimit limit(8192);
        r = make_backup(job(at(9, 30)), {});
    }
    EXPECT_EQ(r.status, BackupStatus::failed);
    EXPECT_EQ(r.error, text::format(TextId::backup_copy_failed, "history.dat",
                                    vorla::io::failure_reason(EFBIG)));
    EXPECT_EQ(names_in(place), before);  // no new one, no partial one, none pruned
}

TEST_F(BackupTest, ABackupKilledMidwayIsAbsentAndItsRemainsGoNextTime) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        int copied = 0;
        make_backup(job(at(9, 30)), [&](const std::string&) {
            if (++copied == 6) ::raise(SIGKILL);
        });
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    EXPECT_TRUE(backup_folders(place).empty());
    const auto remains = names_in(place);
    ASSERT_EQ(remains.size(), 1u);
    EXPECT_EQ(remains[0].rfind(".vorla-backup-", 0), 0u);
    EXPECT_EQ(names_in(place / remains[0]).size(), 5u);

    // The same minute again: the dead program's remains go, the backup is whole.
    const BackupResult r = make_backup(job(at(9, 30)), {});
    ASSERT_EQ(r.status, BackupStatus::done);
    expect_copy_of_data(r.folder);
    EXPECT_EQ(names_in(place), std::vector<std::string>{"Vrl_26341_0930_07дек26"});
}

TEST_F(BackupTest, APlaceThatCannotTakeAFolderIsReported) {
    const std::string report = vorla::testing::run_as_ordinary_user(dir.path(), [&] {
        const fs::path locked = dir / "locked";
        fs::create_directory(locked);
        ::chmod(locked.c_str(), 0555);
        const BackupResult r = make_backup(job(at(9, 30), locked), {});
        return r.status == BackupStatus::failed
                   ? r.error + "|" + std::to_string(names_in(locked).size())
                   : std::string("made");
    });
    EXPECT_EQ(report, text::format(TextId::backup_place_unusable, (dir / "locked").string(),
                                   vorla::io::failure_reason(EACCES)) +
                          "|0");
    // A place that is not there.
    const BackupResult missing = make_backup(job(at(9, 30), dir / "nowhere"), {});
    EXPECT_EQ(missing.status, BackupStatus::failed);
    EXPECT_EQ(missing.error, text::format(TextId::backup_place_unusable, (dir / "nowhere").string(),
                                          vorla::io::failure_reason(ENOENT)));
}

TEST_F(BackupTest, PruningRemovesOnlyWhatABackupHolds) {
    for (int minute = 0; minute < 4; ++minute)
        ASSERT_EQ(make_backup(job(at(8, minute)), {}).status, BackupStatus::done);
    const fs::path oldest = place / backup_name(at(8, 0), "rus");
    write_bytes(oldest / "notes.txt", {'m', 'y'});  // the user's own file
    write_bytes(oldest / "map.JPG", {0xFF, 0xD8});
    // A link named like a backup is not one: what it leads to is never touched.
    fs::create_directory(dir / "elsewhere");
    write_bytes(dir / "elsewhere/speakers.dat", {1, 2, 3});
    fs::create_directory_symlink(dir / "elsewhere", place / "Vrl_00000_0000_01янв00");

    const BackupResult r = make_backup(job(at(9, 0)), {});
    ASSERT_EQ(r.status, BackupStatus::done);
    ASSERT_EQ(r.warnings.size(), 1u);
    EXPECT_EQ(r.warnings[0], text::format(TextId::old_backup_not_removed, oldest.string(),
                                          vorla::io::failure_reason(ENOTEMPTY)));
    EXPECT_EQ(names_in(oldest), std::vector<std::string>{"notes.txt"});
    EXPECT_EQ(read_bytes(dir / "elsewhere/speakers.dat"), (Bytes{1, 2, 3}));
    EXPECT_EQ(backup_folders(place).size(), 5u);  // the refused one, and the newest four
}

TEST_F(BackupTest, ARestoreBringsEveryFileBackByteForByteAndKeepsTheDataItReplaced) {
    const Bytes original_history = read_bytes(data / "history.dat");
    const BackupResult backup = make_backup(job(at(9, 30)), {});
    ASSERT_EQ(backup.status, BackupStatus::done);
    write_bytes(backup.folder / "map.jpg", {0xFF, 0xD8, 1});

    // The data moves on; then the backup is restored within the same minute.
    std::map<std::string, Bytes> changed;
    for (std::string_view file : backup_files()) {
        changed[std::string(file)] = pattern(50, 200);
        write_bytes(data / file, changed[std::string(file)]);
    }
    write_bytes(data / "map.jpg", {0xFF, 0xD8, 2});
    fs::remove(backup.folder / "wishlist.dat");  // a backup without it: ours stays
    RestoreJob restore{backup.folder, data, job(at(9, 30))};
    restore.keep.files.push_back("map.jpg");
    std::vector<std::string> told;
    const RestoreResult r =
        restore_backup(restore, [&](const std::string& status) { told.push_back(status); });
    ASSERT_TRUE(r.done) << r.error;
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(r.not_in_backup, std::vector<std::string>{"wishlist.dat"});
    for (std::string_view file : backup_files()) {
        if (file == "wishlist.dat")
            EXPECT_EQ(read_bytes(data / file), changed["wishlist.dat"]);
        else
            EXPECT_EQ(read_bytes(data / file), read_bytes(backup.folder / file)) << file;
    }
    EXPECT_EQ(read_bytes(data / "history.dat"), original_history);
    EXPECT_EQ(read_bytes(data / "map.jpg"), (Bytes{0xFF, 0xD8, 1}));
    EXPECT_EQ(told.back(), "Восстанавливается файл map.jpg");

    // What was replaced is a backup of its own, beside the one restored, under a name of its own.
    EXPECT_EQ(r.kept, place / "Vrl_26341_0930_07дек26_2");
    for (const auto& [file, bytes] : changed)
        EXPECT_EQ(read_bytes(r.kept / file), bytes) << file;
    EXPECT_EQ(read_bytes(r.kept / "map.jpg"), (Bytes{0xFF, 0xD8, 2}));
    EXPECT_EQ(names_in(data).size(), 13u);  // no temporary file left
}

TEST_F(BackupTest, ARestoreThatCannotWriteEveryFileChangesNone) {
    const BackupResult backup = make_backup(job(at(9, 30)), {});
    ASSERT_EQ(backup.status, BackupStatus::done);
    write_bytes(backup.folder / "history.dat", pattern(20000, 5));
    std::map<std::string, Bytes> before;
    for (const std::string& file : names_in(data))
        before[file] = read_bytes(data / file);

    RestoreResult r;
    {
        FileSizeLimit limit(8192);
        r = restore_backup({backup.folder, data, job(at(9, 31))}, {});
    }
    EXPECT_FALSE(r.done);
    EXPECT_FALSE(r.changed);
    EXPECT_EQ(r.error, text::format(TextId::restore_not_done,
                                    "history.dat: " + vorla::io::failure_reason(EFBIG)));
    std::map<std::string, Bytes> after;
    for (const std::string& file : names_in(data))
        after[file] = read_bytes(data / file);
    EXPECT_EQ(after, before);
    EXPECT_EQ(r.kept, place / "Vrl_26341_0931_07дек26");  // kept first, and kept
}

TEST_F(BackupTest, ARestoreNeedsTheCoreFilesAndAnotherFolder) {
    const BackupResult backup = make_backup(job(at(9, 30)), {});
    ASSERT_EQ(backup.status, BackupStatus::done);
    write_bytes(backup.folder / "cong.dat", {});
    const RestoreResult empty_congregations =
        restore_backup({backup.folder, data, job(at(9, 31))}, {});
    EXPECT_EQ(empty_congregations.error,
              text::format(TextId::no_backup_in_folder, backup.folder.string()));
    const RestoreResult itself = restore_backup({data / "", data, job(at(9, 31))}, {});
    EXPECT_EQ(itself.error, text::format(TextId::restore_from_data_folder, (data / "").string()));
    EXPECT_FALSE(empty_congregations.changed || itself.changed);
    EXPECT_EQ(backup_folders(place).size(), 1u);  // nothing kept for a restore not made
}

TEST_F(BackupTest, TheReplacedDataIsKeptInTheDataFolderWhenTheBackupsPlaceIsReadOnly) {
    const BackupResult backup = make_backup(job(at(9, 30)), {});
    ASSERT_EQ(backup.status, BackupStatus::done);
    const std::string report = vorla::testing::run_as_ordinary_user(dir.path(), [&] {
        // The data folder is the ordinary user's; the backups are on a medium he may not write.
        const fs::path own = dir / "own";
        fs::create_directory(own);
        for (std::string_view file : backup_files())
            write_bytes(own / file, pattern(40, 9));
        BackupJob keep = job(at(9, 31));
        keep.data_folder = own;
        const RestoreResult r = restore_backup({backup.folder, own, keep}, {});
        return std::to_string(r.done) + "|" + r.kept.string();
    });
    EXPECT_EQ(report, "1|" + (dir / "own/Vrl_26341_0931_07дек26").string());
}
