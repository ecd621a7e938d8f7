// Device scaling, page metrics, print sequences and the font commands.
#include <gtest/gtest.h>

#include "core/commands/command.h"
#include "core/reports/device.h"
#include "core/reports/font_commands.h"
#include "core/reports/page_metrics.h"
#include "core/reports/print_pages.h"
#include "core/reports/report_page.h"

using namespace vorla;
using namespace vorla::reports;
using vorla::commands::Command;

namespace {

TEST(DeviceFonts, PrintingScalesByResolutionRoundingHalvesAway) {
    EXPECT_EQ(mul_div(-27, 600, 96), -169);  // -168.75
    EXPECT_EQ(mul_div(-13, 600, 96), -81);   // -81.25
    EXPECT_EQ(mul_div(5, 1, 2), 3);
    EXPECT_EQ(mul_div(-5, 1, 2), -3);
    EXPECT_EQ(mul_div(7, 3, 0), 0);
    settings::FontSpec f = settings::default_font(settings::FontRole::title, "rus");
    f.width = 10;
    const settings::FontSpec printed = font_for_device(f, Device::printer(600, 300));
    EXPECT_EQ(printed.height, -84);  // -27 x 300 / 96 = -84.375
    EXPECT_EQ(printed.width, 63);    // 10 x 600 / 96 = 62.5
    EXPECT_EQ(printed.face, "Arial");
    // On the screen (even a finer one) a font is used as stored.
    EXPECT_EQ(font_for_device(f, Device::screen(120, 120)).height, -27);
}

TEST(PageMetricsTest, MarginsAndCentreAtBothResolutions) {
    settings::Settings s = settings::Settings::defaults();
    PageMetrics m = page_metrics(Device::screen(), s);
    EXPECT_EQ(m.top_margin, 80);
    EXPECT_EQ(m.left_margin, 19);
    EXPECT_EQ(m.centre_x, 384);
    EXPECT_EQ(m.page_height, 1056);
    m = page_metrics(Device::printer(600, 600), s);
    EXPECT_EQ(m.top_margin, 500);
    EXPECT_EQ(m.left_margin, 120);
    EXPECT_EQ(m.centre_x, 2400);
    EXPECT_EQ(m.page_width, 4800);
    // More than an inch of top margin counts as half an inch.
    EXPECT_EQ(top_margin(96, 99), 32 + 95);
    EXPECT_EQ(top_margin(96, 150), 32 + 48);
    EXPECT_EQ(top_margin(600, 0), 200);
}

TEST(PrintPages, ARangeOnceWithDriverCopiesElseOnceForEachCopy) {
    EXPECT_EQ(print_page_sequence(1, 3, 3, 2, true), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(print_page_sequence(1, 3, 3, 2, false), (std::vector<int>{1, 2, 3, 1, 2, 3}));
    EXPECT_EQ(print_page_sequence(2, 3, 5, 3, false), (std::vector<int>{2, 3, 2, 3, 2, 3}));
    // 0 means all pages; a range past the report stops at its last page.
    EXPECT_EQ(print_page_sequence(0, 0, 2, 1, false), (std::vector<int>{1, 2}));
    EXPECT_EQ(print_page_sequence(2, 9, 3, 1, false), (std::vector<int>{2, 3}));
    EXPECT_TRUE(print_page_sequence(4, 9, 3, 1, false).empty());
}

TEST(FontCommands, EachCommandOpensItsRoleWithItsCaption) {
    EXPECT_EQ(font_role_of_command(Command::font_title), settings::FontRole::title);
    EXPECT_EQ(font_role_of_command(Command::font_small), settings::FontRole::small_text);
    EXPECT_FALSE(font_role_of_command(Command::font_defaults));
    EXPECT_EQ(font_chooser_caption(Command::font_title), "Шрифт для заголовка расписания");
    EXPECT_EQ(font_chooser_caption(Command::font_text), "Шрифт для основного текста расписания");
}

TEST(FontCommands, OnlyAChangedFontRedrawsButTheColourIsAlwaysKept) {
    settings::ReportFonts fonts("rus");
    settings::FontSpec chosen = fonts.get(settings::FontRole::date);
    chosen.colour = 0x0000FF;
    EXPECT_FALSE(apply_font_choice(fonts, settings::FontRole::date, chosen));
    EXPECT_EQ(fonts.get(settings::FontRole::date).colour, 0x0000FFu);
    EXPECT_EQ(fonts.get(settings::FontRole::date).height, -19);

    chosen.height = -24;
    chosen.colour = 0;
    EXPECT_TRUE(apply_font_choice(fonts, settings::FontRole::date, chosen));
    EXPECT_EQ(fonts.get(settings::FontRole::date), chosen);
    EXPECT_EQ(fonts.get(settings::FontRole::title),
              settings::default_font(settings::FontRole::title, "rus"));
}

TEST(PrintDate, RussianMonthAbbreviationsAndTwoDigitDays) {
    EXPECT_EQ(printed_on_text({2026, 12, 7}, "rus"), "Напечатано 07 дек 2026");
    EXPECT_EQ(printed_on_text({2027, 5, 21}, "rus"), "Напечатано 21 май 2027");
    EXPECT_EQ(printed_on_text({2027, 5, 21}, "eng"), "Напечатано 21 May 2027");
}

}  // namespace

#include "core/reports/range_arguments.h"

namespace {

TEST(RangeArguments, TheWeekOfTheStartDateAndOneToFiftyTwoWeeks) {
    auto a = parse_range_arguments({{"--start", "2026-12-13"}, {"--weeks", "8"}});
    EXPECT_EQ(a.error, "");
    EXPECT_EQ(a.range.first,
              calendar::WeekIndex(1405));  // Sunday 13 December: the week of Monday the 7th
    EXPECT_EQ(a.range.weeks, 8);
    a = parse_range_arguments({{"--start", "2026-12-14"}, {"--weeks", "52"}});
    EXPECT_EQ(a.range.first, calendar::WeekIndex(1406));
    EXPECT_EQ(parse_range_arguments({{"--start", "2026-12-14"}, {"--weeks", "53"}}).error,
              "bad count for --weeks: 53 (expected 1 to 52)");
    EXPECT_NE(parse_range_arguments({{"--start", "2026-12-14"}, {"--weeks", "0"}}).error, "");
    EXPECT_NE(parse_range_arguments({{"--start", "2026-12-14"}, {"--weeks", "-3"}}).error, "");
    EXPECT_NE(parse_range_arguments({{"--start", "2026-12-14"}, {"--weeks", "4x"}}).error, "");
    EXPECT_EQ(parse_range_arguments({{"--start", "2026-02-30"}, {"--weeks", "4"}}).error,
              "bad date for --start: 2026-02-30 (expected YYYY-MM-DD, 2000-2099)");
    EXPECT_EQ(parse_range_arguments({{"--weeks", "4"}}).error, "--start YYYY-MM-DD is required");
    EXPECT_EQ(parse_range_arguments({{"--start", "2026-12-14"}}).error, "--weeks N is required");
}

// Weeks are counted from Monday 3 January 2000 (week 1) to the week of Monday 26 April 2038
// (week 2000); a date after it used to pass for that last week.
TEST(RangeArguments, OnlyTheCountedWeeksAndTheErrorSaysWhichTheyAre) {
    const std::string held = "the calendar holds the weeks from 2000-01-03 to 2038-05-02";
    const auto error = [](const char* start, const char* weeks) {
        return parse_range_arguments({{"--start", start}, {"--weeks", weeks}}).error;
    };
    EXPECT_EQ(error("2060-01-01", "4"), "bad date for --start: 2060-01-01 (" + held + ")");
    EXPECT_EQ(error("2038-05-03", "1"), "bad date for --start: 2038-05-03 (" + held + ")");
    // 1 and 2 January 2000 belong to the week before week 1.
    EXPECT_EQ(error("2000-01-02", "1"), "bad date for --start: 2000-01-02 (" + held + ")");
    EXPECT_EQ(error("2038-04-26", "2"),
              "--weeks 2 from 2038-04-26 runs past the last week (" + held + ")");
    const auto last = parse_range_arguments({{"--start", "2038-05-02"}, {"--weeks", "1"}});
    EXPECT_EQ(last.error, "");
    EXPECT_EQ(last.range.first, calendar::WeekIndex(1999));
    const auto first = parse_range_arguments({{"--start", "2000-01-03"}, {"--weeks", "52"}});
    EXPECT_EQ(first.error, "");
    EXPECT_EQ(first.range.first, calendar::WeekIndex(0));
    EXPECT_EQ(error("2037-05-04", "52"), "");  // weeks 1949 to 2000
}

}  // namespace
