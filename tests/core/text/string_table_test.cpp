#include <gtest/gtest.h>

#include "core/text/string_table.h"

using vorla::text::format_pattern;
using vorla::text::StringTable;

TEST(StringTableParse, EscapesBlanksCommentsAndNames) {
    std::string errors;
    const auto t = StringTable::parse(
        "# comment\n"
        "\n"
        "1 plain \"plain\"\n"
        "2\tlead_and_trail2 \" lead and trail \"\n"
        "3 escapes \"a\\nb\\tc\\\"d\\\\e\"\r\n"
        "40   empty   \"\"\n",
        &errors);
    EXPECT_TRUE(errors.empty()) << errors;
    EXPECT_EQ(t.get(1), "plain");
    EXPECT_EQ(t.get(2), " lead and trail ");
    EXPECT_EQ(t.get(3), "a\nb\tc\"d\\e");
    EXPECT_TRUE(t.contains(40));
    EXPECT_EQ(t.get(40), "");
    EXPECT_FALSE(t.contains(5));
    EXPECT_EQ(t.get(5), "");
    EXPECT_EQ(t.names(), (std::map<int, std::string>{
                             {1, "plain"}, {2, "lead_and_trail2"}, {3, "escapes"}, {40, "empty"}}));
}

TEST(StringTableParse, BadLinesAreReportedAndSkipped) {
    std::string errors;
    const auto t = StringTable::parse(
        "1 ok \"ok\"\n"
        "x name \"no number\"\n"
        "2 name unquoted\n"
        "3 name \"unterminated\n"
        "4 name \"bad escape \\q\"\n"
        "1 other \"repeated number\"\n"
        "5 name \"trailing\" junk\n"
        "6 \"no name\"\n"
        "7 Upper \"capital letter\"\n"
        "8 _lead \"underscore first\"\n"
        "9name \"no blank after the number\"\n"
        "10 name\"no blank after the name\"\n"
        "11 ok \"repeated name\"\n",
        &errors);
    EXPECT_EQ(t.all().size(), 1u);
    EXPECT_EQ(t.get(1), "ok");
    EXPECT_EQ(t.names().size(), 1u);
    EXPECT_EQ(errors,
              "line 2\nline 3\nline 4\nline 5\nline 6\nline 7\nline 8\nline 9\nline 10\n"
              "line 11\nline 12\nline 13\n");
}

TEST(StringTableFormat, ReplacesBothPlaceholdersEveryTime) {
    EXPECT_EQ(format_pattern("%1 назначен в%2 собрание.", "Иван Петров", " Северное"),
              "Иван Петров назначен в Северное собрание.");
    EXPECT_EQ(format_pattern("%1-%1 %3 %", "a"), "a-a %3 %");
    EXPECT_EQ(format_pattern("no args", "x", "y"), "no args");
}
