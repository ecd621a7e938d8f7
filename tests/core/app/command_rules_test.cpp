#include <gtest/gtest.h>

#include "core/app/command_rules.h"
#include "core/app/commands.h"
#include "core/text/cp1251.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla;
using namespace vorla::testing;

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
    EXPECT_TRUE(app::data_allows(*doc, app::cmd::kBrothers));
    EXPECT_TRUE(app::data_allows(*doc, app::cmd::kHistory));
    EXPECT_FALSE(app::data_allows(*doc, app::cmd::kOurCongregation));
    EXPECT_FALSE(app::data_allows(*doc, app::cmd::kChairmen));
    EXPECT_FALSE(app::data_allows(*doc, app::cmd::kHospitality));
    EXPECT_FALSE(app::data_allows(*doc, app::cmd::kReaders));
    EXPECT_FALSE(app::data_allows(*doc, app::cmd::kExportPackage));
    EXPECT_FALSE(app::data_allows(*doc, app::cmd::kInvitationLetter));
    EXPECT_FALSE(app::panel_button_allowed(*doc, app::panel::kEditHistory));
}

TEST_F(RulesTest, CountsSettingsAndOurCongregationOpenTheirCommands) {
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Наше")}));
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1)}));
    write_text(
        dir / "vorla.ini",
        text::utf8_to_cp1251("[Congregation]\r\nNumber=1\r\n[Собрание]\r\nГостеприимство=1\r\n"));
    auto doc = open();
    EXPECT_FALSE(app::data_allows(*doc, app::cmd::kOurCongregation));  // exactly one congregation
    EXPECT_FALSE(app::data_allows(*doc, app::cmd::kExportPackage));    // one brother
    EXPECT_TRUE(app::data_allows(*doc, app::cmd::kChairmen));
    EXPECT_TRUE(app::data_allows(*doc, app::cmd::kHospitality));
    EXPECT_FALSE(app::data_allows(*doc, app::cmd::kReaders));
    EXPECT_TRUE(app::data_allows(*doc, app::cmd::kInvitationLetter));
    EXPECT_TRUE(app::panel_button_allowed(*doc, app::panel::kEditHistory));

    write_bytes(dir / "cong.dat",
                slot_file({congregation_bytes(1, "Наше"), congregation_bytes(2, "Другое")}));
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1),
                                                 brother_bytes(2, "Олег", "Сидоров", 2)}));
    doc->reload_all();
    EXPECT_TRUE(app::data_allows(*doc, app::cmd::kOurCongregation));
    EXPECT_TRUE(app::data_allows(*doc, app::cmd::kExportPackage));
}
