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
