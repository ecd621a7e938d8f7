#include "core/app/help_pages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <sstream>

using vorla::app::help_page_for;
using vorla::schedule::PageKind;

namespace {

const std::filesystem::path kHelp =
    std::filesystem::path(VORLA_TEST_DATA_DIR) / "../../src/resources/help";

std::string help_file(const std::string& name) {
    std::ifstream in(kHelp / name);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

std::set<std::string> links_of(const std::string& html) {
    static const std::regex href("href=\"([^\"#]+\\.html)");
    std::set<std::string> out;
    for (auto it = std::sregex_iterator(html.begin(), html.end(), href);
         it != std::sregex_iterator(); ++it)
        out.insert((*it)[1]);
    return out;
}

}  // namespace

TEST(HelpPages, EveryWindowAndSheetPageOpensAPageOfItsOwnThatExists) {
    EXPECT_EQ(help_page_for("vorla::gui::BrotherEditorDialog"), "brother.html");
    EXPECT_EQ(help_page_for("vorla::gui::SomethingNew"), "index.html");
    std::set<std::string> dialogs;
    for (const char* window : {"AvailabilityDialog",     "BrotherEditorDialog",
                               "BrotherListDialog",      "CongregationEditorDialog",
                               "CongregationListDialog", "MapDialog",
                               "NameListDialog",         "TalkChooserDialog",
                               "TalkEditorDialog",       "OurCongregationDialog",
                               "LocalRoleListDialog",    "FontChooser",
                               "WeekRangeDialog",        "CongregationChooserDialog",
                               "SpeakerPickerDialog",    "TalkPickerDialog",
                               "WeekCongregationDialog", "ContactsDialog",
                               "BackupDialog",           "FolderChooserDialog",
                               "SettingsDialog",         "MainWindow",
                               "WeekEditorDialog",       "SpeakerHistoryDialog",
                               "TalkHistoryDialog",      "EventDialog",
                               "WishListDialog"}) {
        const std::string page = help_page_for(window);
        EXPECT_TRUE(std::filesystem::is_regular_file(kHelp / page)) << window << ": " << page;
        EXPECT_TRUE(dialogs.insert(page).second) << window << " shares " << page;
    }
    for (PageKind kind :
         {PageKind::summary, PageKind::local_talks, PageKind::chairmen, PageKind::hospitality,
          PageKind::readers, PageKind::outgoing, PageKind::events}) {
        const std::string page = help_page_for(kind);
        EXPECT_TRUE(std::filesystem::is_regular_file(kHelp / page)) << page;
        EXPECT_TRUE(dialogs.insert(page).second) << page;
    }
}

TEST(HelpPages, EveryLinkLeadsToAPageAndTheContentsReachEveryPage) {
    const std::set<std::string> contents = links_of(help_file("index.html"));
    int pages = 0;
    for (const auto& entry : std::filesystem::directory_iterator(kHelp)) {
        const std::string name = entry.path().filename().string();
        if (entry.path().extension() != ".html") continue;
        ++pages;
        if (name != "index.html") {
            EXPECT_TRUE(contents.contains(name)) << name;
        }
        for (const std::string& target : links_of(help_file(name)))
            EXPECT_TRUE(std::filesystem::is_regular_file(kHelp / target))
                << name << " -> " << target;
    }
    EXPECT_GT(pages, 30);
}
