// The folder chooser's "Select" on real folders: typed paths, refused paths and created ones.
#include "core/editors/folder_chooser_model.h"

#include <gtest/gtest.h>

#include "core/text/texts.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla;
using editors::FolderChooserModel;
using text::TextId;
using vorla::testing::RecordingPrompter;
using vorla::testing::TempDir;
using vorla::testing::write_bytes;
namespace fs = std::filesystem;

namespace {

struct FolderChooserTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    FolderChooserModel model{{dir.path(), {}, false, {}}};
    std::string root = dir.path().string();

    std::optional<std::string> select(std::string_view typed) {
        return model.select(typed, dir.path(), prompter);
    }
};

}  // namespace

TEST_F(FolderChooserTest, ShowsFoldersUnderItsOwnCaptions) {
    EXPECT_EQ(model.title(), text::text(TextId::select_folder));
    EXPECT_EQ(model.field_label(), text::text(TextId::current_folder));
    EXPECT_EQ(model.accept_caption(), text::text(TextId::select));
    EXPECT_EQ(model.field_text(dir.path()), root);
    EXPECT_FALSE(model.shows_files());
    EXPECT_EQ(model.file_filter(), "");
    EXPECT_FALSE(model.file_types_visible());

    const FolderChooserModel files({dir.path(), "Карты", true, "*.jpg"});
    EXPECT_EQ(files.title(), "Карты");
    EXPECT_EQ(files.file_filter(), "*.jpg");
    EXPECT_TRUE(files.file_types_visible());
    EXPECT_EQ(FolderChooserModel({dir.path(), {}, true, {}}).file_filter(), "*");
}

TEST_F(FolderChooserTest, ExistingFoldersComeBackWithOneSeparator) {
    fs::create_directory(dir / "b");
    EXPECT_EQ(select(root + "/b/"), root + "/b/");
    EXPECT_EQ(select(root + "/b"), root + "/b/");
    EXPECT_EQ(select("  " + root + "/b  "), root + "/b/");
    EXPECT_EQ(select(""), root + "/");     // the folder shown
    EXPECT_EQ(select("b"), root + "/b/");  // from the folder shown
    EXPECT_EQ(select("/"), "/");
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(FolderChooserTest, DoubleSeparatorsAndFilesAreRefusedAndTheDialogStays) {
    write_bytes(dir / "file.dat", {1});
    for (const std::string& typed : {root + "//b", root + "/a//b/", root + "/file.dat"}) {
        prompter.messages.clear();
        EXPECT_EQ(select(typed), std::nullopt) << typed;
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_EQ(prompter.messages[0].text, text::text(TextId::invalid_folder));
        EXPECT_FALSE(prompter.messages[0].question);
    }
    EXPECT_FALSE(fs::exists(dir / "a"));
}

TEST_F(FolderChooserTest, AMissingFolderIsCreatedOnYesAndTakenAsItIsOnNo) {
    const std::string deep = root + "/x/y/z";
    prompter.answers = {true};
    EXPECT_EQ(select(deep + "/"), deep + "/");
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(prompter.messages[0].question);
    EXPECT_EQ(prompter.messages[0].text, deep + "\n\n" + text::text(TextId::path_does_not_exist));
    EXPECT_TRUE(fs::is_directory(deep));

    prompter.answers = {false};
    EXPECT_EQ(select(root + "/later"), root + "/later/");
    EXPECT_FALSE(fs::exists(dir / "later"));
}

TEST_F(FolderChooserTest, AFolderThatCannotBeMadeIsToldAndTheDialogStays) {
    write_bytes(dir / "file.dat", {1});
    const std::string under_a_file = root + "/file.dat/sub";
    prompter.answers = {true};
    EXPECT_EQ(select(under_a_file), std::nullopt);
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[1].text,
              text::text(TextId::could_not_create_folder) + "\n" + under_a_file);
}
