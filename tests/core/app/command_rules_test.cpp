#include <gtest/gtest.h>

#include "core/app/command_rules.h"
#include "core/commands/command.h"
#include "core/text/cp1251.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla;
using namespace vorla::testing;
using vorla::commands::Command;

namespace {

struct RulesTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    std::unique_ptr<store::Document> open() {
        return std::make_unique<store::Document>(
            store::Document::Options{dir.path(), {2026, 12, 7}, {}}, prompter);
    }
};

}  // namespace

TEST_F(RulesTest, EmptyFolderAllowsOnlyTheUnconditionalCommands) {
    const auto doc = open();
    EXPECT_TRUE(app::data_allows(*doc, Command::brothers));
    EXPECT_TRUE(app::data_allows(*doc, Command::history));
    EXPECT_FALSE(app::data_allows(*doc, Command::our_congregation));
    EXPECT_FALSE(app::data_allows(*doc, Command::chairmen));
    EXPECT_FALSE(app::data_allows(*doc, Command::hospitality));
    EXPECT_FALSE(app::data_allows(*doc, Command::readers));
    EXPECT_FALSE(app::data_allows(*doc, Command::export_package));
    EXPECT_FALSE(app::data_allows(*doc, Command::invitation_letter));
    EXPECT_FALSE(app::panel_button_allowed(*doc, app::PanelButtonId::edit_history));
}

TEST_F(RulesTest, CountsSettingsAndOurCongregationOpenTheirCommands) {
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Наше")}));
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1)}));
    write_text(
        dir / "vorla.ini",
        text::utf8_to_cp1251("[Congregation]\r\nNumber=1\r\n[Собрание]\r\nГостеприимство=1\r\n"));
    auto doc = open();
    EXPECT_FALSE(app::data_allows(*doc, Command::our_congregation));  // exactly one congregation
    EXPECT_FALSE(app::data_allows(*doc, Command::export_package));    // one brother
    EXPECT_TRUE(app::data_allows(*doc, Command::chairmen));
    EXPECT_TRUE(app::data_allows(*doc, Command::hospitality));
    EXPECT_FALSE(app::data_allows(*doc, Command::readers));
    EXPECT_TRUE(app::data_allows(*doc, Command::invitation_letter));
    EXPECT_TRUE(app::panel_button_allowed(*doc, app::PanelButtonId::edit_history));

    write_bytes(dir / "cong.dat",
                slot_file({congregation_bytes(1, "Наше"), congregation_bytes(2, "Другое")}));
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1),
                                                 brother_bytes(2, "Олег", "Сидоров", 2)}));
    doc->reload_all();
    EXPECT_TRUE(app::data_allows(*doc, Command::our_congregation));
    EXPECT_TRUE(app::data_allows(*doc, Command::export_package));
}

TEST_F(RulesTest, RestoreNeedsTheFolderAndTheWorkPanel) {
    EXPECT_TRUE(app::data_allows(*open(), Command::restore));
    EXPECT_TRUE(app::data_allows(*open(), Command::backup));
    const store::Document read_only({dir.path(), {2026, 12, 7}, {}, true}, prompter);
    EXPECT_FALSE(app::data_allows(read_only, Command::restore));
    EXPECT_TRUE(app::data_allows(read_only, Command::backup));  // a backup only reads

    EXPECT_TRUE(app::mode_allows(Command::restore, false));
    EXPECT_FALSE(app::mode_allows(Command::restore, true));
    EXPECT_TRUE(app::mode_allows(Command::backup, true));
    EXPECT_TRUE(app::mode_allows(Command::backup, false));
    for (Command reporting :
         {Command::print, Command::print_preview, Command::back_to_panel, Command::save_pdf}) {
        EXPECT_TRUE(app::mode_allows(reporting, true));
        EXPECT_FALSE(app::mode_allows(reporting, false));
    }
}
