#include <gtest/gtest.h>

#include <ostream>

#include "core/reports/invitation_letter.h"
#include "core/reports/letter_mail.h"
#include "core/reports/outgoing_notice.h"
#include "core/reports/report_request.h"
#include "report_fixture.h"

using namespace vorla;
using namespace vorla::reports;
using namespace vorla::testing;
using calendar::WeekIndex;
using F = FontId;

namespace {

constexpr WeekIndex kOddIndex{kThisWeek + 3};  // Monday 4 January 2027, an odd year
constexpr auto R = HAlign::right;
constexpr auto C = HAlign::centre;
constexpr auto L = HAlign::left;

// Our congregation Центральное (Sunday, coordinator Олег Сидоров, map central.jpg); Северное
// (odd years Saturday 18:30, even years Sunday 10:00, coordinator Иван Петров, map " north.jpg ");
// Южное (Wednesday, no time, a coordinator who is not there, a map name of blanks).
struct LettersTest : ReportData {
    settings::ReportFonts fonts{"rus"};

    void write_letters_data(std::string_view coordinator_phone2 = "222-33-44") {
        write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Центральное")
                                                     .text(50, "ул. Мира, 5")
                                                     .text(91, "Москва")
                                                     .text(132, "495-111-22-33")
                                                     .text(164, "10:00")
                                                     .u16(186, 2)
                                                     .text(188, "10:00")
                                                     .text(198, "central.jpg"),
                                                 congregation_bytes(2, "Северное")
                                                     .text(50, "Лесная, 1")
                                                     .text(91, "Тверь")
                                                     .text(132, "4822-55-66")
                                                     .text(148, "4822-77-88")
                                                     .text(164, "18:30")
                                                     .u16(186, 1)
                                                     .text(188, "10:00")
                                                     .text(198, " north.jpg ")
                                                     .u8(226, 6),
                                                 congregation_bytes(3, "Южное")
                                                     .u16(186, 9)
                                                     .text(198, "   ")
                                                     .u8(226, 3)
                                                     .u8(227, 3)}));
        write_bytes(dir / "speakers.dat",
                    slot_file({brother_bytes(1, "Иван", "Петров", 2)
                                   .text(40, "ул. Лесная, 7")
                                   .text(80, "Тверь 170000")
                                   .text(120, "123-45-67")
                                   .u16(206, 1),
                               brother_bytes(2, "Олег", "Сидоров", 1)
                                   .text(40, "ул. Садовая, 3")
                                   .text(80, "Москва 101000")
                                   .text(120, "12345")  // five characters: not shown
                                   .u16(206, 2),
                               brother_bytes(3, "Пётр", "Иванов", 1).u16(206, 3),
                               brother_bytes(4, "Андрей", "Смирнов", 3)}));
        FixtureBytes ivan(128), oleg(128), petr(128);
        ivan.u16(0, 1).text(2, "  12345 ").text(18, "8-900-123-45-67").text(34, "ivan@example.org");
        oleg.u16(0, 2).text(2, coordinator_phone2).text(34, " oleg@example.org ");
        petr.u16(0, 3).text(34, "petr@example.org");
        write_bytes(dir / "xtend.dat", concat({ivan, oleg, petr}));
        // This week: Иван Петров gives talk 12 here; Пётр Иванов goes to Южное with talk 25,
        // Олег Сидоров to Северное without a talk. In January Пётр goes to Северное.
        weeks.push_back(week_record(kThisWeek)
                            .u16(week_at::kSpeaker, 1)
                            .u16(week_at::kTalk, 12)
                            .u16(week_at::kSpeakerCong, 2)
                            .u16(week_at::out_speaker(0), 3)
                            .u16(week_at::out_cong(0), 3)
                            .u16(week_at::out_talk(0), 25)
                            .u16(week_at::out_speaker(1), 2)
                            .u16(week_at::out_cong(1), 2));
        weeks.push_back(week_record(kThisWeek + 1).u16(week_at::kSpeaker, 1));
        weeks.push_back(week_record(kThisWeek + 4)
                            .u16(week_at::out_speaker(0), 3)
                            .u16(week_at::out_cong(0), 2)
                            .u16(week_at::out_talk(0), 25));
    }

    std::unique_ptr<store::Document> open_letters() {
        auto doc = open();
        doc->set_our_congregation(1);
        set_talk_title(*doc, 12, "Как найти мир");
        set_talk_title(*doc, 25, "Вера в действии");
        return doc;
    }

    std::string map(const char* name) const { return (dir.path() / name).string(); }
};

TEST_F(LettersTest, TheNoticeAt96DpiPlacesEveryLineAndStretchesTheMapOverItsRectangle) {
    write_letters_data();
    auto doc = open_letters();
    const DisplayList list = layout_outgoing_notice(*doc, fonts, kThisIndex, 1, Device::screen());
    ASSERT_EQ(list.pages.size(), 1u);
    const Page& p = list.pages[0];
    // Top margin 80, left 19, a quarter inch 24. Северное meets on Sunday as we do this year:
    // the date is its Sunday and no weekday line; the slot has no talk.
    const std::vector<TextItem> expected = {
        {384, 80, "Назначение публичной речи", F::title, 0, C},
        {19, 128, "Дек 13, 2026", F::date, 0, L},
        {211, 128, "Олег Сидоров", F::talk_title, 0, L},
        {739, 128, "в Северное", F::talk_title, 0, R},
        {28, 167, "10:00", F::speakers, 0, L},
        {28, 224, "Ответственный за речи ( Центральное )", F::speakers, 0, L},
        {403, 224, "Ответственный за речи ( Северное )", F::speakers, 0, L},
        {38, 248, "Олег Сидоров", F::speakers, 0, L},
        {412, 248, "Иван Петров", F::speakers, 0, L},
        {47, 272, "222-33-44", F::speakers, 0, L},
        {422, 272, "123-45-67", F::speakers, 0, L},
        {422, 296, "8-900-123-45-67", F::speakers, 0, L},
        {28, 368, "Зал Царства", F::speakers, 0, L},
        {307, 368, "4822-55-66", F::speakers, 0, L},
        {499, 368, "4822-77-88", F::speakers, 0, L},
        {38, 392, "Лесная, 1", F::speakers, 0, L},
        {38, 416, "Тверь", F::speakers, 0, L},
    };
    EXPECT_EQ(p.texts, expected);
    EXPECT_TRUE(p.bands.empty());  // the clean style
    EXPECT_TRUE(p.boxes.empty());
    // The map's name is trimmed; from a quarter inch right of the margin, 7 by 5 inches.
    const std::vector<Picture> pictures = {{{43, 512, 715, 992}, map("north.jpg")}};
    EXPECT_EQ(p.pictures, pictures);
}

TEST_F(LettersTest, TheNoticeAt600DpiScalesWithTheBandPrintDateAndTalk) {
    write_letters_data();
    auto doc = open_letters();
    change_settings(*doc, [](settings::Settings& s) {
        s.print_date = true;
        s.background_style = settings::BackgroundStyle::black;
    });
    const DisplayList list =
        layout_outgoing_notice(*doc, fonts, kOddIndex, 0, Device::printer(600, 600));
    const Page& p = list.pages.at(0);
    // Top margin 500, left 120, a quarter inch 150. White on the black band: the title's band,
    // then the date line's, from 600/80 + 119 (the date font, taller than the talk font) above.
    ASSERT_EQ(p.bands.size(), 2u);
    EXPECT_EQ(p.bands[1].rect, (Rect{114, 800 - 7 - 119, 4740, 806}));
    EXPECT_EQ(item(p, "Напечатано 07 дек 2026").y, 0);
    EXPECT_EQ(item(p, "Янв 09, 2027"), (TextItem{120, 800, "Янв 09, 2027", F::date, kWhite, L}));
    EXPECT_EQ(item(p, "Пётр Иванов"), (TextItem{1320, 800, "Пётр Иванов", F::talk_title, kWhite}));
    EXPECT_EQ(item(p, "в Северное"), (TextItem{4620, 800, "в Северное", F::talk_title, kWhite, R}));
    EXPECT_EQ(item(p, "18:30"), (TextItem{180, 1040, "18:30", F::speakers}));
    EXPECT_EQ(item(p, "Речь - Вера в действии ( 25 ) "),
              (TextItem{920, 1040, "Речь - Вера в действии ( 25 ) ", F::speakers}));
    // Northern meets on Saturday in odd years, we on Sunday.
    EXPECT_EQ(item(p, "( Суббота )"), (TextItem{320, 1175, "( Суббота )", F::speakers}));
    EXPECT_EQ(item(p, "Ответственный за речи ( Северное )").x, 2520);
    EXPECT_EQ(item(p, "Олег Сидоров"), (TextItem{240, 1550, "Олег Сидоров", F::speakers}));
    EXPECT_EQ(item(p, "Иван Петров"), (TextItem{2580, 1550, "Иван Петров", F::speakers}));
    EXPECT_EQ(item(p, "8-900-123-45-67"), (TextItem{2640, 1850, "8-900-123-45-67", F::speakers}));
    EXPECT_EQ(item(p, "4822-77-88"), (TextItem{3120, 2300, "4822-77-88", F::speakers}));
    EXPECT_EQ(item(p, "Тверь"), (TextItem{240, 2600, "Тверь", F::speakers}));
    EXPECT_EQ(p.pictures, (std::vector<Picture>{{{270, 3200, 4470, 6200}, map("north.jpg")}}));
}

TEST_F(LettersTest, TheNoticeTakesTheDestinationsWeekdayAndLeavesOutWhatIsMissing) {
    write_letters_data();
    auto doc = open_letters();
    // Южное meets on Wednesday: the date moves there and the weekday is named. It has no
    // time, its coordinator is not among the brothers, and its map name is all blanks.
    const Page p = layout_outgoing_notice(*doc, fonts, kThisIndex, 0, Device::screen()).pages[0];
    EXPECT_EQ(item(p, "Дек 09, 2026").x, 19);
    EXPECT_EQ(item(p, "( Среда )"), (TextItem{51, 188, "( Среда )", F::speakers}));
    EXPECT_EQ(item(p, "Речь - Вера в действии ( 25 ) ").x, 147);
    EXPECT_EQ(item(p, "Зал Царства").y, 368);  // its record is there, if empty
    EXPECT_TRUE(p.pictures.empty());
    // Below the captions nothing stands on the destination's side: no coordinator, no phones.
    for (const TextItem& t : p.texts) {
        if (t.y > 224) {
            EXPECT_LT(t.x, 403) << t.text;
        }
    }
    // Exactly: the title, header, talk, weekday, our caption, coordinator and phone, their
    // caption, and the hall's caption.
    EXPECT_EQ(p.texts.size(), 11u);
}

TEST_F(LettersTest, TheLetterAt96DpiHasLetterheadAddresseeWrappedBodyAndOurMap) {
    write_letters_data();
    auto doc = open_letters();
    const DisplayList list = layout_invitation_letter(*doc, fonts, kThisIndex, Device::screen());
    ASSERT_EQ(list.pages.size(), 1u);
    const Page& p = list.pages[0];
    const std::vector<TextItem> expected = {
        {51, 116, "Олег Сидоров", F::speakers, 0, L},
        {51, 140, "ул. Садовая, 3", F::speakers, 0, L},
        {51, 164, "Москва 101000", F::speakers, 0, L},
        {499, 116, "Телефон:", F::speakers, 0, L},
        {595, 116, "222-33-44", F::speakers, 0, L},
        {691, 188, "oleg@example.org", F::speakers, 0, R},
        {51, 188, "Декабря 07, 2026", F::speakers, 0, L},
        {67, 284, "Иван Петров", F::speakers, 0, L},
        {67, 308, "ул. Лесная, 7", F::speakers, 0, L},
        {67, 332, "Тверь 170000", F::speakers, 0, L},
        {51, 387, "Дорогой брат Петров,", F::speakers, 0, L},
        {51, 507, "Твой брат,", F::speakers, 0, L},
        {51, 531, "Олег Сидоров, ответственный за речи, Центральное Собрание", F::speakers, 0, L},
    };
    EXPECT_EQ(p.texts, expected);
    const std::vector<TextBox> body = {
        {{51, 416, 691, 608},
         "мы рады, что ты посетишь наше собрание Декабря 13, 2026 преподнести речь, \"Как найти "
         "мир\" ( #12 ).  Начало нашей публичной встречи в 10:00.  Адрес Зала Царства: ул. Мира, "
         "5, Москва.  Телефон: 495-111-22-33.  Мы с нетерпением ждем твоей речи.  ",
         F::speakers,
         0}};
    EXPECT_EQ(p.boxes, body);
    EXPECT_EQ(p.pictures, (std::vector<Picture>{{{43, 560, 715, 1021}, map("central.jpg")}}));
    EXPECT_TRUE(p.bands.empty());

    // At 600 dpi: top margin 500, left 120, a quarter inch 150.
    const Page paper =
        layout_invitation_letter(*doc, fonts, kThisIndex, Device::printer(600, 600)).pages[0];
    EXPECT_EQ(item(paper, "Олег Сидоров").y, 725);
    EXPECT_EQ(item(paper, "Телефон:").x, 3120);
    EXPECT_EQ(item(paper, "222-33-44").x, 3720);
    EXPECT_EQ(item(paper, "oleg@example.org"),
              (TextItem{4320, 1175, "oleg@example.org", F::speakers, 0, R}));
    EXPECT_EQ(item(paper, "Иван Петров"), (TextItem{420, 1775, "Иван Петров", F::speakers}));
    EXPECT_EQ(item(paper, "Тверь 170000").y, 2075);
    EXPECT_EQ(item(paper, "Дорогой брат Петров,").y, 2420);
    EXPECT_EQ(paper.boxes.at(0).rect, (Rect{320, 2600, 4320, 3800}));
    EXPECT_EQ(item(paper, "Твой брат,").y, 3170);
    EXPECT_EQ(paper.pictures.at(0).rect, (Rect{270, 3500, 4470, 6380}));
    EXPECT_EQ(paper.texts.size(), p.texts.size());  // no print date, no title
}

TEST_F(LettersTest, ALetterWithoutIncomingTalkIsAnEmptyPageAndAnEmailOnlyCoordinatorKeepsHisLines) {
    write_letters_data("");  // Олег's only contact is his e-mail
    auto doc = open_letters();
    const DisplayList empty =
        layout_invitation_letter(*doc, fonts, kThisIndex + 1, Device::screen());
    ASSERT_EQ(empty.pages.size(), 1u);
    EXPECT_TRUE(empty.pages[0].texts.empty());
    EXPECT_TRUE(empty.pages[0].boxes.empty());
    EXPECT_TRUE(empty.pages[0].pictures.empty());

    const Page p = layout_invitation_letter(*doc, fonts, kThisIndex, Device::screen()).pages[0];
    EXPECT_EQ(item(p, "Телефон:"), (TextItem{499, 116, "Телефон:", F::speakers}));
    EXPECT_EQ(item(p, "oleg@example.org"),
              (TextItem{691, 188, "oleg@example.org", F::speakers, 0, R}));
    for (const TextItem& t : p.texts)
        EXPECT_NE(t.x, 595) << t.text;  // no numbers

    // Where our coordinator is not among the brothers there is no letterhead: the letter
    // starts with the date.
    doc->set_our_congregation(3);
    const Page south = layout_invitation_letter(*doc, fonts, kThisIndex, Device::screen()).pages[0];
    ASSERT_FALSE(south.texts.empty());
    EXPECT_EQ(south.texts[0], (TextItem{51, 188, "Декабря 07, 2026", F::speakers}));
    EXPECT_EQ(item(south, "Телефон:").x, -1);
    EXPECT_TRUE(south.pictures.empty());
}

TEST(OneOClock, OnlyPortugueseTakesTheSingularAfterTheTenthCharacter) {
    const std::string one = "A reunião começa às 1:30.  ";
    EXPECT_EQ(one_oclock_singular("ptg", one), "A reunião começa à 1:30.  ");
    EXPECT_EQ(one_oclock_singular("ptg", "A reunião é às 1"), "A reunião é à 1");  // at the end
    EXPECT_EQ(one_oclock_singular("rus", one), one);
    for (const char* plural : {"A reunião começa às 10:00", "A reunião começa às 11:00",
                               "A reunião começa às 12:30", "Às 1:30"}) {
        EXPECT_EQ(one_oclock_singular("ptg", plural), plural);
    }
    // "às 1" beginning within the first ten characters (counted as letters, not bytes) stays.
    EXPECT_EQ(one_oclock_singular("ptg", "Começa às 1:30"), "Começa às 1:30");
    EXPECT_EQ(one_oclock_singular("ptg", "Começaçã às 1:30"), "Começaçã às 1:30");
}

}  // namespace

namespace {

TEST_F(LettersTest, TheLetterAndTheNoticeGoAsDraftsToTheirBrotherWhenHeHasAnAddress) {
    write_letters_data();
    auto doc = open_letters();
    const auto letter = letter_mail(*doc, invitation_letter_request(kThisIndex));
    ASSERT_TRUE(letter);
    EXPECT_EQ(letter->address, "ivan@example.org");
    EXPECT_EQ(letter->subject, "Публичная речь Декабря 13, 2026");
    const InvitationLetter l = invitation_letter(*doc, kThisIndex);
    EXPECT_EQ(letter->body, "Дорогой брат Петров,\n\n" + l.body +
                                "\n\nТвой брат,\nОлег Сидоров, ответственный за речи, "
                                "Центральное Собрание\n");
    EXPECT_TRUE(letter->attachment.empty());  // the desktop adds the PDF where it can

    const auto notice = letter_mail(*doc, outgoing_notice_request(kThisIndex, 0));
    ASSERT_TRUE(notice);
    EXPECT_EQ(notice->address, "petr@example.org");
    EXPECT_EQ(notice->subject, "Назначение публичной речи - Дек 09, 2026");
    EXPECT_EQ(notice->body,
              "Дек 09, 2026  Пётр Иванов  в Южное\nРечь - Вера в действии ( 25 ) \n( Среда )\n\n"
              "Ответственный за речи ( Центральное ):  Олег Сидоров  222-33-44\n"
              "Ответственный за речи ( Южное ):\n\nЗал Царства:\n");
    // The address is trimmed; nobody in an empty slot, no letter without a talk.
    EXPECT_EQ(letter_mail(*doc, outgoing_notice_request(kThisIndex, 1))->address,
              "oleg@example.org");
    EXPECT_FALSE(letter_mail(*doc, outgoing_notice_request(kThisIndex, 2)));
    EXPECT_FALSE(letter_mail(*doc, invitation_letter_request(kThisIndex + 1)));
    EXPECT_FALSE(letter_mail(*doc, ReportRequest{ReportKind::schedule, kThisIndex, 1, 0}));
    EXPECT_EQ(letter_file_name(*doc, invitation_letter_request(kThisIndex)),
              "Письмо приглашенному докладчику - Иван Петров - Дек 13, 2026.pdf");
    EXPECT_EQ(letter_file_name(*doc, outgoing_notice_request(kThisIndex, 0)),
              "Извещение уходящего докладчика - Пётр Иванов - Дек 09, 2026.pdf");
}

TEST_F(LettersTest, ABrotherWithoutAUsableAddressGetsNoDraft) {
    write_letters_data();
    // Иван's address is no address at all now.
    FixtureBytes ivan(128);
    ivan.u16(0, 1).text(34, "-ivan@example.org");
    FixtureBytes oleg(128), petr(128);
    oleg.u16(0, 2);
    petr.u16(0, 3).text(34, "petr.example.org");
    write_bytes(dir / "xtend.dat", concat({ivan, oleg, petr}));
    auto doc = open_letters();
    EXPECT_FALSE(letter_mail(*doc, invitation_letter_request(kThisIndex)));
    EXPECT_FALSE(letter_mail(*doc, outgoing_notice_request(kThisIndex, 0)));
    EXPECT_FALSE(letter_mail(*doc, outgoing_notice_request(kThisIndex, 1)));
}

}  // namespace
