#include <gtest/gtest.h>

#include "core/text/string_table.h"

using vorla::text::format_pattern;
using vorla::text::StringTable;

TEST(StringTableParse, EscapesBlanksAndComments) {
    std::string errors;
    const auto t = StringTable::parse(
        "# comment\n"
        "\n"
        "1 \"plain\"\n"
        "2 \" lead and trail \"\n"
        "3 \"a\\nb\\tc\\\"d\\\\e\"\r\n"
        "40   \"\"\n",
        &errors);
    EXPECT_TRUE(errors.empty()) << errors;
    EXPECT_EQ(t.get(1), "plain");
    EXPECT_EQ(t.get(2), " lead and trail ");
    EXPECT_EQ(t.get(3), "a\nb\tc\"d\\e");
    EXPECT_TRUE(t.contains(40));
    EXPECT_EQ(t.get(40), "");
    EXPECT_FALSE(t.contains(5));
    EXPECT_EQ(t.get(5), "");
}

TEST(StringTableParse, BadLinesAreReportedAndSkipped) {
    std::string errors;
    const auto t = StringTable::parse(
        "1 \"ok\"\n"
        "x \"no number\"\n"
        "2 unquoted\n"
        "3 \"unterminated\n"
        "4 \"bad escape \\q\"\n"
        "1 \"duplicate\"\n"
        "5 \"trailing\" junk\n",
        &errors);
    EXPECT_EQ(t.all().size(), 1u);
    EXPECT_EQ(t.get(1), "ok");
    EXPECT_EQ(errors, "line 2\nline 3\nline 4\nline 5\nline 6\nline 7\n");
}

TEST(StringTableFormat, ReplacesBothPlaceholdersEveryTime) {
    EXPECT_EQ(format_pattern("%1 назначен в%2 собрание.", "Иван Петров", " Северное"),
              "Иван Петров назначен в Северное собрание.");
    EXPECT_EQ(format_pattern("%1-%1 %3 %", "a"), "a-a %3 %");
    EXPECT_EQ(format_pattern("no args", "x", "y"), "no args");
}
