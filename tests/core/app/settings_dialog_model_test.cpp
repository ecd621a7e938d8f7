#include <gtest/gtest.h>

#include <functional>

#include "core/app/menu_model.h"
#include "core/app/settings_dialog_model.h"
#include "core/commands/command_prompt.h"
#include "core/text/cp1251.h"
#include "support/change_log.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla;
using namespace vorla::testing;
using vorla::text::cp1251_to_utf8;

namespace {

struct SettingsModelTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    store::Document doc{{dir.path(), {2026, 12, 7}, {}}, prompter};
};

}  // namespace

TEST_F(SettingsModelTest, BackgroundCyclesThroughFiveStylesAndColourOnlyWhenColoured) {
    app::SettingsDialogModel m(doc);
    const char* names[] = {"чистом", "сером", "черном", "белом", "цветном"};
    for (int press = 0; press < 6; ++press) {
        EXPECT_EQ(m.background_caption(),
                  std::string("Печать заголовков и дат на ") + names[press % 5] + " фоне");
        EXPECT_EQ(m.colour_visible(), press % 5 == 4);
        m.press_background();
    }
    // A colour chosen while not coloured falls back to the grey default.
    m.choose_colour(0x123456);
    EXPECT_EQ(m.values().background_colour, 0xC0C0C0u);
    while (m.values().background_style != settings::BackgroundStyle::coloured)
        m.press_background();
    m.choose_colour(0x123456);
    EXPECT_EQ(m.values().background_colour, 0x123456u);
}

TEST_F(SettingsModelTest, CancelWritesUnchangedValuesAndOkAnnouncesTheChange) {
    ChangeLog changes(doc);
    {
        app::SettingsDialogModel m(doc);
        m.values().readers_scheduled = true;  // changed on screen, then Cancel
        EXPECT_FALSE(m.close());
    }
    EXPECT_FALSE(doc.settings().readers_scheduled);
    EXPECT_TRUE(changes.quiet());
    EXPECT_NE(cp1251_to_utf8(read_text(dir / "vorla.ini")).find("Включите чтецов=0"),
              std::string::npos);
    {
        app::SettingsDialogModel m(doc);
        EXPECT_FALSE(m.show_readers_visible());
        m.values().readers_scheduled = true;
        EXPECT_TRUE(m.show_readers_visible());
        m.accept();
        EXPECT_TRUE(m.close());
    }
    EXPECT_TRUE(doc.settings().readers_scheduled);
    EXPECT_TRUE(changes.saw(store::Change::settings));
    EXPECT_NE(cp1251_to_utf8(read_text(dir / "vorla.ini")).find("Включите чтецов=1"),
              std::string::npos);
}

TEST_F(SettingsModelTest, OkKeepsOurCongregationAndOtherSections) {
    write_text(dir / "vorla.ini",
               text::utf8_to_cp1251("[Congregation]\r\nNumber=3\r\n[Шрифт]\r\nHeight=-20\r\n"));
    store::Document again({dir.path(), {2026, 12, 7}, {}}, prompter);
    app::SettingsDialogModel m(again);
    m.values().our_congregation = 99;  // not the dialog's to change
    m.accept();
    m.close();
    const std::string file = cp1251_to_utf8(read_text(dir / "vorla.ini"));
    EXPECT_NE(file.find("Number=3"), std::string::npos);
    EXPECT_NE(file.find("[Шрифт]\r\nHeight=-20"), std::string::npos);
}

TEST(MenuModel, PromptsAndTipsAreTheLinesOfTheCommandsText) {
    using vorla::commands::Command;
    EXPECT_EQ(commands::command_prompt(Command::local_talks),
              "Расписание речей для нашего собрания");
    EXPECT_EQ(commands::command_tip(Command::local_talks), "Местные речи");
    EXPECT_EQ(commands::command_tip(Command::availability), "");
    // Every menu command and panel command has a prompt.
    std::vector<Command> ids;
    const std::function<void(const std::vector<app::MenuItem>&)> walk = [&](const auto& items) {
        for (const auto& i : items) {
            if (i.command != Command::none) ids.push_back(i.command);
            walk(i.children);
        }
    };
    walk(app::main_menu());
    for (const auto& g : app::work_panel()) {
        for (const auto& b : g.buttons) {
            if (b.command != Command::none) ids.push_back(b.command);
            for (const auto& c : b.popup)
                ids.push_back(c.command);
        }
    }
    for (Command id : ids) {
        EXPECT_FALSE(commands::command_prompt(id).empty()) << static_cast<int>(id);
    }
}
