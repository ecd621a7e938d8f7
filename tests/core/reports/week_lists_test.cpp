#include <gtest/gtest.h>

#include <ostream>

#include "core/reports/exchange_list.h"
#include "core/reports/invited_list.h"
#include "core/reports/local_assignments.h"
#include "core/reports/outgoing_list.h"
#include "core/reports/report_request.h"
#include "report_fixture.h"

using namespace vorla;
using namespace vorla::reports;
using namespace vorla::testing;
using calendar::WeekIndex;
using F = FontId;

namespace {

constexpr auto R = HAlign::right;
constexpr auto C = HAlign::centre;
constexpr auto L = HAlign::left;

// We are Центральное and meet on Sunday without a time. Северное meets on Sunday at 10:00 in
// even years and on Saturday at 18:30 in odd ones; Южное on Wednesday without a time.
struct WeekListsTest : ReportData {
    settings::ReportFonts fonts{"rus"};

    // Иван Петров of Северное has three numbers and an e-mail.
    void write_contacts() {
        write_reference_data();
        write_bytes(
            dir / "speakers.dat",
            slot_file({brother_bytes(1, "Иван", "Петров", 2).text(120, "123-45-67").u16(206, 1),
                       brother_bytes(2, "Олег", "Сидоров", 1),
                       brother_bytes(3, "Пётр", "Иванов", 1),
                       brother_bytes(4, "Андрей", "Смирнов", 1),
                       brother_bytes(5, "Борис", "Волков", 1)}));
        FixtureBytes ivan(128);
        ivan.u16(0, 1)
            .text(2, "8-900-123-45-67")
            .text(18, "8-495-000-11-22")
            .text(34, "ivan@example.org");
        write_bytes(dir / "xtend.dat", concat({ivan}));
    }

    // This week Иван Петров of Северное gives talk 12 here, Пётр Иванов chairs and goes to
    // Южное with talk 25, Андрей Смирнов reads, Олег Сидоров goes to Северное without a talk.
    // Next week Иван gives talk 30; the week after Пётр gives talk 40 here. In January (odd
    // year: Северное meets on Saturday) Пётр goes to Северное with talk 25.
    void write_weeks() {
        write_contacts();
        weeks.push_back(week_record(kThisWeek)
                            .u16(week_at::kSpeaker, 1)
                            .u16(week_at::kTalk, 12)
                            .u16(week_at::kSpeakerCong, 2)
                            .u16(week_at::kChairman, 3)
                            .u16(week_at::kReader, 4)
                            .u16(week_at::out_speaker(0), 3)
                            .u16(week_at::out_cong(0), 3)
                            .u16(week_at::out_talk(0), 25)
                            .u16(week_at::out_speaker(1), 2)
                            .u16(week_at::out_cong(1), 2));
        weeks.push_back(week_record(kThisWeek + 1)
                            .u16(week_at::kSpeaker, 1)
                            .u16(week_at::kTalk, 30)
                            .u16(week_at::kSpeakerCong, 2));
        weeks.push_back(week_record(kThisWeek + 2)
                            .u16(week_at::kSpeaker, 3)
                            .u16(week_at::kTalk, 40)
                            .u16(week_at::kSpeakerCong, 1));
        weeks.push_back(week_record(kThisWeek + 4)
                            .u16(week_at::out_speaker(0), 3)
                            .u16(week_at::out_cong(0), 2)
                            .u16(week_at::out_talk(0), 25));
    }

    std::unique_ptr<store::Document> open_ours() {
        auto doc = open();
        doc->set_our_congregation(1);
        return doc;
    }

    DisplayList layout(const store::Document& doc, ReportRequest request,
                       const Device& device = Device::screen()) {
        return layout_report(doc, fonts, request, device);
    }
    static ReportRequest request(ReportKind kind) {
        ReportRequest r;
        r.kind = kind;
        return r;
    }
    static ReportRequest invited(WeekIndex first, int weeks) {
        ReportRequest r = request(ReportKind::invited);
        r.first = first;
        r.weeks = weeks;
        return r;
    }
    static ReportRequest outgoing() { return request(ReportKind::outgoing); }
    static ReportRequest for_brother(std::uint16_t id) {
        ReportRequest r = request(ReportKind::local_assignments);
        r.brother = id;
        return r;
    }
    static ReportRequest exchange_with(std::uint16_t id) {
        ReportRequest r = request(ReportKind::exchange);
        r.congregation = id;
        return r;
    }

    // The texts of a page in one column, top to bottom.
    static std::vector<std::string> column(const Page& page, int x) {
        std::vector<std::string> texts;
        for (const TextItem& t : page.texts) {
            if (t.x == x) texts.push_back(t.text);
        }
        return texts;
    }
};

TEST_F(WeekListsTest, InvitedSpeakersAt96And600DpiWithTheirPhonesAndEmail) {
    write_weeks();
    auto doc = open_ours();
    const DisplayList list = layout(*doc, invited(kThisIndex, 5));
    ASSERT_EQ(list.pages.size(), 1u);
    // Top margin 80, left 19, a quarter inch 24: rows from 128, 48 apart, second lines 20
    // lower; the three numbers end at 739, each 115 left of the next. Пётр's record has no
    // number worth showing.
    const std::vector<TextItem> expected = {
        {384, 80, "Список приглашенных - приходящие докладчики", F::title, 0, C},
        {28, 128, "Дек 13, 2026", F::speakers, 0, L},
        {147, 128, "Иван Петров", F::speakers, 0, L},
        {51, 148, "Речь 12", F::speakers, 0, L},
        {163, 148, "Северное", F::speakers, 0, L},
        {509, 128, "123-45-67", F::speakers, 0, R},
        {624, 128, "8-900-123-45-67", F::speakers, 0, R},
        {739, 128, "8-495-000-11-22", F::speakers, 0, R},
        {739, 148, "ivan@example.org", F::speakers, 0, R},
        {28, 176, "Дек 20, 2026", F::speakers, 0, L},
        {147, 176, "Иван Петров", F::speakers, 0, L},
        {51, 196, "Речь 30", F::speakers, 0, L},
        {163, 196, "Северное", F::speakers, 0, L},
        {509, 176, "123-45-67", F::speakers, 0, R},
        {624, 176, "8-900-123-45-67", F::speakers, 0, R},
        {739, 176, "8-495-000-11-22", F::speakers, 0, R},
        {739, 196, "ivan@example.org", F::speakers, 0, R},
        {28, 224, "Дек 27, 2026", F::speakers, 0, L},
        {147, 224, "Пётр Иванов", F::speakers, 0, L},
        {51, 244, "Речь 40", F::speakers, 0, L},
        {163, 244, "Центральное", F::speakers, 0, L},
    };
    EXPECT_EQ(list.pages[0].texts, expected);

    // At 600 dpi: top margin 500, left 120, a quarter inch 150.
    const Page paper = layout(*doc, invited(kThisIndex, 5), Device::printer(600, 600)).pages.at(0);
    EXPECT_EQ(item(paper, "Дек 20, 2026"), (TextItem{180, 1100, "Дек 20, 2026", F::speakers}));
    EXPECT_EQ(item(paper, "Пётр Иванов"), (TextItem{920, 1400, "Пётр Иванов", F::speakers}));
    EXPECT_EQ(item(paper, "Речь 12"), (TextItem{320, 925, "Речь 12", F::speakers}));
    EXPECT_EQ(item(paper, "Центральное"), (TextItem{1020, 1525, "Центральное", F::speakers}));
    EXPECT_EQ(item(paper, "123-45-67"), (TextItem{3180, 800, "123-45-67", F::speakers, 0, R}));
    EXPECT_EQ(item(paper, "ivan@example.org"),
              (TextItem{4620, 925, "ivan@example.org", F::speakers, 0, R}));
}

TEST_F(WeekListsTest, InvitedSpeakersStopAfterEighteenListedWeeks) {
    write_contacts();
    // Thirty weeks with a speaker, but the third has none: it is passed over, not counted.
    for (int k = 0; k < 30; ++k) {
        FixtureBytes w = week_record(static_cast<std::uint16_t>(kThisWeek + k));
        if (k != 2)
            w.u16(week_at::kSpeaker, 2).u16(week_at::kTalk, static_cast<std::uint16_t>(k + 1));
        weeks.push_back(w);
    }
    auto doc = open_ours();
    const DisplayList list = layout(*doc, invited(kThisIndex, 30));
    ASSERT_EQ(list.pages.size(), 1u);
    const std::vector<std::string> talks = column(list.pages[0], 51);
    ASSERT_EQ(talks.size(), 18u);
    EXPECT_EQ(talks.front(), "Речь 1");
    EXPECT_EQ(talks.back(), "Речь 19");  // weeks 1-19 less the empty third
    EXPECT_EQ(item(list.pages[0], "Речь 19").y, 128 + 17 * 48 + 20);
}

TEST_F(WeekListsTest, OutgoingSpeakersTakeTheDestinationsDayTimeAndWeekday) {
    write_weeks();
    auto doc = open_ours();
    const DisplayList list = layout(*doc, outgoing());
    ASSERT_EQ(list.pages.size(), 1u);
    // Rows 48 apart from 128, second lines 21 lower. Южное meets on Wednesday without a time:
    // its weekday alone. Северное meets on Sunday as we do in 2026 (the time alone) and on
    // Saturday in 2027.
    const std::vector<TextItem> expected = {
        {384, 80, "Уходящие докладчики", F::title, 0, C},
        {28, 128, "Дек 09, 2026", F::speakers, 0, L},
        {147, 128, "Пётр Иванов", F::speakers, 0, L},
        {371, 128, "Речь 25", F::speakers, 0, L},
        {499, 128, "Южное", F::speakers, 0, L},
        {67, 149, "Среда", F::speakers, 0, L},
        {28, 176, "Дек 13, 2026", F::speakers, 0, L},
        {147, 176, "Олег Сидоров", F::speakers, 0, L},
        {499, 176, "Северное", F::speakers, 0, L},
        {67, 197, "10:00", F::speakers, 0, L},
        {28, 224, "Янв 09, 2027", F::speakers, 0, L},
        {147, 224, "Пётр Иванов", F::speakers, 0, L},
        {371, 224, "Речь 25", F::speakers, 0, L},
        {499, 224, "Северное", F::speakers, 0, L},
        {67, 245, "18:30 - Суббота", F::speakers, 0, L},
    };
    EXPECT_EQ(list.pages[0].texts, expected);

    const Page paper = layout(*doc, outgoing(), Device::printer(600, 600)).pages.at(0);
    EXPECT_EQ(item(paper, "Южное"), (TextItem{3120, 800, "Южное", F::speakers}));
    EXPECT_EQ(item(paper, "Речь 25"), (TextItem{2320, 800, "Речь 25", F::speakers}));
    EXPECT_EQ(item(paper, "18:30 - Суббота"),
              (TextItem{420, 1532, "18:30 - Суббота", F::speakers}));

    // In French the time stands in brackets; with neither a time nor another day, nothing.
    EXPECT_EQ(outgoing_time_line({"", "18:30", "Суббота"}, "french"), "(18:30) - Суббота");
    EXPECT_EQ(outgoing_time_line({"", "10:00", ""}, "french"), "(10:00)");
    EXPECT_EQ(outgoing_time_line({"", "", ""}, "rus"), "");
}

TEST_F(WeekListsTest, OutgoingSpeakersBreakPagesAtEighteenRowsOverAllFiftyFiveWeeks) {
    write_reference_data();
    // Four weeks with all six slots out (24 rows), one more in the last week looked at, and
    // one just after it.
    for (int k = 0; k < 4; ++k) {
        FixtureBytes w = week_record(static_cast<std::uint16_t>(kThisWeek + k));
        for (std::size_t s = 0; s < 6; ++s)
            w.u16(week_at::out_speaker(s), static_cast<std::uint16_t>(2 + s % 4))
                .u16(week_at::out_cong(s), 3);
        weeks.push_back(w);
    }
    for (int k : {54, 55}) {
        weeks.push_back(week_record(static_cast<std::uint16_t>(kThisWeek + k))
                            .u16(week_at::out_speaker(0), 2)
                            .u16(week_at::out_cong(0), 3)
                            .u16(week_at::out_talk(0), static_cast<std::uint16_t>(k)));
    }
    auto doc = open_ours();
    const DisplayList list = layout(*doc, outgoing());
    ASSERT_EQ(list.pages.size(), 2u);
    for (const Page& p : list.pages) {
        ASSERT_FALSE(p.texts.empty());
        EXPECT_EQ(p.texts[0].text, "Уходящие докладчики");
    }
    const std::vector<std::string> first = column(list.pages[0], 499);
    const std::vector<std::string> second = column(list.pages[1], 499);
    EXPECT_EQ(first.size(), 18u);
    ASSERT_EQ(second.size(), 7u);
    EXPECT_EQ(item(list.pages[1], "Речь 54").y, 128 + 6 * 48);  // the week a year on
    EXPECT_EQ(item(list.pages[1], "Речь 55").x, -1);
    EXPECT_EQ(list.pages[1].texts[1], (TextItem{28, 128, "Дек 30, 2026", F::speakers}));

    // Nobody going out: the title alone.
    weeks.clear();
    auto empty = open_ours();
    const DisplayList none = layout(*empty, outgoing());
    ASSERT_EQ(none.pages.size(), 1u);
    EXPECT_EQ(none.pages[0].texts.size(), 1u);
}

TEST_F(WeekListsTest, ALocalBrothersWeeksWithEachOutgoingTalkOnALineOfItsOwn) {
    write_weeks();
    auto doc = open_ours();
    const DisplayList list = layout(*doc, for_brother(3));
    ASSERT_EQ(list.pages.size(), 1u);
    // Lines 24 apart from 128. This week he chairs and goes to Южное (no time there: no
    // bracket); in two weeks he speaks here; in January he goes to Северное on its Saturday.
    const std::vector<TextItem> expected = {
        {384, 80, "Пётр Иванов -  Задания", F::title, 0, C},
        {28, 128, "Дек 13, 2026", F::speakers, 0, L},
        {139, 128, "Председатель", F::speakers, 0, L},
        {28, 152, "Дек 09, 2026", F::speakers, 0, L},
        {403, 152, "Речь 25", F::speakers, 0, L},
        {739, 152, "в Южное", F::speakers, 0, R},
        {28, 176, "Дек 27, 2026", F::speakers, 0, L},
        {403, 176, "Речь 40", F::speakers, 0, L},
        {739, 176, "в Центральное", F::speakers, 0, R},
        {28, 200, "Янв 10, 2027", F::speakers, 0, L},
        {28, 224, "Янв 09, 2027", F::speakers, 0, L},
        {139, 224, "( 18:30 - Суббота )", F::speakers, 0, L},
        {403, 224, "Речь 25", F::speakers, 0, L},
        {739, 224, "в Северное", F::speakers, 0, R},
    };
    EXPECT_EQ(list.pages[0].texts, expected);

    const Page reader = layout(*doc, for_brother(4), Device::printer(600, 600)).pages.at(0);
    EXPECT_EQ(item(reader, "Чтец"), (TextItem{1620, 800, "Чтец", F::speakers}));
    const Page paper = layout(*doc, for_brother(3), Device::printer(600, 600)).pages.at(0);
    EXPECT_EQ(item(paper, "Председатель"), (TextItem{870, 800, "Председатель", F::speakers}));
    EXPECT_EQ(item(paper, "в Северное"), (TextItem{4620, 1400, "в Северное", F::speakers, 0, R}));
    EXPECT_EQ(report_title(*doc, for_brother(3)), "Пётр Иванов -  Задания");
}

TEST_F(WeekListsTest, ALocalBrotherListsAtMostTwentyTwoWeeksAndNothingWithoutOurCongregation) {
    write_reference_data();
    // Борис Волков goes out in each of thirty weeks: two lines a week, so 17 weeks fill the
    // first page down to its lowest row and the 22nd week is the last listed.
    for (int k = 0; k < 30; ++k) {
        weeks.push_back(week_record(static_cast<std::uint16_t>(kThisWeek + k))
                            .u16(week_at::out_speaker(0), 5)
                            .u16(week_at::out_cong(0), 3)
                            .u16(week_at::out_talk(0), static_cast<std::uint16_t>(k + 1)));
    }
    auto unset = open();
    const DisplayList nothing = layout(*unset, for_brother(5));
    ASSERT_EQ(nothing.pages.size(), 1u);
    EXPECT_TRUE(nothing.pages[0].texts.empty());

    unset->set_our_congregation(1);
    const DisplayList list = layout(*unset, for_brother(5));
    ASSERT_EQ(list.pages.size(), 2u);
    EXPECT_EQ(column(list.pages[0], 403).size(), 17u);
    EXPECT_EQ(item(list.pages[0], "Речь 17").y, 128 + 33 * 24);
    EXPECT_EQ(list.pages[1].texts[0].text, "Борис Волков -  Задания");
    EXPECT_EQ(item(list.pages[1], "Речь 18").y, 152);
    EXPECT_EQ(column(list.pages[1], 403).back(), "Речь 22");
}

TEST_F(WeekListsTest, TheExchangeListsTheirSpeakersHereAndOursThere) {
    write_weeks();
    auto doc = open_ours();
    const DisplayList list = layout(*doc, exchange_with(2));
    ASSERT_EQ(list.pages.size(), 1u);
    // Small text; a line of 16 (a sixth of an inch beats 13), rows from two lines below the
    // title. Our speakers' dates are Северное's meeting days.
    const std::vector<TextItem> expected = {
        {384, 80, "Северное - Центральное Задания", F::title, 0, C},
        {28, 112, "Дек 13, 2026", F::small_text, 0, L},
        {147, 112, "Иван Петров", F::small_text, 0, L},
        {371, 112, "Речь 12", F::small_text, 0, L},
        {755, 112, "в Центральное", F::small_text, 0, R},
        {28, 128, "Дек 13, 2026", F::small_text, 0, L},
        {147, 128, "Олег Сидоров", F::small_text, 0, L},
        {755, 128, "в Северное", F::small_text, 0, R},
        {28, 144, "Дек 20, 2026", F::small_text, 0, L},
        {147, 144, "Иван Петров", F::small_text, 0, L},
        {371, 144, "Речь 30", F::small_text, 0, L},
        {755, 144, "в Центральное", F::small_text, 0, R},
        {28, 160, "Янв 09, 2027", F::small_text, 0, L},
        {147, 160, "Пётр Иванов", F::small_text, 0, L},
        {371, 160, "Речь 25", F::small_text, 0, L},
        {755, 160, "в Северное", F::small_text, 0, R},
    };
    EXPECT_EQ(list.pages[0].texts, expected);

    // At 600 dpi the line is 100 (the font is 81): rows from 700.
    const Page paper = layout(*doc, exchange_with(2), Device::printer(600, 600)).pages.at(0);
    EXPECT_EQ(item(paper, "Янв 09, 2027"), (TextItem{180, 1000, "Янв 09, 2027", F::small_text}));
    EXPECT_EQ(item(paper, "Олег Сидоров"), (TextItem{920, 800, "Олег Сидоров", F::small_text}));
    EXPECT_EQ(item(paper, "Речь 12"), (TextItem{2320, 700, "Речь 12", F::small_text}));
    EXPECT_EQ(paper.texts.back(), (TextItem{4720, 1000, "в Северное", F::small_text, 0, R}));
    EXPECT_EQ(report_title(*doc, exchange_with(2)), "Северное - Центральное Задания");

    // A congregation that is not there, or no congregation of ours: nothing at all.
    for (const Page& p : layout(*doc, exchange_with(9)).pages)
        EXPECT_TRUE(p.texts.empty());
    doc->set_our_congregation(0);
    const DisplayList unset = layout(*doc, exchange_with(2));
    ASSERT_EQ(unset.pages.size(), 1u);
    EXPECT_TRUE(unset.pages[0].texts.empty());
}

TEST_F(WeekListsTest, TheExchangeStopsAtTenInchesDownThePage) {
    write_reference_data();
    for (int k = 0; k < 156; ++k) {
        weeks.push_back(week_record(static_cast<std::uint16_t>(kThisWeek + k))
                            .u16(week_at::kSpeaker, 1)
                            .u16(week_at::kSpeakerCong, 2)
                            .u16(week_at::kTalk, static_cast<std::uint16_t>(k + 1)));
    }
    auto doc = open_ours();
    // Rows from 112 (700 on paper) a line apart, the last one above 960 (6000).
    for (const Device& device : {Device::screen(), Device::printer(600, 600)}) {
        const DisplayList list = layout(*doc, exchange_with(2), device);
        ASSERT_EQ(list.pages.size(), 1u);
        const int rx = list.res_x;  // the talk column, with the left margin of a fifth inch
        const std::vector<std::string> talks = column(list.pages[0], rx / 5 + 4 * rx - rx / 3);
        ASSERT_EQ(talks.size(), 53u) << device.res_y;
        EXPECT_EQ(talks.back(), "Речь 53");
    }
}

TEST_F(WeekListsTest, TheListsNameThemselvesForThePrintQueue) {
    write_weeks();
    auto doc = open_ours();
    EXPECT_EQ(report_title(*doc, invited(kThisIndex, 5)),
              "Список приглашенных - приходящие докладчики");
    EXPECT_EQ(report_title(*doc, outgoing()), "Уходящие докладчики");
}

}  // namespace
