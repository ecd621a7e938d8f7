#include <gtest/gtest.h>

#include <ostream>

#include "core/reports/annual_check.h"
#include "core/reports/readers_list.h"
#include "core/reports/report_request.h"
#include "core/reports/talk_worksheet.h"
#include "report_fixture.h"

using namespace vorla;
using namespace vorla::reports;
using namespace vorla::testing;
using calendar::WeekIndex;
using F = FontId;

namespace {

constexpr auto L = HAlign::left;
constexpr auto B = VAlign::bottom;
constexpr std::uint32_t kItalicRed = kRed;

struct GridReports : ReportData {
    settings::ReportFonts fonts{"rus"};

    static int count_lines(const Page& page, bool horizontal) {
        int n = 0;
        for (const Line& l : page.lines)
            n += (l.y1 == l.y2) == horizontal;
        return n;
    }
    void heard(std::uint16_t number, std::uint16_t talk, std::uint16_t speaker = 1) {
        weeks.push_back(week_record(number)
                            .u16(week_at::kSpeaker, speaker)
                            .u16(week_at::kTalk, talk)
                            .u16(week_at::kSpeakerCong, 2));
    }
    // Talk 12 in December 2022, twice in 2026, in the coming January (the last planned week);
    // talk 50 this week, talk 30 next week, talk 40 on Monday 28 December (a week of 2027).
    // In 2021 and after the last planned week (no speaker) talk 12 does not count.
    void talk_history() {
        weeks.push_back(week_record(kThisWeek - 260).u16(week_at::kTalk, 12));
        heard(kThisWeek - 208, 12);
        heard(kThisWeek - 16, 12);
        heard(kThisWeek - 6, 12);
        heard(kThisWeek, 50);
        heard(kThisWeek + 1, 30);
        heard(kThisWeek + 3, 40);
        heard(kThisWeek + 4, 12);
        weeks.push_back(week_record(kThisWeek + 14).u16(week_at::kTalk, 12));
    }
};

TEST_F(GridReports, TheCheckListsTalksUpToTheFirstBlankUserPlace) {
    write_reference_data();
    auto doc = open();
    const auto rows = [&] { return annual_check(*doc).talks.size(); };
    EXPECT_EQ(rows(), 150u);  // the built-in 151 has no title
    for (int n = 151; n <= 155; ++n)
        set_talk_title(*doc, n, "Речь " + std::to_string(n));
    set_talk_title(*doc, 156, "   ");
    EXPECT_EQ(rows(), 155u);
    for (int n = 156; n <= 200; ++n)
        set_talk_title(*doc, n, "Речь " + std::to_string(n));
    EXPECT_EQ(rows(), 200u);
}

TEST_F(GridReports, LongTitlesBreakAtTheLastBlankWithinFiftyFiveCharacters) {
    const std::string t55(55, 'x');
    EXPECT_EQ(split_long_title(t55), std::make_pair(t55, std::string()));
    // A blank at the 56th character is not within the first 55.
    EXPECT_EQ(split_long_title("ab cd" + std::string(50, 'y') + " z"),
              std::make_pair(std::string("ab"), "cd" + std::string(50, 'y') + " z"));
    // Cyrillic counts characters, not bytes; without a blank the title breaks at 55.
    const std::string ya55 = [] {
        std::string s;
        for (int k = 0; k < 55; ++k)
            s += "я";
        return s;
    }();
    EXPECT_EQ(split_long_title(ya55 + "ёж"), std::make_pair(ya55, std::string("ёж")));
}

TEST_F(GridReports, AnnualCheckWithoutPlannedWeeksEndsWithTheCurrentYear) {
    write_reference_data();
    weeks.push_back(week_record(kThisWeek + 2).u16(week_at::kTalk, 12));  // no speaker
    auto doc = open();
    const AnnualCheck check = annual_check(*doc);
    EXPECT_EQ(check.latest_year, 2026);
    EXPECT_EQ(check.last_week, WeekIndex(kThisWeek - 1));
    EXPECT_EQ(check.talks[11][5].times, 0);
}

TEST_F(GridReports, AnnualCheckOnTheScreen) {
    write_reference_data();
    talk_history();
    auto doc = open();
    set_talk_title(*doc, 12, "Как найти настоящий мир и покой в неспокойном мире, полном тревог");
    set_talk_title(*doc, 30, "Вера в действии");
    const DisplayList list = layout_annual_check(*doc, fonts, Device::screen());

    // 150 talks, 36 rows a page.
    ASSERT_EQ(list.pages.size(), 5u);
    const Page& p = list.pages[0];
    // 96 dpi: top margin 80, left margin 19; the grid from 19 + 384 + 9 = 412 in columns of
    // 57, its top half an inch below the margin line, rows 24 high.
    EXPECT_EQ(item(p, "Названия речей публичных встреч").y, 80);
    EXPECT_EQ(p.lines.front(), (Line{412, 128, 754, 128, 2, kBlack}));
    EXPECT_EQ(count_lines(p, true), 37);
    EXPECT_EQ(count_lines(p, false), 7);
    EXPECT_EQ(p.lines[37], (Line{412, 128, 412, 992, 2, kBlack}));
    EXPECT_EQ(p.lines.back(), (Line{754, 128, 754, 992, 2, kBlack}));
    EXPECT_EQ(item(p, "2022"), (TextItem{421, 126, "2022", F::speakers}));
    EXPECT_EQ(item(p, "2027"), (TextItem{706, 126, "2027", F::speakers}));
    EXPECT_FALSE(has(p, "2021"));

    // Talk 12 in row 11 (line 128 + 264 + 18): its title split a quarter row around it.
    EXPECT_EQ(item(p, "12"), (TextItem{19, 410, "12", F::text}));
    EXPECT_EQ(item(p, "Как найти настоящий мир и покой в неспокойном мире,"),
              (TextItem{51, 404, "Как найти настоящий мир и покой в неспокойном мире,",
                        F::fixed_italic, kBlack, L, B, 357}));
    EXPECT_EQ(item(p, "полном тревог"),
              (TextItem{56, 416, "полном тревог", F::fixed_italic, kBlack, L, B, 352}));
    EXPECT_EQ(item(p, "Дек 18"), (TextItem{420, 410, "Дек 18", F::fixed}));
    EXPECT_EQ(item(p, "Ноя 01+"), (TextItem{644, 410, "Ноя 01+", F::fixed}));
    // The last planned week ends the count: talk 12 in March is left out.
    EXPECT_EQ(item(p, "Янв 10"), (TextItem{705, 410, "Янв 10", F::fixed_italic, kItalicRed}));
    // Next week is a coming one (talk 30, row 29).
    EXPECT_EQ(item(p, "Вера в действии"),
              (TextItem{51, 842, "Вера в действии", F::fixed_italic, kBlack, L, B, 357}));
    EXPECT_EQ(item(p, "Дек 20"), (TextItem{648, 842, "Дек 20", F::fixed_italic, kItalicRed}));
    EXPECT_EQ(item(p, "36").y, 128 + 35 * 24 + 18);
    EXPECT_FALSE(has(p, "37"));

    // Page 2 starts with talk 37 under its own title and heads; talk 40 in its fourth row
    // (Monday 28 December meets in 2027),
    // talk 50 (this week: not yet a coming one) in its fourteenth.
    const Page& p2 = list.pages[1];
    EXPECT_TRUE(has(p2, "Названия речей публичных встреч"));
    EXPECT_EQ(item(p2, "37").y, 146);
    EXPECT_EQ(item(p2, "Дек 13"), (TextItem{648, 146 + 13 * 24, "Дек 13", F::fixed}));
    EXPECT_EQ(item(p2, "Янв 03"), (TextItem{705, 218, "Янв 03", F::fixed_italic, kItalicRed}));
    EXPECT_EQ(item(p2, "2022").y, 126);
    // The last page has the 6 rows left: talks 145-150.
    const Page& last = list.pages[4];
    EXPECT_EQ(item(last, "145").y, 146);
    EXPECT_EQ(item(last, "150").y, 146 + 5 * 24);
    EXPECT_EQ(count_lines(last, true), 7);
    EXPECT_EQ(last.lines.back(), (Line{754, 128, 754, 272, 2, kBlack}));
}

TEST_F(GridReports, AnnualCheckOnPaperAt600Dpi) {
    write_reference_data();
    talk_history();
    auto doc = open();
    set_talk_title(*doc, 12, "Как найти настоящий мир и покой в неспокойном мире, полном тревог");
    for (int n = 151; n <= 200; ++n)
        set_talk_title(*doc, n, "Речь " + std::to_string(n));
    const DisplayList list = layout_annual_check(*doc, fonts, Device::printer(600, 600));

    // 200 talks: five full pages and 20 rows.
    ASSERT_EQ(list.pages.size(), 6u);
    const Page& p = list.pages[0];
    // Top margin 500, left margin 120; grid from 120 + 2400 + 60 = 2580 in columns of 360,
    // top 800, rows 150 high, texts 112 down a row.
    EXPECT_EQ(p.lines.front(), (Line{2580, 800, 4740, 800, 2, kBlack}));
    EXPECT_EQ(p.lines[36], (Line{2580, 6200, 4740, 6200, 2, kBlack}));
    EXPECT_EQ(item(p, "2022"), (TextItem{2640, 798, "2022", F::speakers}));
    EXPECT_EQ(item(p, "12"), (TextItem{120, 2562, "12", F::text}));
    EXPECT_EQ(item(p, "Как найти настоящий мир и покой в неспокойном мире,"),
              (TextItem{320, 2525, "Как найти настоящий мир и покой в неспокойном мире,",
                        F::fixed_italic, kBlack, L, B, 2230}));
    EXPECT_EQ(item(p, "полном тревог"),
              (TextItem{353, 2599, "полном тревог", F::fixed_italic, kBlack, L, B, 2197}));
    EXPECT_EQ(item(p, "Дек 18"), (TextItem{2630, 2562, "Дек 18", F::fixed}));
    EXPECT_EQ(item(p, "Ноя 01+"), (TextItem{4050, 2562, "Ноя 01+", F::fixed}));
    EXPECT_EQ(item(p, "Янв 10"), (TextItem{4430, 2562, "Янв 10", F::fixed_italic, kItalicRed}));
    EXPECT_EQ(list.height(F::fixed_italic), 81);
    EXPECT_TRUE(list.font(F::fixed_italic).italic);
    EXPECT_FALSE(list.font(F::fixed).italic);
    const Page& last = list.pages[5];
    EXPECT_EQ(item(last, "181").y, 912);
    EXPECT_EQ(item(last, "200").y, 912 + 19 * 150);
    EXPECT_EQ(last.lines.back(), (Line{4740, 800, 4740, 3800, 2, kBlack}));
}

// Weeks around this one: Иван Петров (note too long) last week with talk 12, Олег Сидоров
// (hidden note) this week, Иван asked for next week and confirmed for the week after, then an
// overseer visit and another event.
struct Worksheet : GridReports {
    std::unique_ptr<store::Document> worksheet_folder() {
        write_reference_data();
        write_bytes(
            dir / "speakers.dat",
            slot_file({brother_bytes(1, "Иван", "Петров", 2).text(120, "123-45-67").u16(206, 1),
                       brother_bytes(2, "Олег", "Сидоров", 1).u16(206, 2)}));
        FixtureBytes ivan(128), oleg(128);
        ivan.u16(0, 1).text(82, "Нужен проектор и экран для слайдов");
        oleg.u16(0, 2).text(82, "!не печатать");
        write_bytes(dir / "xtend.dat", concat({ivan, oleg}));
        heard(kThisWeek - 1, 12);
        weeks.push_back(week_record(kThisWeek)
                            .u16(week_at::kSpeaker, 2)
                            .u16(week_at::kSpeakerCong, 1)
                            .u16(8, kThisWeek));
        heard(kThisWeek + 1, 30);
        weeks.back().u16(8, kThisWeek);
        heard(kThisWeek + 2, 31);
        weeks.back().u16(8, kThisWeek).u16(10, kThisWeek);
        weeks.push_back(week_record(kThisWeek + 3).u16(week_at::kFlags, 0x05));
        weeks.push_back(week_record(kThisWeek + 4).u16(week_at::kFlags, 0x09));
        return open();
    }
};

TEST_F(Worksheet, RowsTellTalkSpeakerAndWhereTheArrangementStands) {
    auto doc = worksheet_folder();
    const auto rows = worksheet_rows(*doc, WeekIndex(kThisWeek - 2), 6);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_EQ(rows[0].date, "Дек 06, 2026");
    EXPECT_EQ(rows[0].talk, "12");
    EXPECT_EQ(rows[0].speaker, "Иван Петров");
    EXPECT_EQ(rows[0].congregation, "Северное");
    EXPECT_EQ(rows[0].phone, "123-45-67");
    EXPECT_EQ(rows[0].note, "Нужен проектор и экр");  // 20 characters
    // This week: no talk, and a note starting with "!" stays hidden although he was asked.
    EXPECT_EQ(rows[1].talk, "");
    EXPECT_EQ(rows[1].speaker, "Олег Сидоров");
    EXPECT_EQ(rows[1].congregation, "Центральное");
    EXPECT_EQ(rows[1].note, "");
    EXPECT_EQ(rows[2].note, "Запрос");
    EXPECT_EQ(rows[3].note, "Подтверждено");
    EXPECT_EQ(rows[4].speaker, "    РН Визит");
    EXPECT_EQ(rows[4].talk, "");
    EXPECT_EQ(rows[5].speaker, "    Особое событие");
    EXPECT_EQ(rows[5].date, "Янв 10, 2027");
    // At most 144 weeks, and none beyond the week window.
    EXPECT_EQ(worksheet_rows(*doc, WeekIndex(kThisWeek), 500).size(), 144u);
    EXPECT_EQ(worksheet_rows(*doc, doc->weeks().last() - 1, 36).size(), 2u);
}

TEST_F(Worksheet, GridColumnsAndHeadsOnTheScreenAndAt600Dpi) {
    auto doc = worksheet_folder();
    const DisplayList screen =
        layout_worksheet(*doc, fonts, WeekIndex(kThisWeek - 2), 6, Device::screen());
    ASSERT_EQ(screen.pages.size(), 1u);
    const Page& p = screen.pages[0];
    EXPECT_EQ(item(p, "Местные речи").y, 80);
    // Column lines 19, 99, 147, 339, 531, 627 and the right edge 755; 6 rows from 128.
    const std::vector<int> xs{19, 99, 147, 339, 531, 627, 755};
    ASSERT_EQ(p.lines.size(), 7u + 7u);
    for (std::size_t k = 0; k < xs.size(); ++k)
        EXPECT_EQ(p.lines[7 + k], (Line{xs[k], 128, xs[k], 272, 2, kBlack}));
    EXPECT_EQ(p.lines[6], (Line{19, 272, 755, 272, 2, kBlack}));
    const std::vector<TextItem> heads{
        {28, 126, "Неделя", F::captions},     {103, 126, "Речь", F::captions},
        {156, 126, "Докладчик", F::captions}, {348, 126, "Собрание", F::captions},
        {540, 126, "Телефон", F::captions},   {636, 126, "Примечания", F::captions}};
    EXPECT_EQ(std::vector<TextItem>(p.texts.begin() + 1, p.texts.begin() + 7), heads);
    EXPECT_EQ(item(p, "Дек 06, 2026"),
              (TextItem{28, 146, "Дек 06, 2026", F::fixed, kBlack, L, B, 67}));
    EXPECT_EQ(item(p, "12"), (TextItem{103, 146, "12", F::fixed, kBlack, L, B, 40}));
    EXPECT_EQ(item(p, "Подтверждено"),
              (TextItem{636, 146 + 3 * 24, "Подтверждено", F::fixed, kBlack, L, B, 115}));

    const DisplayList paper =
        layout_worksheet(*doc, fonts, WeekIndex(kThisWeek - 2), 6, Device::printer(600, 600));
    const Page& q = paper.pages[0];
    const std::vector<int> xs600{120, 620, 920, 2120, 3320, 3920, 4720};
    for (std::size_t k = 0; k < xs600.size(); ++k)
        EXPECT_EQ(q.lines[7 + k], (Line{xs600[k], 800, xs600[k], 1700, 2, kBlack}));
    EXPECT_EQ(item(q, "Речь"), (TextItem{650, 798, "Речь", F::captions}));
    EXPECT_EQ(item(q, "Иван Петров"),
              (TextItem{980, 912, "Иван Петров", F::fixed, kBlack, L, B, 1110}));
    EXPECT_EQ(item(q, "    РН Визит").y, 912 + 4 * 150);
}

TEST_F(Worksheet, ThirtySixRowsToAPage) {
    auto doc = worksheet_folder();
    const DisplayList list =
        layout_worksheet(*doc, fonts, WeekIndex(kThisWeek - 2), 37, Device::screen());
    ASSERT_EQ(list.pages.size(), 2u);
    EXPECT_EQ(count_lines(list.pages[0], true), 37);
    EXPECT_TRUE(has(list.pages[1], "Местные речи"));
    EXPECT_TRUE(has(list.pages[1], "Примечания"));
    // The 37th week, 35 weeks after this one, opens page 2.
    EXPECT_EQ(item(list.pages[1], "Авг 15, 2027").y, 146);
    EXPECT_EQ(count_lines(list.pages[1], true), 2);
    EXPECT_EQ(
        layout_worksheet(*doc, fonts, WeekIndex(kThisWeek), 500, Device::screen()).pages.size(),
        4u);
}

// Readers this week and the two after it and in the fifth and sixth week: five weeks, so
// both columns run three weeks.
struct Readers : GridReports {
    void reader(std::uint16_t number, std::uint16_t brother) {
        weeks.push_back(week_record(number).u16(week_at::kReader, brother));
    }
    void five_readers() {
        write_reference_data();
        reader(kThisWeek, 4);
        reader(kThisWeek + 1, 5);
        reader(kThisWeek + 2, 6);
        reader(kThisWeek + 4, 7);
        reader(kThisWeek + 5, 8);
    }
};

TEST_F(Readers, TwoColumnsOnTheScreenAndAt600Dpi) {
    five_readers();
    auto doc = open();
    const DisplayList list = layout_readers(*doc, fonts, Device::screen());
    ASSERT_EQ(list.pages.size(), 1u);
    const std::vector<TextItem> expected{
        {384, 80, "Чтецы СБ", F::title, kBlack, HAlign::centre},
        {28, 128, "Дек 13, 2026", F::speakers},
        {147, 128, "Андрей Смирнов", F::speakers, kBlack, L, B, 252},
        {28, 176, "Дек 20, 2026", F::speakers},
        {147, 176, "Борис Волков", F::speakers, kBlack, L, B, 252},
        {28, 224, "Дек 27, 2026", F::speakers},
        {147, 224, "Глеб Зайцев", F::speakers, kBlack, L, B, 252},
        {403, 128, "Янв 03, 2027", F::speakers},
        {403, 176, "Янв 10, 2027", F::speakers},
        {523, 176, "Денис Морозов", F::speakers, kBlack, L, B, 236},
        {403, 224, "Янв 17, 2027", F::speakers},
        {523, 224, "Егор Новиков", F::speakers, kBlack, L, B, 236},
    };
    EXPECT_EQ(list.pages[0].texts, expected);

    const DisplayList paper = layout_readers(*doc, fonts, Device::printer(600, 600));
    const Page& p = paper.pages[0];
    EXPECT_EQ(item(p, "Дек 13, 2026"), (TextItem{180, 800, "Дек 13, 2026", F::speakers}));
    EXPECT_EQ(item(p, "Андрей Смирнов"),
              (TextItem{920, 800, "Андрей Смирнов", F::speakers, kBlack, L, B, 1570}));
    EXPECT_EQ(item(p, "Егор Новиков"),
              (TextItem{3270, 1400, "Егор Новиков", F::speakers, kBlack, L, B, 1470}));
    EXPECT_EQ(item(p, "Янв 17, 2027"), (TextItem{2520, 1400, "Янв 17, 2027", F::speakers}));
}

TEST_F(Readers, TheLastRightRowIsLeftOutWhileItStillNeedsAReader) {
    write_reference_data();
    reader(kThisWeek, 4);
    reader(kThisWeek + 1, 5);
    reader(kThisWeek + 2, 6);
    reader(kThisWeek + 4, 7);
    auto doc = open();
    // Four readers: three weeks a column, the sixth week has no reader and needs one.
    ReaderColumns c = reader_columns(*doc);
    EXPECT_EQ(c.left.size(), 3u);
    EXPECT_EQ(c.right,
              (std::vector<WeekIndex>{WeekIndex(kThisWeek + 2), WeekIndex(kThisWeek + 3)}));
    EXPECT_FALSE(has(layout_readers(*doc, fonts, Device::screen()).pages[0], "Янв 17, 2027"));

    // A special week that keeps no reader needs none: it stays.
    weeks.push_back(week_record(kThisWeek + 5).u16(week_at::kFlags, 0x05));
    doc = open();
    c = reader_columns(*doc);
    EXPECT_EQ(c.right.back(), WeekIndex(kThisWeek + 4));
    // One that keeps its reader still needs one.
    weeks.back().u16(week_at::kFlags, 0x45);
    doc = open();
    EXPECT_EQ(reader_columns(*doc).right.size(), 2u);
}

TEST_F(GridReports, TheReportEntryLaysOutAndNamesEachKind) {
    write_reference_data();
    auto doc = open();
    const auto first_title = [&](ReportKind kind) {
        ReportRequest r{kind, WeekIndex(kThisWeek - 1), 36};
        EXPECT_EQ(layout_report(*doc, fonts, r, Device::screen()).pages[0].texts[0].text,
                  report_title(*doc, r));
        return report_title(*doc, r);
    };
    EXPECT_EQ(first_title(ReportKind::annual_check), "Названия речей публичных встреч");
    EXPECT_EQ(first_title(ReportKind::worksheet), "Местные речи");
    EXPECT_EQ(first_title(ReportKind::readers), "Чтецы СБ");
}

}  // namespace
