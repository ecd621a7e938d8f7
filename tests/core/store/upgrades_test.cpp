// The upgrades of older folders rename files over the current ones, so each is tried against
// the files it must never destroy: an existing current file, a read-only or unreadable one, a
// link, and folders of other languages.
#include "core/store/upgrades.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include "core/store/extra_file.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"
#include "support/unprivileged.h"

using namespace vorla::store;
using namespace vorla::testing;
namespace fs = std::filesystem;

namespace {

struct UpgradeTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    DataFolder folder{dir.path(), prompter};

    std::vector<std::uint8_t> brothers(int n) {
        std::vector<std::uint8_t> out(256, 0);
        for (int k = 1; k <= n; ++k) {
            const auto b = brother_bytes(static_cast<std::uint16_t>(k), "Marco", "Rossi");
            out.insert(out.end(), b.bytes().begin(), b.bytes().end());
        }
        return out;
    }
};

}  // namespace

TEST_F(UpgradeTest, CreoleNamesTakeTheCurrentNamesWhereNoCurrentFileExists) {
    write_text(dir / "Kong.dat", "kong");
    write_text(dir / "cong.dat", "current");  // kept: "Kong.dat" is ignored
    write_text(dir / "Orat\xE8.dat", "oratè");
    write_text(dir / "Istwa.dat", "istwa");
    write_text(dir / "Nou vle.dat", "nou vle");
    fs::create_symlink(dir / "elsewhere.dat", dir / "special.dat");  // a link, even broken
    write_text(dir / "espesyal.dat", "espesyal");
    write_text(dir / "Diskou.dat", "diskou");  // the talks keep their old file

    rename_creole_files(folder, "rus");  // another language looks at no Creole name
    EXPECT_TRUE(fs::exists(dir / "Istwa.dat"));

    rename_creole_files(folder, "HT");
    EXPECT_EQ(read_text(dir / "cong.dat"), "current");
    EXPECT_EQ(read_text(dir / "Kong.dat"), "kong");
    EXPECT_EQ(read_text(dir / "speakers.dat"), "oratè");
    EXPECT_EQ(read_text(dir / "history.dat"), "istwa");
    EXPECT_EQ(read_text(dir / "wishlist.dat"), "nou vle");
    EXPECT_TRUE(fs::is_symlink(dir / "special.dat"));
    EXPECT_EQ(read_text(dir / "espesyal.dat"), "espesyal");
    EXPECT_TRUE(fs::exists(dir / "Diskou.dat"));
    EXPECT_FALSE(fs::exists(dir / "talk.dat"));
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(UpgradeTest, ALargerItalianBrotherFileReplacesSpeakersDat) {
    write_bytes(dir / "oratori.dat", brothers(2));
    adopt_italian_brother_file(folder, "rus");
    EXPECT_FALSE(fs::exists(dir / "speakers.dat"));  // a missing file counts as size 0 ...

    adopt_italian_brother_file(folder, "italian");  // ... for the Italian build only
    EXPECT_EQ(read_bytes(dir / "speakers.dat"), brothers(2));
    EXPECT_FALSE(fs::exists(dir / "oratori.dat"));

    write_bytes(dir / "oratori.dat", brothers(1));  // not larger: left alone
    adopt_italian_brother_file(folder, "italian");
    EXPECT_EQ(read_bytes(dir / "speakers.dat"), brothers(2));
    EXPECT_TRUE(fs::exists(dir / "oratori.dat"));
}

TEST_F(UpgradeTest, ASpeakersDatThatMayNotBeReplacedIsKept) {
    write_bytes(dir / "oratori.dat", brothers(3));
    write_bytes(dir / "speakers.dat", brothers(1));
    ::chmod((dir / "speakers.dat").c_str(), 0444);
    adopt_italian_brother_file(folder, "italian");
    EXPECT_EQ(read_bytes(dir / "speakers.dat"), brothers(1));
    EXPECT_TRUE(fs::exists(dir / "oratori.dat"));

    // Unreadable: its size is unknown, so it is not known to be the smaller.
    ::chmod((dir / "speakers.dat").c_str(), 0600);
    write_bytes(dir / "speakers.dat", brothers(2));
    ::chmod((dir / "speakers.dat").c_str(), 0);
    const std::string kept = run_as_ordinary_user(dir.path(), [&] {
        RecordingPrompter p;
        adopt_italian_brother_file(DataFolder(dir.path(), p), "italian");
        return fs::exists(dir / "oratori.dat") ? "kept" : "replaced";
    });
    EXPECT_EQ(kept, "kept");
    ::chmod((dir / "speakers.dat").c_str(), 0600);
    EXPECT_EQ(read_bytes(dir / "speakers.dat"), brothers(2));

    // A read-only folder takes no upgrade at all.
    RecordingPrompter p;
    ::chmod((dir / "speakers.dat").c_str(), 0644);
    fs::remove(dir / "speakers.dat");
    adopt_italian_brother_file(DataFolder(dir.path(), p, true), "italian");
    EXPECT_FALSE(fs::exists(dir / "speakers.dat"));
}

TEST_F(UpgradeTest, ALinkedSpeakersDatHasItsTargetReplaced) {
    TempDir other;
    write_bytes(other / "speakers.dat", brothers(1));
    fs::create_symlink(other / "speakers.dat", dir / "speakers.dat");
    write_bytes(dir / "oratori.dat", brothers(2));
    adopt_italian_brother_file(folder, "italian");
    EXPECT_TRUE(fs::is_symlink(dir / "speakers.dat"));
    EXPECT_EQ(read_bytes(other / "speakers.dat"), brothers(2));
}

TEST_F(UpgradeTest, AnOldExtrasFileThatCannotBeReadWaitsForItsConversion) {
    fs::create_directory(dir / "extend.dat");
    EXPECT_FALSE(ExtraFile::convert_old_file(folder));
    ExtraFile extras;
    extras.load(folder);
    // No new xtend.dat: it would stop the conversion for good once extend.dat is mended.
    EXPECT_FALSE(fs::exists(dir / "xtend.dat"));
    EXPECT_EQ(folder.unreadable().size(), 1u);

    fs::remove(dir / "extend.dat");
    FixtureBytes old(96);
    old.u16(0, 7).text(2, "123");
    write_bytes(dir / "extend.dat", old.bytes());
    RecordingPrompter p;
    const DataFolder mended(dir.path(), p);
    EXPECT_TRUE(ExtraFile::convert_old_file(mended));
    EXPECT_EQ(read_bytes(dir / "xtend.dat").size(), 128u);
}
