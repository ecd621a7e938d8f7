// The Russian string table as it is compiled into the program: the data, not the parser.
#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/text/cp1251.h"
#include "core/text/string_table.h"
#include "core/text/utf8.h"

extern const unsigned char vorla_strings_ru[];
extern const std::size_t vorla_strings_ru_size;

using vorla::text::StringTable;
using vorla::text::text;

namespace {

std::string_view embedded_source() {
    return {reinterpret_cast<const char*>(vorla_strings_ru), vorla_strings_ru_size};
}

// Every number first..last is present, non-empty and different from the others of the run.
void expect_complete_run(int first, int last) {
    std::set<std::string> seen;
    for (int n = first; n <= last; ++n) {
        EXPECT_TRUE(StringTable::builtin().contains(n)) << "text " << n << " is missing";
        EXPECT_FALSE(text(n).empty()) << "text " << n << " is empty";
        EXPECT_TRUE(seen.insert(text(n)).second) << "text " << n << " repeats " << text(n);
    }
}

void expect_distinct(const std::vector<int>& numbers, std::string_view what) {
    std::set<std::string> seen;
    for (const int n : numbers) {
        EXPECT_FALSE(text(n).empty()) << what << ": text " << n << " is empty";
        EXPECT_TRUE(seen.insert(text(n)).second)
            << what << ": text " << n << " repeats \"" << text(n) << "\"";
    }
}

}  // namespace

TEST(StringsRu, EveryLineParsesAndEveryTextFitsWindows1251) {
    std::string errors;
    const StringTable table = StringTable::parse(embedded_source(), &errors);
    EXPECT_TRUE(errors.empty()) << "bad lines:\n" << errors;
    ASSERT_GT(table.all().size(), 300u);
    for (const auto& [n, value] : table.all()) {
        EXPECT_TRUE(vorla::text::is_valid_utf8(value)) << "text " << n;
        // Texts end up in data files, the settings file and exports, all Windows-1251.
        EXPECT_TRUE(vorla::text::cp1251_can_hold(value)) << "text " << n << ": " << value;
    }
}

TEST(StringsRu, FileNameTextsAreTheDataFileNames) {
    const std::pair<int, std::string_view> files[] = {
        {1244, "speakers.dat"}, {1114, "xtend.dat"},    {1296, "cong.dat"},
        {1186, "circuit.dat"},  {1187, "talk.dat"},     {1188, "topic.dat"},
        {1189, "history.dat"},  {1190, "hospital.dat"}, {1115, "blackout.dat"},
        {1116, "special.dat"},  {1185, "wishlist.dat"}, {1287, "extend.dat"},
        {1251, "vorla.ini"},
    };
    for (const auto& [n, name] : files) {
        EXPECT_EQ(text(n), name) << "text " << n;
    }
    EXPECT_EQ(text(1198), "rus");
}

TEST(StringsRu, CalendarRunsAreCompleteAndAligned) {
    expect_complete_run(3, 14);
    expect_complete_run(1215, 1226);
    expect_complete_run(1252, 1258);
    // A run shifted by one place would still be complete; its ends would not match.
    EXPECT_EQ(text(3), "Января");
    EXPECT_EQ(text(14), "Декабря");
    EXPECT_EQ(text(1215), "Янв");
    EXPECT_EQ(text(1226), "Дек");
    EXPECT_EQ(text(1252), "Понедельник");
    EXPECT_EQ(text(1258), "Воскресенье");

    // The printed schedule shows a weekday by its first three letters.
    std::set<std::string> abbreviations;
    for (int n = 1252; n <= 1258; ++n) {
        EXPECT_TRUE(abbreviations.insert(vorla::text::left(text(n), 3)).second) << "text " << n;
    }
}

TEST(StringsRu, ChoiceListsAreComplete) {
    expect_complete_run(701, 710);    // default topics
    expect_complete_run(1126, 1130);  // heading background styles
    expect_complete_run(1266, 1271);  // talk picker recency lines
    expect_complete_run(1179, 1181);  // talk picker priorities
    expect_complete_run(1261, 1263);  // talks-we-need priorities
    expect_complete_run(1068, 1070);  // talks-we-need priority letters
    expect_complete_run(1036, 1039);  // assignment roles, text 1035 + type
    EXPECT_EQ(text(1126), "чистом");
    EXPECT_EQ(text(1130), "цветном");
}

TEST(StringsRu, SettingsSectionsAndKeysDoNotCollide) {
    // Two font roles sharing a section would overwrite each other's font.
    expect_distinct({1098, 1099, 1123, 1124, 1100, 1101, 1172, 1057, 1120, 1228},
                    "settings sections");
    expect_distinct({1034, 1042, 1192, 1273}, "keys of the congregation section");
    expect_distinct({1121, 1143, 1171, 1195, 1132, 1176, 1183}, "keys of the schedule section");
    expect_distinct({1229, 1230}, "keys of the backup section");
    EXPECT_EQ(text(1109), "Arial");
    EXPECT_EQ(text(1110), "Times New Roman");
}

TEST(StringsRu, EveryMenuCommandHasAPrompt) {
    const int commands[] = {
        32768, 32782, 32787, 32791, 32803, 32813, 32829, 32844, 32845, 32848, 32849,
        32850, 32851, 32854, 32855, 32856, 32857, 32858, 32859, 32860, 32861, 32864,
        32865, 32866, 32867, 32868, 32869, 32870, 32872, 32874, 32875, 32876, 32877,
        32878, 32880, 32883, 32885, 32887, 32888, 32890, 32891, 32893, 32894, 32895,
        32896, 57606, 57607, 57609, 57664, 57665, 57666, 57667, 57669,
    };
    for (const int id : commands) {
        const std::string& prompt = text(id);
        const std::size_t newline = prompt.find('\n');
        EXPECT_FALSE(prompt.substr(0, newline).empty()) << "command " << id << " has no prompt";
        // A prompt is a status-bar line and at most one tool-bar tip, never a menu label.
        if (newline != std::string::npos) {
            EXPECT_EQ(prompt.find('\n', newline + 1), std::string::npos) << "command " << id;
            EXPECT_FALSE(prompt.substr(newline + 1).empty()) << "command " << id;
        }
        EXPECT_EQ(prompt.find('&'), std::string::npos) << "command " << id << ": " << prompt;
    }
}

TEST(StringsRu, FormattedTextsCarryTheirPlaceholders) {
    const int one_argument[] = {
        1008, 1013, 1017, 1018, 1019, 1021, 1030, 1043, 1073, 1077, 1078, 1080, 1081, 1089,
        1090, 1091, 1092, 1097, 1125, 1133, 1134, 1137, 1144, 1145, 1149, 1150, 1154, 1163,
        1165, 1174, 1175, 1231, 1232, 1237, 1241, 1245, 1247, 1250, 1274, 1286, 1293, 1298,
    };
    for (const int n : one_argument) {
        EXPECT_NE(text(n).find("%1"), std::string::npos) << "text " << n << ": " << text(n);
        EXPECT_EQ(text(n).find("%2"), std::string::npos) << "text " << n << ": " << text(n);
    }
    for (const int n : {1009, 1088, 1164}) {
        EXPECT_NE(text(n).find("%1"), std::string::npos) << "text " << n;
        EXPECT_NE(text(n).find("%2"), std::string::npos) << "text " << n;
    }
}
