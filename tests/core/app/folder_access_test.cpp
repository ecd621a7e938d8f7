// Two programs on one data folder: the second desktop program is asked, commands that read
// work alongside, commands that write wait and then refuse, and a read-only document writes
// nothing at all.
#include "core/app/folder_access.h"

#include <gtest/gtest.h>

#include <thread>

#include "core/text/texts.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla;
using namespace std::chrono_literals;
using vorla::testing::RecordingPrompter;
using vorla::testing::TempDir;
namespace fs = std::filesystem;

namespace {

struct AccessTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    io::FolderLock first_program;  // another program that holds the folder

    void SetUp() override {
        ASSERT_EQ(first_program.acquire(dir.path()), io::FolderLock::State::held);
    }
    app::FolderAccess take(app::FolderUse use) {
        return app::take_data_folder(dir.path(), use, prompter, 100ms);
    }
};

}  // namespace

TEST_F(AccessTest, ASecondDesktopProgramAsksToOpenReadOnlyOrQuit) {
    prompter.answers = {true};
    const app::FolderAccess read_only = take(app::FolderUse::desktop);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].question);
    EXPECT_FALSE(prompter.messages[0].default_yes);
    EXPECT_EQ(prompter.messages[0].text,
              text::format(text::TextId::folder_in_use_ask_read_only, dir.path().string()));
    EXPECT_TRUE(read_only.read_only);
    EXPECT_FALSE(read_only.refused);
    EXPECT_FALSE(read_only.lock.held());

    prompter.answers = {false};
    const app::FolderAccess quit = take(app::FolderUse::desktop);
    EXPECT_TRUE(quit.refused);

    // Once the first program has gone, nobody is asked anything.
    first_program.release();
    const app::FolderAccess alone = take(app::FolderUse::desktop);
    EXPECT_TRUE(alone.lock.held());
    EXPECT_FALSE(alone.read_only);
    EXPECT_EQ(prompter.messages.size(), 2u);
}

TEST_F(AccessTest, CommandsReadAlongsideAndWritersWaitThenRefuse) {
    const app::FolderAccess reader = take(app::FolderUse::reading);
    EXPECT_TRUE(reader.read_only);
    EXPECT_FALSE(reader.refused);

    const app::FolderAccess writer = take(app::FolderUse::writing);
    EXPECT_TRUE(writer.refused);
    EXPECT_EQ(writer.message,
              text::format(text::TextId::folder_in_use_command_refused, dir.path().string()));
    EXPECT_TRUE(prompter.messages.empty());

    // A writer that finds the folder taken for a moment gets it when the holder is done.
    std::thread done([&] {
        std::this_thread::sleep_for(200ms);
        first_program.release();
    });
    const app::FolderAccess patient =
        app::take_data_folder(dir.path(), app::FolderUse::writing, prompter, 10s);
    done.join();
    EXPECT_TRUE(patient.lock.held());
    EXPECT_FALSE(patient.read_only);
    EXPECT_FALSE(patient.refused);
}

TEST_F(AccessTest, AReadOnlyDocumentRefusesEverySaveAndChangesNoFile) {
    // An old folder: extend.dat to convert, a Creole file name, a leftover of a save in progress.
    vorla::testing::write_bytes(dir / "extend.dat", std::vector<std::uint8_t>(96, 1));
    vorla::testing::write_bytes(
        dir / "Kong.dat", vorla::testing::slot_file({vorla::testing::congregation_bytes(1, "A")}));
    vorla::testing::write_text(dir / "history.dat.tmp99_0", "the other program's save");
    const auto listing = [&] {
        std::vector<std::string> names;
        for (const auto& e : fs::directory_iterator(dir.path()))
            names.push_back(e.path().filename());
        std::sort(names.begin(), names.end());
        return names;
    };
    const auto before = listing();

    store::Document doc({dir.path(), {2026, 12, 7}, "HT", true}, prompter);
    EXPECT_EQ(app::title_suffix(doc), " [только чтение]");
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_FALSE(doc.weeks().save(doc.folder()));
    EXPECT_FALSE(doc.talks().save(doc.folder()));
    EXPECT_FALSE(doc.write_settings_file());
    store::CongregationRecord c;
    c.name = "Новое";
    EXPECT_FALSE(doc.congregations().add(doc.folder(), c));
    EXPECT_EQ(prompter.messages.size(), 4u);
    for (const auto& m : prompter.messages)
        EXPECT_EQ(m.text, text::format(text::TextId::folder_read_only, dir.path().string()));
    EXPECT_EQ(listing(), before);
    EXPECT_EQ(app::command_status(doc, 0), 1);

    store::Document writable({dir.path(), {2026, 12, 7}, {}}, prompter);
    EXPECT_EQ(app::title_suffix(writable), "");
    EXPECT_EQ(app::command_status(writable, 0), 0);
    EXPECT_EQ(app::command_status(writable, 2), 2);
}
