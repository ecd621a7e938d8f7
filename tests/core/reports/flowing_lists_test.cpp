#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>

#include "core/reports/coordinator_list.h"
#include "core/reports/listed_talks.h"
#include "core/reports/report_request.h"
#include "core/reports/speaker_list.h"
#include "core/reports/talk_list.h"
#include "report_fixture.h"

using namespace vorla;
using namespace vorla::reports;
using namespace vorla::testing;
using F = FontId;

namespace {

constexpr auto R = HAlign::right;
constexpr auto Lf = HAlign::left;
constexpr auto B = VAlign::bottom;

// Brother record fields beyond the fixture builder's.
constexpr std::size_t kAddress1 = 40, kAddress2 = 80, kPhone = 120, kTalks = 136, kFlags = 200,
                      kRoles = 201;

// Talks 1..count set in a record's talk bits.
FixtureBytes with_talks(FixtureBytes b, int count) {
    for (int n = 0; n < count; ++n) {
        const std::size_t at = kTalks + static_cast<std::size_t>(n / 8);
        b.u8(at, static_cast<std::uint8_t>(b.bytes()[at] | 1u << (n % 8)));
    }
    return b;
}
FixtureBytes with_talk(FixtureBytes b, int talk_no) {
    const std::size_t at = kTalks + static_cast<std::size_t>((talk_no - 1) / 8);
    return b.u8(at, static_cast<std::uint8_t>(b.bytes()[at] | 1u << ((talk_no - 1) % 8)));
}

struct ListsTest : ReportData {
    settings::ReportFonts fonts{"rus"};
    std::vector<FixtureBytes> brothers;

    // Congregations (name order Северное, Центральное, Южное): 1 Центральное (ours, circuit
    // Тверской, hall and times, coordinator Олег Сидоров), 2 Северное (Клинский, coordinator
    // Иван Петров), 3 Южное (Тверской, no coordinator).
    // Brothers (name order Волков, Зайцев, Иванов, Петров, Сидоров, Смирнов): 1 Иван Петров of
    // Северное with talks 1-45, 2 Олег Сидоров of ours, servant and outgoing, talks 12 and 25,
    // 3 Пётр Иванов of ours, not outgoing, talk 3, 4 Андрей Смирнов of Южное, talk 12,
    // 5 Борис Волков of Южное discontinued, talk 7, 6 Глеб Зайцев of Южное without talks.
    void write_lists_data() {
        write_bytes(dir / "cong.dat",
                    slot_file({congregation_bytes(1, "Центральное")
                                   .text(50, "Лесная, 1")
                                   .text(91, "Тверь")
                                   .text(132, "4822-55-66")
                                   .text(164, "18:30")
                                   .text(188, "10:00")
                                   .u16(178, 30001)
                                   .u16(186, 2),
                               congregation_bytes(2, "Северное").u16(178, 30002).u16(186, 1),
                               congregation_bytes(3, "Южное").u16(178, 30001)}));
        write_bytes(dir / "circuit.dat",
                    concat({named_bytes("Тверской", 30001), named_bytes("Клинский", 30002)}));
        brothers = {
            with_talks(brother_bytes(1, "Иван", "Петров", 2)
                           .text(kPhone, "123-45-67")
                           .text(kAddress1, "Мира, 5")
                           .text(kAddress2, "  Клин"),
                       45),
            with_talk(with_talk(brother_bytes(2, "Олег", "Сидоров", 1), 12), 25)
                .text(kPhone, "222-33-44")
                .u8(kFlags, 1)
                .u8(kRoles, 0x02),
            with_talk(brother_bytes(3, "Пётр", "Иванов", 1), 3),
            with_talk(brother_bytes(4, "Андрей", "Смирнов", 3), 12),
            with_talk(brother_bytes(5, "Борис", "Волков", 3), 7).u8(kFlags, 0x20),
            brother_bytes(6, "Глеб", "Зайцев", 3),
        };
    }
    // Brothers 7.. of Южное named Брат01.., each with talks 1..talks.
    void add_southern_brothers(int count, int talks) {
        for (int k = 0; k < count; ++k) {
            const auto id = static_cast<std::uint16_t>(brothers.size() + 1);
            const std::string last = "Брат" + std::string(k < 9 ? "0" : "") + std::to_string(k + 1);
            brothers.push_back(with_talks(brother_bytes(id, "Ян", last, 3), talks));
        }
    }
    std::unique_ptr<store::Document> open_lists() {
        FixtureBytes file(256);
        for (const FixtureBytes& b : brothers)
            file.append(b);
        write_bytes(dir / "speakers.dat", file.bytes());
        auto doc = open();
        doc->set_our_congregation(1);
        return doc;
    }

    // The texts of a page at one y, in the order they were added.
    static std::vector<std::string> line(const Page& page, int y) {
        std::vector<std::string> out;
        for (const TextItem& t : page.texts) {
            if (t.y == y) out.push_back(t.text);
        }
        return out;
    }
    DisplayList speakers(const store::Document& doc, SpeakerSelection sel,
                         const Device& device = Device::screen()) {
        return layout_speaker_list(doc, fonts, sel, device);
    }
};

TEST_F(ListsTest, SpeakerBlocksAt96And600DpiWithNameBandContactLineAndTwentyTalksALine) {
    write_lists_data();
    auto doc = open_lists();
    change_settings(
        *doc, [](settings::Settings& s) { s.background_style = settings::BackgroundStyle::grey; });
    for (const Device& device : {Device::screen(), Device::printer(600, 600)}) {
        SCOPED_TRACE(device.res_x);
        const int r = device.res_x;
        const DisplayList l = speakers(*doc, {}, device);
        ASSERT_EQ(l.pages.size(), 1u);
        const Page& p = l.pages[0];
        // Top margin 80 (500), left margin 19 (120), a line 16 (100) at either resolution.
        const int t = r == 96 ? 80 : 500, x = r == 96 ? 19 : 120, L = r == 96 ? 16 : 100;
        const int name = t + 2 * L;
        const std::vector<TextItem> expected = {
            {x, name, "Иван Петров", F::text, 0, Lf, B, 5 * r / 2 - r / 20},
            {x + 5 * r / 2, name, "Северное", F::text, 0, Lf},
            {x + 15 * r / 2, name, "123-45-67", F::speakers, 0, R},
            {x + r / 10, name + L, "Мира, 5", F::text, 0, Lf},
            {x + 3 * r, name + L, "Клин", F::text, 0, Lf},
            {x + r / 10, name + L + 3 * L / 2, "Речи -", F::captions, 0, Lf},
        };
        ASSERT_GE(p.texts.size(), 7u);
        EXPECT_EQ(std::vector<TextItem>(p.texts.begin() + 1, p.texts.begin() + 7), expected);
        EXPECT_EQ(p.texts[0].text, "Докладчики");
        // 45 talks: lines of 20, 20 and 5, a third of an inch apart from X + 1 inch.
        const int first = name + L + 3 * L / 2;
        EXPECT_EQ(item(p, "1").x, x + r);
        EXPECT_EQ(item(p, "20").x, x + r + 19 * r / 3);
        EXPECT_EQ(item(p, "21").y, first + L);
        EXPECT_EQ(item(p, "41").y, first + 2 * L);
        EXPECT_EQ(line(p, first + 2 * L), (std::vector<std::string>{"41", "42", "43", "44", "45"}));
        EXPECT_EQ(item(p, "45").font, F::small_text);
        // The band behind the name line is as tall as the Text font, down to just below it.
        ASSERT_FALSE(p.bands.empty());
        EXPECT_EQ(p.bands[1].rect.top, name - (r / 80 + L));
        EXPECT_EQ(p.bands[1].rect.bottom, name + r / 90);
        // The next block 1.5 lines below the last talk line: our servant, who goes out.
        EXPECT_EQ(item(p, "Олег Сидоров ( СП )").y, first + 2 * L + 3 * L / 2);
        EXPECT_EQ(item(p, "Центральное").y, first + 2 * L + 3 * L / 2);
    }
}

TEST_F(ListsTest, SpeakerListLeavesOutOurBrothersWhoDoNotGoOutTheDiscontinuedAndTheTalkless) {
    write_lists_data();
    auto doc = open_lists();
    const auto names = [&](SpeakerSelection sel) {
        std::vector<std::string> out;
        for (const std::size_t pos : listed_speakers(*doc, sel))
            out.push_back(doc->brothers().at(pos).first_last());
        return out;
    };
    using V = std::vector<std::string>;
    EXPECT_EQ(names({}), (V{"Иван Петров", "Олег Сидоров", "Андрей Смирнов"}));
    // Тверской holds ours and Южное.
    EXPECT_EQ(names({false, 0, 30001}), (V{"Олег Сидоров", "Андрей Смирнов"}));
    EXPECT_EQ(names({false, 3, 0}), (V{"Андрей Смирнов"}));
    EXPECT_EQ(names({false, 2, 30001}), V{});
    // Our own list asks for no role.
    EXPECT_EQ(names({true, 0, 0}), (V{"Пётр Иванов", "Олег Сидоров"}));

    const auto request = [](ReportKind kind) {
        ReportRequest r;
        r.kind = kind;
        return r;
    };
    EXPECT_EQ(report_title(*doc, request(ReportKind::speaker_talks)), "Докладчики");
    ReportRequest circuit = request(ReportKind::speaker_talks);
    circuit.circuit = 30002;
    EXPECT_EQ(report_title(*doc, circuit), "Докладчики - Клинский");
    circuit.congregation = 2;
    EXPECT_EQ(report_title(*doc, circuit), "Северное");
    EXPECT_EQ(report_title(*doc, request(ReportKind::local_speakers)), "Центральное");
    EXPECT_EQ(report_title(*doc, request(ReportKind::talk_speakers)), "Список публичных речей");
    EXPECT_EQ(report_title(*doc, request(ReportKind::coordinators)), "Координаторы речей");
}

TEST_F(ListsTest, ChosenCongregationShowsItsHallTimesAndCoordinatorUnderTheTitle) {
    write_lists_data();
    auto doc = open_lists();
    const DisplayList l = speakers(*doc, {false, 1, 0});
    ASSERT_EQ(l.pages.size(), 1u);
    const Page& p = l.pages[0];
    const auto at = [](int k) { return 80 + (3 + 2 * k) * 16 / 2; };
    const std::vector<TextItem> expected = {
        {384, 80, "Центральное", F::title, 0, HAlign::centre},
        {28, at(0), "Зал Царства", F::text, 0, Lf},
        {28, at(1), "Лесная, 1", F::text, 0, Lf, B, 275},
        {28, at(2), "Тверь", F::text, 0, Lf, B, 275},
        {28, at(3), "4822-55-66", F::text, 0, Lf},
        // This week is in an even year; the odd years' time is next year's.
        {307, at(0), "10:00 ( 2026 )", F::text, 0, Lf},
        {307, at(1), "18:30 ( 2027 )", F::text, 0, Lf},
        {547, at(0), "Олег Сидоров", F::text, 0, Lf},
        {547, at(3), "222-33-44", F::text, 0, Lf},
        // Our outgoing servant, with no congregation beside his name: it is the title.
        {19, at(4) + 32, "Олег Сидоров ( СП )", F::text, 0, Lf},
        {739, at(4) + 32, "222-33-44", F::speakers, 0, R},
    };
    ASSERT_GE(p.texts.size(), expected.size());
    EXPECT_EQ(std::vector<TextItem>(p.texts.begin(), p.texts.begin() + 11), expected);
}

TEST_F(ListsTest, TalkLineCrossingThePageEndGoesOnUnderTheTitleAndTheNameAgain) {
    write_lists_data();
    add_southern_brothers(10, 45);
    auto doc = open_lists();
    // Южное: no hall data, so its block ends at 5.5 lines (88) and the first name is at 120;
    // each block of three talk lines takes 96. The ninth (Брат09) has its name at 888, its
    // first talk line at 928; the second at 944 leaves no two lines above ten inches (960).
    const DisplayList l = speakers(*doc, {false, 3, 0});
    ASSERT_EQ(l.pages.size(), 2u);
    const Page& p1 = l.pages[0];
    const Page& p2 = l.pages[1];
    EXPECT_EQ(item(p1, "Ян Брат09").y, 80 + 888);
    EXPECT_EQ(line(p1, 80 + 928).size(), 21u);  // the caption and talks 1-20
    EXPECT_EQ(line(p1, 80 + 944), std::vector<std::string>{});
    EXPECT_EQ(p2.texts[0].text, "Южное");
    EXPECT_EQ(line(p2, 80 + 32), std::vector<std::string>{"Ян Брат09"});
    EXPECT_EQ(line(p2, 80 + 72).size(), 20u);  // talks 21-40, no caption
    EXPECT_EQ(item(p2, "21").y, 80 + 72);
    EXPECT_EQ(item(p2, "41").y, 80 + 88);
    EXPECT_EQ(item(p2, "Ян Брат10").y, 80 + 88 + 24);
}

TEST_F(ListsTest, SpeakerListEstimateCountsSevenLinesForFortyFiveTalks) {
    write_lists_data();
    add_southern_brothers(10, 45);
    auto doc = open_lists();
    const ListEstimate one = estimate_speaker_list(*doc, {false, 2, 0}, 16, 96);
    EXPECT_EQ(one.lines, 7);
    EXPECT_EQ(one.pages, 1);
    // 7 lines for each of the 10 of Южное, 4 for Смирнов: (74 - 3 + 7) x 16 = 1248 over 960.
    const ListEstimate south = estimate_speaker_list(*doc, {false, 3, 0}, 16, 96);
    EXPECT_EQ(south.lines, 74);
    EXPECT_EQ(south.pages, 2);
    // Our own list takes no 3 off: (4 + 4 + 7) x 64 = 960 still fits; x 65 does not.
    EXPECT_EQ(estimate_speaker_list(*doc, {true, 0, 0}, 64, 96).pages, 1);
    EXPECT_EQ(estimate_speaker_list(*doc, {true, 0, 0}, 65, 96).pages, 2);
}

TEST_F(ListsTest, OurSpeakersCloseWithTheTalksNoneOfThemGives) {
    write_lists_data();
    auto doc = open_lists();
    {
        const DisplayList l = speakers(*doc, {true, 0, 0});
        ASSERT_EQ(l.pages.size(), 1u);
        const Page& p = l.pages[0];
        // No contact line: the talks 1.5 lines under the name, the next block 1.5 lines on.
        EXPECT_EQ(line(p, 80 + 32), std::vector<std::string>{"Пётр Иванов"});
        EXPECT_EQ(line(p, 80 + 56), (std::vector<std::string>{"Речи -", "3"}));
        EXPECT_EQ(line(p, 80 + 80), (std::vector<std::string>{"Олег Сидоров ( СП )", "222-33-44"}));
        EXPECT_EQ(line(p, 80 + 128), std::vector<std::string>{"не задано"});
        // An untitled catalogue: talks 1-200 but 3, 12 and 25, twenty a line.
        const std::vector<std::string> first = line(p, 80 + 152);
        ASSERT_EQ(first.size(), 21u);
        EXPECT_EQ(std::vector<std::string>(first.begin(), first.begin() + 4),
                  (std::vector<std::string>{"Речи -", "1", "2", "4"}));
        EXPECT_EQ(line(p, 80 + 152 + 9 * 16).size(), 17u);
        EXPECT_EQ(p.texts.back().text, "200");
    }
    // Without a congregation of ours there is no list and nothing missing from it.
    doc->set_our_congregation(0);
    const DisplayList none = speakers(*doc, {true, 0, 0});
    ASSERT_EQ(none.pages.size(), 1u);
    EXPECT_EQ(none.pages[0].texts.size(), 1u);  // the (empty) title

    // One more of ours gives every talk: the closing block stays empty.
    brothers.push_back(with_talks(brother_bytes(7, "Ян", "Всеведов", 1), 256));
    auto all = open_lists();
    const DisplayList l = speakers(*all, {true, 0, 0});
    const Page& last = l.pages.back();
    ASSERT_GE(last.texts.size(), 2u);
    EXPECT_EQ(last.texts[last.texts.size() - 2].text, "не задано");
    EXPECT_EQ(last.texts.back().text, "Речи -");
}

TEST_F(ListsTest, CatalogueEndsAtTheFirstUntitledEntryOfTheUsersOwn) {
    write_lists_data();
    auto doc = open_lists();
    // Untitled throughout: the lists stop before 151; our speakers' closing goes to 200.
    EXPECT_EQ(listed_talk_count(doc->talks(), true), 150);
    EXPECT_EQ(uncovered_talk_limit(doc->talks()), 200);
    for (int n = 1; n <= 200; ++n)
        set_talk_title(*doc, n, "Название речи " + std::to_string(n));
    EXPECT_EQ(listed_talk_count(doc->talks(), true), 201);
    EXPECT_EQ(listed_talk_count(doc->talks(), false), 200);
    EXPECT_EQ(uncovered_talk_limit(doc->talks()), 200);
    set_talk_title(*doc, 170, " ");
    set_talk_title(*doc, 171, "");
    set_talk_title(*doc, 40, "");  // one blank below 151 ends nothing
    set_talk_title(*doc, 41, "");  // a pair of them does, but counts as 200
    EXPECT_EQ(listed_talk_count(doc->talks(), true), 169);
    EXPECT_EQ(uncovered_talk_limit(doc->talks()), 200);
    set_talk_title(*doc, 41, "Название речи 41");
    EXPECT_EQ(uncovered_talk_limit(doc->talks()), 169);
}

TEST_F(ListsTest, TalkListAt96And600DpiPutsTheSpeakersTwoToALineUnderEachTalk) {
    write_lists_data();
    auto doc = open_lists();
    set_talk_title(*doc, 12, "Как найти мир");
    for (const Device& device : {Device::screen(), Device::printer(600, 600)}) {
        const int r = device.res_x;
        SCOPED_TRACE(r);
        const DisplayList l = layout_talk_list(*doc, fonts, device);
        const Page& p = l.pages[0];
        const int t = r == 96 ? 80 : 500, x = r == 96 ? 19 : 120, L = r == 96 ? 16 : 100;
        EXPECT_EQ(p.texts[0].text, "Список публичных речей");
        // Talk 1: its line, then Петров one line and a third lower; talk 2 a third of a line
        // below the line under him.
        EXPECT_EQ(p.texts[1], (TextItem{x, t + 2 * L, "Речь 1", F::text, 0, Lf}));
        const int column = 4 * r - r / 20;  // the first column's room
        EXPECT_EQ(p.texts[2],
                  (TextItem{x + r / 10, t + 2 * L + L + L / 3, "Иван Петров ( Северное )",
                            F::small_text, 0, Lf, B, column}));
        EXPECT_EQ(item(p, "Речь 2").y, t + 4 * L + 2 * (L / 3));
        // Talk 12: three speakers (our brother who stays home is not one), two to a line.
        const int t12 = item(p, "Речь 12 Как найти мир").y;
        const std::vector<TextItem> names = {
            {x + r / 10, t12 + L + L / 3, "Иван Петров ( Северное )", F::small_text, 0, Lf, B,
             column},
            {x + r / 10 + 4 * r, t12 + L + L / 3, "Олег Сидоров ( Центральное )", F::small_text, 0,
             Lf},
            {x + r / 10, t12 + 2 * L + L / 3, "Андрей Смирнов ( Южное )", F::small_text, 0, Lf, B,
             column},
        };
        const auto at = std::find(p.texts.begin(), p.texts.end(), item(p, "Речь 12 Как найти мир"));
        ASSERT_LT(at + 3, p.texts.end());
        EXPECT_EQ(std::vector<TextItem>(at + 1, at + 4), names);
        EXPECT_EQ(item(p, "Речь 13").y, t12 + 3 * L + 2 * (L / 3));
    }
    // The talks from 46 on have nobody: a line and a third each, up to 150.
    const DisplayList l = layout_talk_list(*doc, fonts, Device::screen());
    const Page& last = l.pages.back();
    ASSERT_TRUE(has(last, "Речь 149"));
    EXPECT_EQ(item(last, "Речь 150").y - item(last, "Речь 149").y, 16 + 5);
    EXPECT_FALSE(has(last, "Речь 151"));
    // 150 talks of 2 lines; 44 with Петров alone 1 more, talk 12 with three 3 more.
    const ListEstimate e = estimate_talk_list(*doc, 16, 96);
    EXPECT_EQ(e.lines, 300 + 44 + 3);
    EXPECT_EQ(e.pages, 6);  // 5552 over pages of 976
}

TEST_F(ListsTest, TalkListRepeatsTheTalkOnTheNextPageWhenItsSpeakersRunOver) {
    write_lists_data();
    add_southern_brothers(130, 1);
    auto doc = open_lists();
    const DisplayList l = layout_talk_list(*doc, fonts, Device::screen());
    ASSERT_GE(l.pages.size(), 2u);
    // 131 speakers of talk 1: lines from 53 while the cursor (16 below) stays within 960.
    const auto names_on = [](const Page& page) {
        int n = 0;
        for (const TextItem& t : page.texts)
            n += t.font == F::small_text;
        return n;
    };
    EXPECT_EQ(names_on(l.pages[0]), 2 * 56);
    EXPECT_EQ(line(l.pages[0], 80 + 53 + 55 * 16).size(), 2u);
    const Page& p2 = l.pages[1];
    EXPECT_EQ(p2.texts[0].text, "Список публичных речей");
    EXPECT_EQ(p2.texts[1], (TextItem{19, 80 + 32, "Речь 1", F::text, 0, Lf}));
    EXPECT_EQ(p2.texts[2].y, 80 + 53);
    EXPECT_EQ(item(p2, "Речь 2").y, 80 + 53 + 9 * 16 + 16 + 5);  // 19 names on 10 lines
}

TEST_F(ListsTest, CoordinatorListAt96And600DpiShowsEachCongregationsCoordinatorAndContacts) {
    write_lists_data();
    auto doc = open_lists();
    for (const Device& device : {Device::screen(), Device::printer(600, 600)}) {
        const int r = device.res_x;
        SCOPED_TRACE(r);
        const DisplayList l = layout_coordinator_list(*doc, fonts, device);
        ASSERT_EQ(l.pages.size(), 1u);
        const Page& p = l.pages[0];
        const int t = r == 96 ? 80 : 500, x = r == 96 ? 19 : 120, L = r == 96 ? 16 : 100;
        const int y = t + 2 * L;
        // Name order: Северное, Центральное, Южное; two address lines, then 1.5 lines.
        const int next = y + 2 * L + 3 * L / 2;
        const int room = 3 * r - r / 20;  // up to the congregation's column
        const std::vector<TextItem> expected = {
            {r * 4, t, "Координаторы речей", F::title, 0, HAlign::centre},
            {x, y, "Иван Петров", F::speakers, 0, Lf, B, room},
            {x + 3 * r, y, "Северное", F::text, 0, Lf},
            {x + r / 10, y + L, "Мира, 5", F::text, 0, Lf},
            {x + r / 10, y + 2 * L, "Клин", F::text, 0, Lf},
            {x + 15 * r / 2, y + L, "123-45-67", F::text, 0, R},
            {x, next, "Олег Сидоров", F::speakers, 0, Lf, B, room},
            {x + 3 * r, next, "Центральное", F::text, 0, Lf},
            {x + 15 * r / 2, next + L, "222-33-44", F::text, 0, R},
            {x, next + 2 * L + 3 * L / 2, "  -", F::speakers, 0, Lf, B, room},
            {x + 3 * r, next + 2 * L + 3 * L / 2, "Южное", F::text, 0, Lf},
        };
        EXPECT_EQ(p.texts, expected);
    }
    const ListEstimate e = estimate_coordinator_list(*doc, 16, 96);
    EXPECT_EQ(e.lines, 16);
    EXPECT_EQ(estimate_coordinator_list(*doc, 61, 96).pages, 2);  // 976 over 960
}

TEST_F(ListsTest, CoordinatorListStartsANewPageWithItsTitleWhenTwoLinesNoLongerFit) {
    // 40 congregations without a coordinator, a line and a half apart from 32: the 38th
    // stands at 920, the 39th would at 944, where two more lines pass 960.
    FixtureBytes congs(256);
    for (int k = 1; k <= 40; ++k) {
        congs.append(
            congregation_bytes(static_cast<std::uint16_t>(k),
                               "Собрание" + std::string(k < 10 ? "0" : "") + std::to_string(k)));
    }
    write_bytes(dir / "cong.dat", congs.bytes());
    auto doc = open_lists();
    const DisplayList l = layout_coordinator_list(*doc, fonts, Device::screen());
    ASSERT_EQ(l.pages.size(), 2u);
    EXPECT_EQ(item(l.pages[0], "Собрание38").y, 80 + 920);
    EXPECT_FALSE(has(l.pages[0], "Собрание39"));
    EXPECT_EQ(l.pages[1].texts[0].text, "Координаторы речей");
    EXPECT_EQ(line(l.pages[1], 80 + 32), (std::vector<std::string>{"  -", "Собрание39"}));
    EXPECT_EQ(item(l.pages[1], "Собрание40").y, 80 + 56);
}

}  // namespace
