#include "core/reports/schedule_report.h"

#include <gtest/gtest.h>

#include <ostream>

#include "core/reports/band.h"
#include "core/reports/paper.h"
#include "report_fixture.h"

namespace vorla::reports {
// Readable failures: the item as its fields.
void PrintTo(const TextItem& t, std::ostream* os) {
    *os << "{" << t.x << ", " << t.y << ", \"" << t.text << "\", font " << int(t.font)
        << ", colour " << t.colour << ", h " << int(t.h) << ", v " << int(t.v) << "}";
}
void PrintTo(const Band& b, std::ostream* os) {
    *os << "{" << b.rect.left << ", " << b.rect.top << ", " << b.rect.right << ", " << b.rect.bottom
        << " fill " << b.fill << "}";
}
}  // namespace vorla::reports

using namespace vorla;
using namespace vorla::reports;
using namespace vorla::testing;
using calendar::WeekIndex;
using F = FontId;

namespace {

constexpr auto R = HAlign::right;
constexpr auto C = HAlign::centre;
constexpr auto L = HAlign::left;

struct ScheduleTest : ReportData {
    settings::ReportFonts fonts{"rus"};

    DisplayList screen(const store::Document& doc, int weeks, WeekIndex first = kThisIndex) {
        return layout_schedule(doc, fonts, {first, weeks}, Device::screen());
    }
    DisplayList paper(const store::Document& doc, int weeks, int dpi = 600,
                      WeekIndex first = kThisIndex) {
        return layout_schedule(doc, fonts, {first, weeks}, Device::printer(dpi, dpi));
    }
    // The first text of a page with exactly this text; "missing: ..." at -1, -1 when none.

    // The ordinary week of the fixture: Иван Петров of Северное with talk 12, chairman Пётр Иванов.
    void ordinary_week(std::uint16_t number) {
        weeks.push_back(week_record(number)
                            .u16(week_at::kSpeaker, 1)
                            .u16(week_at::kTalk, 12)
                            .u16(week_at::kSpeakerCong, 2)
                            .u16(week_at::kChairman, 3));
    }
    // A week with every one of the six outgoing slots filled.
    void full_week(std::uint16_t number) {
        FixtureBytes w = week_record(number)
                             .u16(week_at::kSpeaker, 1)
                             .u16(week_at::kTalk, 12)
                             .u16(week_at::kSpeakerCong, 2)
                             .u16(week_at::kChairman, 3);
        for (std::size_t k = 0; k < 6; ++k) {
            w.u16(week_at::out_speaker(k), static_cast<std::uint16_t>(5 + k))
                .u16(week_at::out_cong(k), 2)
                .u16(week_at::out_talk(k), static_cast<std::uint16_t>(20 + k));
        }
        weeks.push_back(w);
    }
};

TEST_F(ScheduleTest, OneOrdinaryWeekOnTheScreenIsOnePageWithTitleAndOneBlock) {
    write_reference_data();
    ordinary_week(kThisWeek);
    auto doc = open();
    set_talk_title(*doc, 12, "Как найти мир");
    const DisplayList list = screen(*doc, 1);

    ASSERT_EQ(list.pages.size(), 1u);
    EXPECT_EQ(list.page_width, 768);
    EXPECT_EQ(list.page_height, 1056);
    const Page& p = list.pages[0];
    // 96 dpi: top margin 32 + 48 = 80, left margin 19, line 16; the block line is 4 lines
    // below the title, its date line a quarter inch above it.
    const std::vector<TextItem> expected = {
        {384, 80, "Расписание публичных встреч", F::title, 0, C},
        {19, 120, "Дек 13, 2026", F::date, 0, L},
        {163, 120, "Как найти мир", F::talk_title, 0, L},
        {28, 144, "Докладчик", F::captions, 0, L, VAlign::bottom, 83},
        {384, 144, "Собрание", F::captions, 0, R},
        {28, 160, "Председатель", F::captions, 0, L, VAlign::bottom, 83},
        {115, 144, "Иван Петров", F::speakers, 0, L},
        {403, 144, "Северное", F::text, 0, L},
        {739, 144, "Речь 12", F::text, 0, R},
        {115, 160, "Пётр Иванов", F::text, 0, L},
    };
    EXPECT_EQ(p.texts, expected);
    EXPECT_TRUE(p.bands.empty());  // the clean style draws no band
    EXPECT_TRUE(p.lines.empty());
}

TEST_F(ScheduleTest, OnPaperAt600DpiEverythingScalesAndThePrintDateShows) {
    write_reference_data();
    ordinary_week(kThisWeek);
    auto doc = open();
    change_settings(*doc, [](settings::Settings& s) {
        s.print_date = true;
        s.background_style = settings::BackgroundStyle::grey;
    });
    const DisplayList list = paper(*doc, 1);
    ASSERT_EQ(list.pages.size(), 1u);
    EXPECT_EQ(list.height(F::title), 169);  // 27 x 600 / 96 = 168.75
    EXPECT_EQ(list.height(F::date), 119);
    EXPECT_EQ(list.height(F::captions), 81);
    EXPECT_EQ(list.height(F::print_date), 56);
    const Page& p = list.pages[0];
    // Top margin 200 + 300, left margin 120, line 100, band from 114 to 2400 + 2400 + 120 - 180.
    const std::vector<Band> bands = {{{114, 325, 4740, 506}, kLightGrey},
                                     {{114, 624, 4740, 756}, kLightGrey}};
    EXPECT_EQ(p.bands, bands);
    const std::vector<TextItem> head = {
        {4650, 0, "Напечатано 07 дек 2026", F::print_date, 0, R, VAlign::top},
        {2400, 500, "Расписание публичных встреч", F::title, 0, C},
        {120, 750, "Дек 13, 2026", F::date, 0, L},
    };
    EXPECT_EQ(std::vector<TextItem>(p.texts.begin(), p.texts.begin() + 3), head);
    // Captions before a value keep a twentieth of an inch clear of it: 720 - 180 - 30.
    EXPECT_EQ(item(p, "Докладчик"),
              (TextItem{180, 900, "Докладчик", F::captions, 0, L, VAlign::bottom, 510}));
    EXPECT_EQ(item(p, "Собрание"), (TextItem{2400, 900, "Собрание", F::captions, 0, R}));
    EXPECT_EQ(item(p, "Иван Петров"), (TextItem{720, 900, "Иван Петров", F::speakers, 0, L}));
    EXPECT_EQ(item(p, "Северное"), (TextItem{2520, 900, "Северное", F::text, 0, L}));
    EXPECT_EQ(item(p, "Речь 12"), (TextItem{4620, 900, "Речь 12", F::text, 0, R}));
    EXPECT_EQ(item(p, "Пётр Иванов"), (TextItem{720, 1000, "Пётр Иванов", F::text, 0, L}));
}

TEST_F(ScheduleTest, ThePrintDateIsDrawnOnPaperOnlyAndOnlyWithItsSetting) {
    write_reference_data();
    ordinary_week(kThisWeek);
    auto doc = open();
    const auto has_date = [](const DisplayList& l) {
        return l.pages[0].texts[0].font == F::print_date;
    };
    EXPECT_FALSE(has_date(paper(*doc, 1)));
    change_settings(*doc, [](settings::Settings& s) { s.print_date = true; });
    EXPECT_FALSE(has_date(screen(*doc, 1)));
    EXPECT_TRUE(has_date(paper(*doc, 1, 96)));
    EXPECT_EQ(paper(*doc, 1, 300).pages[0].texts[0].x, 2325);
}

TEST_F(ScheduleTest, BlocksFollowEachOtherByFourLinesAndAHalfPlusTheirOutgoingLines) {
    write_reference_data();
    ordinary_week(kThisWeek);
    // Slots 1 and 3 filled, slot 2 left empty: the two print on consecutive lines, as the
    // block's height counts them.
    weeks.push_back(week_record(kThisWeek + 1)
                        .u16(week_at::out_speaker(0), 5)
                        .u16(week_at::out_cong(0), 2)
                        .u16(week_at::out_talk(0), 33)
                        .u16(week_at::out_speaker(2), 6)
                        .u16(week_at::out_cong(2), 3));
    ordinary_week(kThisWeek + 2);
    auto doc = open();
    const Page p = screen(*doc, 3).pages.at(0);
    std::vector<int> date_lines;
    for (const TextItem& t : p.texts) {
        if (t.font == F::date) date_lines.push_back(t.y);
    }
    // 144 + 64 + 8 = 216; then 216 + (2 + 4) x 16 + 8 = 320; date lines a quarter inch higher.
    EXPECT_EQ(date_lines, (std::vector<int>{120, 192, 296}));
    // Outgoing lines from two lines below the block line: 216 + 2 x 16 and 216 + 3 x 16.
    EXPECT_EQ(item(p, "Борис Волков"), (TextItem{163, 248, "Борис Волков", F::text, 0, L}));
    EXPECT_EQ(item(p, "Северное ( 10:00 - Вос )"),
              (TextItem{403, 248, "Северное ( 10:00 - Вос )", F::text, 0, L}));
    EXPECT_EQ(item(p, "Речь 33"), (TextItem{739, 248, "Речь 33", F::text, 0, R}));
    EXPECT_EQ(item(p, "Глеб Зайцев"), (TextItem{163, 264, "Глеб Зайцев", F::text, 0, L}));
    EXPECT_EQ(item(p, "Южное ( Сре )"), (TextItem{403, 264, "Южное ( Сре )", F::text, 0, L}));
    int outgoing_captions = 0;
    int in_captions = 0;
    for (const TextItem& t : p.texts) {
        if (t.text == "Уходящий докладчик") {
            ++outgoing_captions;
            EXPECT_EQ(t.x, 28);
            EXPECT_EQ(t.max_width, 163 - 28 - 4);  // clear of the outgoing speaker's name
        }
        if (t.text == "в") {
            ++in_captions;
            EXPECT_EQ(t.x, 384);
            EXPECT_EQ(t.h, R);
        }
    }
    EXPECT_EQ(outgoing_captions, 2);
    EXPECT_EQ(in_captions, 2);
    // The title, 8 texts of each ordinary week (no talk title), and the middle week's date,
    // its two captions and 5 + 4 outgoing texts: empty names draw nothing.
    EXPECT_EQ(p.texts.size(), 1u + 8u + 12u + 8u);
}

TEST_F(ScheduleTest, TheOddYearArrangementOfADestinationAppliesInItsWeeks) {
    write_reference_data();
    // Monday 28 December 2026 belongs to 2027: Северное meets on Saturday at 18:30.
    weeks.push_back(
        week_record(kThisWeek + 3).u16(week_at::out_speaker(0), 5).u16(week_at::out_cong(0), 2));
    auto doc = open();
    const Page p = screen(*doc, 1, WeekIndex(kThisWeek + 2)).pages.at(0);
    EXPECT_TRUE(has(p, "Северное ( 18:30 - Суб )"));
}

TEST_F(ScheduleTest, PagesHoldThirteenPlainWeeksOrFiveFullOnesAtBothResolutions) {
    write_reference_data();
    for (int k = 0; k < 52; ++k)
        full_week(static_cast<std::uint16_t>(kThisWeek + k));
    auto doc = open();
    const auto sizes = [&](const Device& d) {
        const DisplayList l = layout_schedule(*doc, fonts, {kThisIndex, 52}, d);
        std::vector<int> out;
        for (const Page& p : l.pages) {
            int n = 0;
            for (const TextItem& t : p.texts)
                n += t.font == F::date;
            out.push_back(n);
        }
        return out;
    };
    // (6n + 4n) x 16 + 80 <= 936 on the screen; (6n + 4n) x 100 + 500 <= 5700 at 600 dpi.
    const std::vector<int> full = {5, 5, 5, 5, 5, 5, 5, 5, 5, 5, 2};
    EXPECT_EQ(sizes(Device::screen()), full);
    EXPECT_EQ(sizes(Device::printer(600, 600)), full);
    // Leaving the outgoing speakers out: 4n x 16 + 80 <= 936 gives 13 a page.
    change_settings(*doc, [](settings::Settings& s) { s.skip_outgoing = true; });
    EXPECT_EQ(sizes(Device::screen()), (std::vector<int>{13, 13, 13, 13}));
    EXPECT_EQ(sizes(Device::printer(600, 600)), (std::vector<int>{13, 13, 13, 13}));
}

TEST_F(ScheduleTest, PaperHoldsAQuarterInchLessThanTheScreen) {
    write_reference_data();
    auto doc = open();
    // A top margin of 127: 4n x 16 + 127 <= 936 holds for 12 weeks.
    EXPECT_EQ(paginate_schedule(*doc, {kThisIndex, 13}, 16, 127, Device::screen()),
              (std::vector<int>{12, 1}));
    // Exactly on the limit still fits: 13 x 64 + 104 = 936.
    EXPECT_EQ(paginate_schedule(*doc, {kThisIndex, 13}, 16, 104, Device::screen()),
              (std::vector<int>{13}));
    EXPECT_EQ(paginate_schedule(*doc, {kThisIndex, 13}, 16, 104, Device::printer(96, 96)),
              (std::vector<int>{12, 1}));
}

// The page's top sits a quarter inch down the sheet. A4 has room below the whole page; on
// Letter the sheet ends with the page, and a full page of 13 weeks would end 0.08 inch from
// its edge, where printers clip: there the page breaks a week earlier.
TEST_F(ScheduleTest, AFullPageEndsAQuarterInchAboveTheSheetsEdgeOnEveryPaper) {
    write_reference_data();
    for (int k = 0; k < 26; ++k)
        ordinary_week(static_cast<std::uint16_t>(kThisWeek + k));
    auto doc = open();
    change_settings(*doc, [](settings::Settings& s) { s.print_date = true; });
    const auto check = [&](Paper paper, int dpi) {
        const PagePlacement place = place_page(paper, dpi, dpi);
        const DisplayList list =
            layout_schedule(*doc, fonts, {kThisIndex, 26}, paper_device(place, dpi, dpi));
        std::vector<int> weeks;
        for (const Page& p : list.pages) {
            int lowest = 0;
            int n = 0;
            for (const TextItem& t : p.texts) {
                n += t.font == F::date;
                if (t.v == VAlign::bottom) lowest = std::max(lowest, t.y);
                EXPECT_GE(place.top + t.y, dpi / 4) << t.text;
            }
            EXPECT_LE(place.top + lowest, place.sheet_height - dpi / 4);
            weeks.push_back(n);
        }
        return weeks;
    };
    EXPECT_EQ(check(Paper::a4, 600), (std::vector<int>{13, 13}));
    EXPECT_EQ(check(Paper::a4, 96), (std::vector<int>{13, 13}));
    EXPECT_EQ(check(Paper::letter, 600), (std::vector<int>{12, 12, 2}));
    EXPECT_EQ(check(Paper::letter, 96), (std::vector<int>{12, 12, 2}));
}

TEST_F(ScheduleTest, AWeekTooTallForAnEmptyPageGetsAPageOfItsOwn) {
    write_reference_data();
    full_week(kThisWeek);
    full_week(kThisWeek + 1);
    auto doc = open();
    // Lines of 100 pixels at 96 dpi: one full week needs 10 x 100 + 80 > 936.
    EXPECT_EQ(paginate_schedule(*doc, {kThisIndex, 2}, 100, 80, Device::screen()),
              (std::vector<int>{1, 1}));
    settings::FontSpec huge = fonts.get(settings::FontRole::text);
    huge.height = -100;
    fonts.set(settings::FontRole::text, huge);
    EXPECT_EQ(screen(*doc, 2).pages.size(), 2u);
    // No weeks at all: one page with the title.
    EXPECT_EQ(paginate_schedule(*doc, {kThisIndex, 0}, 16, 80, Device::screen()),
              (std::vector<int>{0}));
}

TEST_F(ScheduleTest, AConventionShowsItsNameAndPutsOutgoingSpeakersOnTheSpeakerLine) {
    write_reference_data();
    weeks.push_back(week_record(kThisWeek)
                        .u16(week_at::kFlags, 0x03)
                        .u16(week_at::out_speaker(0), 5)
                        .u16(week_at::out_cong(0), 3));
    events.push_back(event_record(kThisWeek - 1, 0x02, "Областной конгресс", "Речь конгресса"));
    ordinary_week(kThisWeek + 1);
    auto doc = open();
    const Page p = screen(*doc, 2).pages.at(0);
    // A convention's name wins over its talk title.
    EXPECT_EQ(item(p, "Областной конгресс"),
              (TextItem{163, 120, "Областной конгресс", F::talk_title, 0, L}));
    EXPECT_FALSE(has(p, "Речь конгресса"));
    // Only the next week has "Докладчик" and "Собрание".
    int speaker_captions = 0;
    for (const TextItem& t : p.texts)
        speaker_captions += t.text == "Докладчик" || t.text == "Собрание";
    EXPECT_EQ(speaker_captions, 2);
    EXPECT_EQ(item(p, "Борис Волков"), (TextItem{163, 144, "Борис Волков", F::text, 0, L}));
    // The next block: (1 + 2) x 16 + 8 lower.
    EXPECT_EQ(item(p, "Иван Петров").y, 144 + 56);
}

TEST_F(ScheduleTest, AnOverseerVisitWithoutANameIsCalledРНВизитTwice) {
    write_reference_data();
    weeks.push_back(week_record(kThisWeek).u16(week_at::kFlags, 0x05));
    events.push_back(event_record(kThisWeek - 1, 0x04, "", ""));
    weeks.push_back(week_record(kThisWeek + 1).u16(week_at::kFlags, 0x05));
    events.push_back(event_record(kThisWeek, 0x04, "Алексей Орлов", "Как жить"));
    auto doc = open();
    const Page p = screen(*doc, 2).pages.at(0);
    EXPECT_EQ(item(p, "РН Визит"), (TextItem{163, 120, "РН Визит", F::talk_title, 0, L}));
    int named = 0;
    for (const TextItem& t : p.texts) {
        if (t.text == "РН Визит" && t.font == F::speakers) {
            ++named;
            EXPECT_EQ(t.x, 115);
            EXPECT_EQ(t.y, 144);
        }
    }
    EXPECT_EQ(named, 1);
    EXPECT_EQ(item(p, "Как жить").font, F::talk_title);
    EXPECT_EQ(item(p, "Алексей Орлов").font, F::speakers);
    EXPECT_EQ(item(p, "Докладчик").y, 144);
    EXPECT_FALSE(has(p, "Собрание"));
}

TEST_F(ScheduleTest, AnOtherEventHasASpeakerCaptionOnlyWithAName) {
    write_reference_data();
    weeks.push_back(week_record(kThisWeek).u16(week_at::kFlags, 0x09));
    events.push_back(event_record(kThisWeek - 1, 0x08, "", ""));
    weeks.push_back(week_record(kThisWeek + 1).u16(week_at::kFlags, 0x09));
    events.push_back(event_record(kThisWeek, 0x08, "Посещение", ""));
    auto doc = open();
    const Page p = screen(*doc, 2).pages.at(0);
    EXPECT_EQ(item(p, "Особое событие").font, F::talk_title);
    int captions = 0;
    for (const TextItem& t : p.texts) {
        if (t.text == "Докладчик") {
            ++captions;
            EXPECT_EQ(t.y, 216);
        }
    }
    EXPECT_EQ(captions, 1);
    // An event with only a name shows it as talk text and as speaker.
    EXPECT_EQ(item(p, "Посещение").font, F::talk_title);
}

TEST_F(ScheduleTest, WithoutTalkNumbersNoРечьIsDrawnAndTheWeekdayStays) {
    write_reference_data();
    weeks.push_back(week_record(kThisWeek)
                        .u16(week_at::kSpeaker, 1)
                        .u16(week_at::kTalk, 12)
                        .u16(week_at::out_speaker(0), 5)
                        .u16(week_at::out_cong(0), 2)
                        .u16(week_at::out_talk(0), 40));
    auto doc = open();
    change_settings(*doc, [](settings::Settings& s) { s.skip_talk_numbers = true; });
    const Page p = screen(*doc, 1).pages.at(0);
    for (const TextItem& t : p.texts)
        EXPECT_NE(t.text.rfind("Речь ", 0), 0u) << t.text;
    EXPECT_TRUE(has(p, "Северное ( 10:00 - Вос )"));
}

TEST_F(ScheduleTest, ReaderAndHostColumnsMoveApartWhenBothAreShown) {
    write_reference_data();
    weeks.push_back(week_record(kThisWeek)
                        .u16(week_at::kSpeaker, 1)
                        .u16(week_at::kReader, 4)
                        .u16(week_at::kHost, 30002));
    // An overseer visit that keeps its reader and hospitality.
    weeks.push_back(week_record(kThisWeek + 1)
                        .u16(week_at::kFlags, 0x65)
                        .u16(week_at::kReader, 4)
                        .u16(week_at::kHost, 30001));
    events.push_back(event_record(kThisWeek, 0x64, "", ""));
    auto doc = open();
    change_settings(*doc, [](settings::Settings& s) {
        s.readers_scheduled = true;
        s.show_readers = true;
        s.hospitality_scheduled = true;
    });
    Page p = screen(*doc, 2).pages.at(0);
    // Reader column 19 + 3.5 x 96, host column 19 + 6 x 96; captions a fifth of an inch left.
    EXPECT_EQ(item(p, "Андрей Смирнов"), (TextItem{355, 160, "Андрей Смирнов", F::text, 0, L}));
    EXPECT_EQ(item(p, "Чтец"), (TextItem{336, 160, "Чтец", F::captions, 0, R}));
    // The host's "~" only keeps him from automatic choice; the schedule shows his name.
    EXPECT_EQ(item(p, "Орловы"), (TextItem{595, 160, "Орловы", F::text, 0, L}));
    EXPECT_EQ(item(p, "Гостеприимство"), (TextItem{576, 160, "Гостеприимство", F::captions, 0, R}));
    // The visit keeps both captions and its host, but no reader's name.
    int reader_captions = 0;
    for (const TextItem& t : p.texts)
        reader_captions += t.text == "Чтец";
    EXPECT_EQ(reader_captions, 2);
    EXPECT_EQ(item(p, "Кузнецовы").y, 232);
    int reader_names = 0;
    for (const TextItem& t : p.texts)
        reader_names += t.text == "Андрей Смирнов";
    EXPECT_EQ(reader_names, 1);

    // Hospitality alone: its column at 4.5 inches; readers scheduled but not shown draw nothing.
    change_settings(*doc, [](settings::Settings& s) { s.show_readers = false; });
    p = screen(*doc, 2).pages.at(0);
    EXPECT_EQ(item(p, "Орловы").x, 451);
    EXPECT_EQ(item(p, "Гостеприимство").x, 432);
    EXPECT_FALSE(has(p, "Чтец"));
    EXPECT_FALSE(has(p, "Андрей Смирнов"));
}

TEST_F(ScheduleTest, EachBackgroundStyleDrawsItsBandAndTurnsTextWhiteOnDarkOnes) {
    write_reference_data();
    ordinary_week(kThisWeek);
    auto doc = open();
    set_talk_title(*doc, 12, "Как найти мир");
    const auto page_with = [&](settings::BackgroundStyle style, std::uint32_t colour) {
        change_settings(*doc, [&](settings::Settings& s) {
            s.background_style = style;
            s.background_colour = colour;
        });
        return screen(*doc, 1).pages.at(0);
    };
    const Rect title{18, 52, 758, 81};
    const Rect date{18, 100, 758, 121};

    Page p = page_with(settings::BackgroundStyle::black, 0);
    EXPECT_EQ(p.bands, (std::vector<Band>{{title, kBlack}, {date, kBlack}}));
    EXPECT_EQ(item(p, "Расписание публичных встреч").colour, kWhite);
    EXPECT_EQ(item(p, "Дек 13, 2026").colour, kWhite);
    EXPECT_EQ(item(p, "Как найти мир").colour, kWhite);
    EXPECT_EQ(item(p, "Иван Петров").colour, kBlack);

    p = page_with(settings::BackgroundStyle::white, 0);
    EXPECT_TRUE(p.bands.empty());
    const std::vector<Line> rules = {
        {18, 51, 758, 51}, {18, 80, 758, 80}, {18, 99, 758, 99}, {18, 120, 758, 120}};
    EXPECT_EQ(p.lines, rules);

    p = page_with(settings::BackgroundStyle::coloured, 0x646464);  // (100, 100, 100): dark
    EXPECT_EQ(p.bands.at(0).fill, 0x646464u);
    EXPECT_EQ(item(p, "Дек 13, 2026").colour, kWhite);
    p = page_with(settings::BackgroundStyle::coloured, 0x00C8C8);  // (200, 200, 0): light
    EXPECT_EQ(item(p, "Дек 13, 2026").colour, kBlack);
    p = page_with(settings::BackgroundStyle::coloured, 0);  // no colour chosen: nothing
    EXPECT_TRUE(p.bands.empty());
    EXPECT_TRUE(p.lines.empty());
    EXPECT_EQ(item(p, "Дек 13, 2026").colour, kBlack);
}

TEST_F(ScheduleTest, TheTitleAndTheMarginsComeFromTheSettings) {
    write_reference_data();
    ordinary_week(kThisWeek);
    auto doc = open();
    change_settings(*doc, [](settings::Settings& s) {
        s.schedule_title = "График";
        s.left_margin = 50;
        s.top_margin = 10;
        s.background_style = settings::BackgroundStyle::grey;
    });
    const Page p = paper(*doc, 1).pages.at(0);
    // Top margin 200 + 60; left margin 300; the band runs past the 8-inch page on the right.
    EXPECT_EQ(item(p, "График"), (TextItem{2400, 260, "График", F::title, 0, C}));
    EXPECT_EQ(p.bands.at(0).rect, (Rect{294, 85, 4920, 266}));
    EXPECT_EQ(item(p, "Дек 13, 2026"), (TextItem{300, 510, "Дек 13, 2026", F::date, 0, L}));
    EXPECT_EQ(item(p, "Докладчик").x, 360);
    EXPECT_EQ(item(p, "Речь 12").x, 4800);
}

TEST_F(ScheduleTest, FontColoursAreTheRolesOwnOffTheBand) {
    write_reference_data();
    ordinary_week(kThisWeek);
    auto doc = open();
    settings::FontSpec speakers = fonts.get(settings::FontRole::speakers);
    speakers.colour = 0x0000FF;
    fonts.set(settings::FontRole::speakers, speakers);
    const Page p = screen(*doc, 1).pages.at(0);
    EXPECT_EQ(item(p, "Иван Петров").colour, 0x0000FFu);
    EXPECT_EQ(item(p, "Северное").colour, kBlack);
}

TEST(BandColour, DarkUnlessBrightEnough) {
    EXPECT_FALSE(is_dark(0x00C8C8));  // 200 + 200 + 0 = 400 > 374
    EXPECT_TRUE(is_dark(0x646464));
    EXPECT_FALSE(is_dark(0xFC0000));  // blue 252
    EXPECT_TRUE(is_dark(0xFB0000));   // blue 251 alone
    EXPECT_TRUE(is_dark(0x7C7C7C));   // 372
    EXPECT_FALSE(is_dark(0x7D7D7D));  // 375
}

}  // namespace
