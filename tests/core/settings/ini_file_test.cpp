#include <gtest/gtest.h>

#include "core/settings/ini_file.h"
#include "core/text/cp1251.h"
#include "support/temp_dir.h"

using vorla::settings::IniFile;
using vorla::testing::read_text;
using vorla::testing::TempDir;
using vorla::testing::write_text;

TEST(IniFile, ReadsSectionsAndKeysIgnoringCaseAndBlanks) {
    const auto ini = IniFile::parse(
        "[Congregation]\r\n"
        "  Number = 7 \r\n"
        "[congregation]\r\n"
        "Other=x\r\n"
        "[Text]\r\n"
        "Title=\"  quoted  \"\r\n");
    EXPECT_EQ(ini.get_int("CONGREGATION", "number", 0), 7);
    EXPECT_EQ(ini.get_string("Text", "title", ""), "  quoted  ");
    EXPECT_EQ(ini.get_string("Text", "missing", "dflt"), "dflt");
    EXPECT_EQ(ini.get_int("Nope", "Number", 42), 42);
}

TEST(IniFile, IntegersTakeTheLeadingNumberLikeTheProfileFunctions) {
    const auto ini = IniFile::parse("[s]\na=12abc\nb=abc\nc=-5\nd=\ne=99999999999999999999\n");
    EXPECT_EQ(ini.get_int("s", "a", 1), 12);
    EXPECT_EQ(ini.get_int("s", "b", 1), 0);
    EXPECT_EQ(ini.get_int("s", "c", 1), -5);
    EXPECT_EQ(ini.get_int("s", "d", 1), 0);
    EXPECT_GT(ini.get_int("s", "e", 1), 0);  // no overflow into negatives
}

TEST(IniFile, MalformedLinesAreSkippedButKept) {
    auto ini = IniFile::parse("garbage line\n[s]\n=novalue\n; comment=1\nk=v\n[broken\nz=1\n");
    EXPECT_EQ(ini.get_string("s", "k", ""), "v");
    EXPECT_FALSE(ini.get("s", ""));
    EXPECT_FALSE(ini.get("s", "; comment"));
    EXPECT_EQ(ini.get_string("s", "z", ""), "1");  // "[broken" is no section header
    ini.set("s", "k", "w");
    EXPECT_EQ(ini.serialize(),
              "garbage line\r\n[s]\r\n=novalue\r\n; comment=1\r\nk=w\r\n[broken\r\nz=1\r\n");
}

TEST(IniFile, SetAddsKeysAtTheEndOfTheirSectionAndNewSectionsAtTheEnd) {
    auto ini = IniFile::parse("[a]\r\nx=1\r\n\r\n[b]\r\ny=2\r\n");
    ini.set("a", "z", "3");
    ini.set("c", "w", "4");
    ini.set_int("B", "Y", 5);
    EXPECT_EQ(ini.serialize(), "[a]\r\nx=1\r\nz=3\r\n\r\n[b]\r\ny=5\r\n[c]\r\nw=4\r\n");
}

TEST(IniFile, WrittenAsWindows1251AndReadBackFromEitherEncoding) {
    TempDir dir;
    IniFile ini;
    ini.set("Собрание", "Другой формат даты", "1");
    ASSERT_TRUE(ini.save(dir / "vorla.ini"));
    const std::string bytes = read_text(dir / "vorla.ini");
    EXPECT_EQ(bytes, vorla::text::utf8_to_cp1251("[Собрание]\r\nДругой формат даты=1\r\n"));
    EXPECT_EQ(IniFile::load(dir / "vorla.ini").get_int("собрание", "ДРУГОЙ формат даты", 0), 1);
    // A file saved as UTF-8 by a text editor reads the same.
    write_text(dir / "utf8.ini", "\xEF\xBB\xBF[Собрание]\nДругой формат даты=1\n");
    EXPECT_EQ(IniFile::load(dir / "utf8.ini").get_int("Собрание", "Другой формат даты", 0), 1);
}

TEST(IniFile, MissingFileIsEmpty) {
    TempDir dir;
    const auto ini = IniFile::load(dir / "none.ini");
    EXPECT_EQ(ini.serialize(), "");
    EXPECT_EQ(ini.get_int("a", "b", 3), 3);
}
