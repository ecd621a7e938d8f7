#include "core/app/help_pages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

using vorla::app::help_page_for;

namespace {

std::string help_file(const std::string& name) {
    std::ifstream in(std::filesystem::path(VORLA_TEST_DATA_DIR) / "../../src/resources/help" /
                     name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

}  // namespace

TEST(HelpPages, EveryDialogOpensASectionThatExists) {
    EXPECT_EQ(help_page_for("vorla::gui::BrotherEditorDialog"), "editing.html#brothers");
    EXPECT_EQ(help_page_for("SettingsDialog"), "settings.html");
    EXPECT_EQ(help_page_for("vorla::gui::SomethingNew"), "index.html");
    for (const char* window :
         {"MainWindow", "AboutDialog", "SettingsDialog", "AvailabilityDialog",
          "BrotherEditorDialog", "CongregationEditorDialog", "MapDialog", "NameListDialog",
          "TalkChooserDialog", "FontChooser", "WeekRangeDialog", "ReportView", "QPrintDialog",
          "ScheduleSheet", "SpeakerPickerDialog", "PackageImportDialog", "WeekEditorDialog",
          "SpeakerHistoryDialog", "TalkHistoryDialog"}) {
        const std::string page = help_page_for(window);
        const auto hash = page.find('#');
        const std::string html = help_file(page.substr(0, hash));
        ASSERT_FALSE(html.empty()) << window << ": " << page;
        if (hash != std::string::npos) {
            EXPECT_NE(html.find("<a name=\"" + page.substr(hash + 1) + "\">"), std::string::npos)
                << window << ": " << page;
        }
    }
}
