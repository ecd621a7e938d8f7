#include <gtest/gtest.h>

#include "core/settings/report_fonts.h"
#include "core/settings/settings.h"
#include "core/text/cp1251.h"

using namespace vorla::settings;

TEST(Settings, MissingKeysGiveTheDefaults) {
    const Settings s = read_settings(IniFile{});
    EXPECT_EQ(s.our_congregation, 0);
    EXPECT_EQ(s.left_margin, 20);
    EXPECT_EQ(s.top_margin, 50);
    EXPECT_EQ(s.schedule_title, "Расписание публичных встреч");
    EXPECT_EQ(s.background_style, BackgroundStyle::clean);
    EXPECT_EQ(s.background_colour, 0xC0C0C0u);
    EXPECT_TRUE(s.auto_cap);
    EXPECT_FALSE(s.readers_scheduled);
    EXPECT_EQ(s, Settings::defaults());
}

TEST(Settings, WrittenUnderTheRussianSectionsAndKeys) {
    Settings s = Settings::defaults();
    s.our_congregation = 12;
    s.alternate_date_format = true;
    s.hospitality_scheduled = true;
    s.background_style = BackgroundStyle::coloured;
    s.background_colour = 0x112233;
    s.schedule_title = "Наше расписание";
    IniFile ini;
    write_settings(ini, s);
    const std::string file = vorla::text::cp1251_to_utf8(ini.serialize());
    EXPECT_NE(file.find("[Congregation]\r\nNumber=12\r\n"), std::string::npos);
    EXPECT_NE(file.find("[Собрание]\r\nДругой формат даты=1\r\n"), std::string::npos);
    EXPECT_NE(file.find("Гостеприимство=1\r\n"), std::string::npos);
    EXPECT_NE(file.find("[Формат расписания]\r\n"), std::string::npos);
    EXPECT_NE(file.find("Фон=4\r\n"), std::string::npos);
    EXPECT_NE(file.find("Фон*=1122867\r\n"), std::string::npos);
    EXPECT_NE(file.find("[Набрать номер OK]\r\nРазрешенное=0\r\n"), std::string::npos);
    EXPECT_NE(file.find("[AutoCap]\r\nРазрешенное=1\r\n"), std::string::npos);
    EXPECT_EQ(read_settings(IniFile::parse(ini.serialize())), s);
}

TEST(Settings, OutOfRangeValuesAreHeldInRange) {
    const auto ini = IniFile::parse(vorla::text::utf8_to_cp1251(
        "[Формат расписания]\nФон=9\nВерхнее поле=250\n[Собрание]\nОтступ слева=-4\n"));
    const Settings s = read_settings(ini);
    EXPECT_EQ(s.background_style, BackgroundStyle::coloured);
    EXPECT_EQ(s.top_margin, 99);
    EXPECT_EQ(s.left_margin, 0);
}

TEST(Settings, ValuesThatWouldWrapAreUnset) {
    const auto ini = IniFile::parse(vorla::text::utf8_to_cp1251(
        "[Congregation]\nNumber=65538\n[Формат расписания]\nФон*=16777216\n"));
    const Settings s = read_settings(ini);
    EXPECT_EQ(s.our_congregation, 0);                                    // not congregation 2
    EXPECT_EQ(s.background_colour, Settings::kDefaultBackgroundColour);  // not black
    EXPECT_EQ(read_settings(IniFile::parse("[Congregation]\nNumber=-1\n")).our_congregation, 0);
    EXPECT_EQ(read_settings(IniFile::parse("[Congregation]\nNumber=65535\n")).our_congregation,
              65535);
}

TEST(Settings, DiallingValueIsIgnoredAndWrittenAsZero) {
    IniFile ini =
        IniFile::parse(vorla::text::utf8_to_cp1251("[Набрать номер OK]\nРазрешенное=1\n"));
    write_settings(ini, read_settings(ini));
    EXPECT_EQ(ini.get_int("Набрать номер OK", "Разрешенное", -1), 0);
}

TEST(BackupSettings, DefaultsToTheDataFolder) {
    IniFile ini;
    EXPECT_EQ(read_backup_settings(ini, "/data").path, "/data");
    write_backup_settings(ini, {"/media/usb/", true});
    const auto b = read_backup_settings(ini, "/data");
    EXPECT_EQ(b.path, "/media/usb/");
    EXPECT_TRUE(b.floppy);
    EXPECT_EQ(ini.get_int("Резерв", "Флоппи", 0), 1);
}

TEST(ReportFonts, WithoutSectionsDefaultsAreUsedAndEveryKeyWrittenAtExit) {
    ReportFonts fonts("rus");
    fonts.load(IniFile{});
    EXPECT_TRUE(fonts.forced());
    const FontSpec& title = fonts.get(FontRole::title);
    EXPECT_EQ(title.height, -27);
    EXPECT_EQ(title.weight, 700);
    EXPECT_EQ(title.pitch_and_family, 22);
    EXPECT_EQ(title.face, "Arial");
    EXPECT_EQ(title.charset, 204);
    EXPECT_TRUE(fonts.get(FontRole::talk_title).italic);
    EXPECT_EQ(fonts.get(FontRole::small_text).pitch_and_family, 34);
    IniFile ini;
    fonts.save(ini);
    EXPECT_EQ(ini.get_int("Шрифт заголовка", "Height", 0), -27);
    EXPECT_EQ(ini.get_string("Шрифт заголовка", "FaceName", ""), "Arial");
    EXPECT_EQ(ini.get_int("Мелкий шрифт", "PitchAndFamily", 0), 34);
    EXPECT_EQ(ini.get_int("Речь Шрифт", "Italic", -1), 1);
    EXPECT_EQ(ini.get_int("Шрифт", "Underline", -1), 0);
    EXPECT_EQ(ini.get_int("Шрифт", "RGB", -1), 0);
    EXPECT_EQ(ini.get_int("Дата Шрифт", "CharSet", 0), 204);
}

TEST(ReportFonts, StoredFontsAreReadAndOnlyChangesWritten) {
    IniFile ini = IniFile::parse(vorla::text::utf8_to_cp1251(
        "[Шрифт заголовка]\nHeight=-30\nWeight=400\nFaceName=Liberation Serif\nRGB=255\n"));
    ReportFonts fonts("rus");
    fonts.load(ini);
    EXPECT_TRUE(fonts.forced());  // the other six roles had no section
    const FontSpec& t = fonts.get(FontRole::title);
    EXPECT_EQ(t.height, -30);
    EXPECT_EQ(t.face, "Liberation Serif");
    EXPECT_EQ(t.colour, 255u);
    EXPECT_EQ(t.charset, 204);  // not stored: the language's set
    EXPECT_EQ(t.pitch_and_family, 0);

    // Once every role is stored, a save writes only what changed.
    fonts.save(ini);
    ReportFonts again("rus");
    again.load(ini);
    EXPECT_FALSE(again.forced());
    FontSpec changed = again.get(FontRole::date);
    changed.colour = 0x0000FF;
    again.set(FontRole::date, changed);
    IniFile before = ini;
    again.save(ini);
    EXPECT_EQ(ini.get_int("Дата Шрифт", "RGB", 0), 0xFF);
    before.set_int("Дата Шрифт", "RGB", 0xFF);
    EXPECT_EQ(ini.serialize(), before.serialize());
}

TEST(ReportFonts, ZeroHeightCountsAsNoFontAndFaceNamesAreCut) {
    ReportFonts fonts("rus");
    fonts.load(IniFile::parse(vorla::text::utf8_to_cp1251(
        "[Шрифт]\nHeight=0\nWeight=100\n"
        "[Мелкий шрифт]\nHeight=-11\nFaceName=ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789\n")));
    EXPECT_EQ(fonts.get(FontRole::text).weight, 400);
    EXPECT_EQ(fonts.get(FontRole::small_text).face.size(), 31u);
}

TEST(ReportFonts, ValuesOutOfTheirRangeAreUnsetNotWrapped) {
    ReportFonts fonts("rus");
    fonts.load(IniFile::parse(vorla::text::utf8_to_cp1251(
        "[Шрифт]\nHeight=4294967312\nWeight=400\n"
        "[Мелкий шрифт]\nHeight=-11\nWeight=70000\nCharSet=460\nRGB=-1\n")));
    // A height of 2^32 + 16 is no font at all (not 16): the default stands.
    EXPECT_EQ(fonts.get(FontRole::text), ReportFonts("rus").get(FontRole::text));
    const FontSpec& small = fonts.get(FontRole::small_text);
    EXPECT_EQ(small.height, -11);
    EXPECT_EQ(small.weight, 0);
    EXPECT_EQ(small.charset, 204);  // the language's
    EXPECT_EQ(small.colour, 0u);
}

TEST(ReportFonts, DefaultsRestoreAndForceAndColourAloneIsNotANewFont) {
    ReportFonts fonts("rus");
    FontSpec f = fonts.get(FontRole::speakers);
    FontSpec recoloured = f;
    recoloured.colour = 0x00FF00;
    EXPECT_TRUE(f.same_font(recoloured));
    recoloured.height = -20;
    EXPECT_FALSE(f.same_font(recoloured));
    fonts.set(FontRole::speakers, recoloured);
    fonts.reset_to_defaults();
    EXPECT_EQ(fonts.get(FontRole::speakers), default_font(FontRole::speakers, "rus"));
    EXPECT_TRUE(fonts.forced());
    EXPECT_EQ(charset_for_language("polish"), 238);
    EXPECT_EQ(charset_for_language("turkish"), 162);
    EXPECT_EQ(charset_for_language("greek"), 161);
    EXPECT_EQ(charset_for_language("eng"), 0);
    EXPECT_EQ(fixed_font("rus").height, -13);
}
