#include "core/schedule/summary_model.h"

#include <set>

#include "core/schedule/sheet_model.h"
#include "local_brothers_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::Ink;
using schedule::PageKind;
using schedule::SummaryColumn;
using schedule::SummaryModel;
using schedule::WeekStatus;

namespace {

// Row r is week number 1406 + r. Visiting speakers 1 Петров, 3 Орлов; our brothers 6 Андреев,
// 7 Борисов, 8 Волков; hosts 30001 "~Иванов", 30002 Кротов.
struct SummaryTest : ScheduleTest {
    void SetUp() override {
        ScheduleTest::SetUp();
        write_local_brothers(dir.path());
        write_bytes(dir / "blackout.dat", concat({unavailable_bytes(3, 1410)}));
    }
    void schedule(bool hospitality, bool readers) {
        settings::Settings s = doc->settings();
        s.hospitality_scheduled = hospitality;
        s.readers_scheduled = readers;
        doc->set_settings(s);
    }
    WeekStatus status(int number) {
        return schedule::week_status(*doc, calendar::WeekNumber(number).index());
    }
    // A week with everything an ordinary week needs, the speaker not yet confirmed.
    store::WeekRecord& planned(int number) {
        store::WeekRecord& w = week(number);
        w.speaker_id = 1;
        w.talk_no = 12;
        w.speaker_cong_id = 2;
        w.chairman_id = 6;
        w.host_id = 30002;
        w.reader_id = 8;
        return w;
    }
    static std::vector<std::string> texts(const schedule::SummaryRow& row) {
        std::vector<std::string> out;
        for (const auto& c : row.cells)
            out.push_back(c.text);
        return out;
    }
};

using Texts = std::vector<std::string>;

}  // namespace

TEST_F(SummaryTest, TheFirstRuleThatAppliesGivesTheWeekItsStatus) {
    open();
    schedule(true, true);
    EXPECT_EQ(status(1406), WeekStatus::none);

    week(1407).week_flags = 0x03;  // convention
    EXPECT_EQ(status(1407), WeekStatus::complete);
    week(1407).out_speaker_id[0] = 7;
    EXPECT_EQ(status(1407), WeekStatus::conflict);
    week(1408).week_flags = 0x09;  // another event, nothing scheduled
    EXPECT_EQ(status(1408), WeekStatus::complete);

    planned(1409);
    EXPECT_EQ(status(1409), WeekStatus::unconfirmed);
    week(1409).confirmed = 1406;
    EXPECT_EQ(status(1409), WeekStatus::complete);
    week(1409).host_id = 0;
    EXPECT_EQ(status(1409), WeekStatus::incomplete);
    schedule(false, true);  // no host needed when hospitality is not scheduled
    EXPECT_EQ(status(1409), WeekStatus::complete);
    week(1409).out_speaker_id[0] = 7;  // out without talk and congregation
    EXPECT_EQ(status(1409), WeekStatus::outgoing_incomplete);
    week(1409).out_talk_no[0] = 56;
    week(1409).out_cong_id[0] = 3;
    EXPECT_EQ(status(1409), WeekStatus::complete);
    week(1409).out_speaker_id[1] = 6;  // the chairman goes out as well
    EXPECT_EQ(status(1409), WeekStatus::conflict);

    // Орлов is away in week 1410: as our speaker, and as an outgoing speaker in a later slot.
    planned(1410).speaker_id = 3;
    week(1410).chairman_id = 3;  // double-booked too, but unavailability comes first
    EXPECT_EQ(status(1410), WeekStatus::speaker_unavailable);
    week(1410).speaker_id = 1;
    week(1410).chairman_id = 1;
    EXPECT_EQ(status(1410), WeekStatus::conflict);
    week(1410).chairman_id = 6;
    week(1410).out_speaker_id = {7, 3};
    week(1410).out_talk_no[0] = 56;
    week(1410).out_cong_id[0] = 3;
    EXPECT_EQ(status(1410), WeekStatus::speaker_unavailable);

    week(1411).chairman_id = 6;  // an ordinary week with only a chairman
    EXPECT_EQ(status(1411), WeekStatus::incomplete);
}

TEST_F(SummaryTest, AnOverseerVisitNeedsOnlyWhatItAllows) {
    open();
    schedule(true, true);
    week(1407).week_flags = 0x05;  // allows neither chairman nor host
    EXPECT_EQ(status(1407), WeekStatus::complete);
    week(1408).week_flags = 0x35;  // allows both
    week(1408).chairman_id = 6;
    EXPECT_EQ(status(1408), WeekStatus::incomplete);
    week(1408).host_id = 30002;
    EXPECT_EQ(status(1408), WeekStatus::complete);
    // Without hospitality scheduled, the host it allows can never be set: not missing.
    week(1408).host_id = 0;
    schedule(false, true);
    EXPECT_EQ(status(1408), WeekStatus::complete);
}

TEST_F(SummaryTest, CellsShowNamesEventsAndMarksInkedByTheRules) {
    write_bytes(dir / "special.dat", concat({event_bytes(1406, 0x08, "Юбилей собрания"),
                                             event_bytes(1407, 0x08, "Сбор")}));
    open();
    schedule(true, false);
    planned(1406).chairman_id = 1;  // the speaker chairs too: both purple
    week(1406).out_speaker_id = {7, 8};
    week(1407).week_flags = 0x09;      // another event with a long title
    week(1407).out_speaker_id[0] = 6;  // out in an event week: purple
    week(1407).out_cong_id[0] = 3;
    week(1408).week_flags = 0x09;    // its title is too short to replace the text
    week(1409).speaker_cong_id = 3;  // a congregation, no speaker and no talk
    planned(1410).speaker_id = 3;    // Орлов is away that week
    SummaryModel page(*doc);
    const auto& rows = page.rows();
    ASSERT_EQ(rows.size(), 20u);

    EXPECT_EQ(texts(rows[0]), (Texts{"Дек 13", "Иван Петров", "12", "X", "X", "",
                                     "Борис Борисов ( ??? )   + ..."}));
    EXPECT_EQ(rows[0].status, WeekStatus::conflict);
    EXPECT_EQ(rows[0].cells[1].ink, Ink::double_booked);
    EXPECT_EQ(rows[0].cells[3].ink, Ink::double_booked);
    // The signs beside the inks: before a name, after a mark.
    EXPECT_EQ(schedule::signed_text(rows[0].cells[1], SummaryColumn::speaker), "# Иван Петров");
    EXPECT_EQ(schedule::signed_text(rows[0].cells[3], SummaryColumn::chairman_mark), "X#");
    EXPECT_EQ(schedule::signed_text(rows[0].cells[4], SummaryColumn::host_mark), "X");
    EXPECT_TRUE(rows[0].cells[0].filled);
    EXPECT_TRUE(rows[0].cells[2].right_aligned);

    EXPECT_EQ(texts(rows[1]),
              (Texts{"Дек 20", "Юбилей собрания", "", "", "", "", "Алексей Андреев ( ??? ) "}));
    EXPECT_EQ(rows[1].cells[6].ink, Ink::double_booked);
    EXPECT_EQ(rows[2].cells[1].text, "Особое событие");
    EXPECT_EQ(rows[3].cells[1].text, "  ?");
    EXPECT_EQ(rows[3].cells[2].text, " ?");
    EXPECT_EQ(rows[4].cells[1].ink, Ink::unavailable);  // red wins over the blue of unconfirmed
    EXPECT_EQ(schedule::signed_text(rows[4].cells[1], SummaryColumn::speaker), "* Павел Орлов");
    EXPECT_EQ(rows[5].status, WeekStatus::none);
    EXPECT_FALSE(rows[5].cells[0].filled);

    week(1410).speaker_id = 1;
    page.refresh();
    EXPECT_EQ(rows[4].cells[1].ink, Ink::unconfirmed);

    // Our first outgoing speaker without a talk: the date and the outgoing cell are filled.
    week(1411).out_speaker_id[0] = 8;
    week(1411).out_cong_id[0] = 3;
    page.refresh();
    EXPECT_EQ(rows[5].status, WeekStatus::outgoing_incomplete);
    EXPECT_TRUE(rows[5].cells[0].filled && rows[5].cells[6].filled);
    EXPECT_FALSE(rows[0].cells[6].filled);
}

TEST_F(SummaryTest, TheRolesViewNamesChairmenHostsAndReaders) {
    write_bytes(dir / "blackout.dat", concat({unavailable_bytes(8, 1406)}));
    open();
    schedule(true, true);
    week(1406).chairman_id = 6;
    week(1406).host_id = 30001;
    week(1406).reader_id = 8;
    SummaryModel page(*doc);
    EXPECT_EQ(page.view_caption(),
              "Нажмите Enter или эту кнопку для просмотра Председатели - Гостеприимные - Чтецы СБ "
              "( П - Г - Ч )");
    EXPECT_EQ(page.column_titles(),
              (Texts{"", "Местный докладчик", "Речь", "П", "Г", "Ч", "Уходящий докладчик"}));
    page.toggle_view();
    EXPECT_EQ(page.view_caption(), "Назад");
    EXPECT_EQ(page.column_titles(), (Texts{"", "Председатель", "Гостеприимство", "Чтецы"}));
    EXPECT_EQ(texts(page.rows()[0]),
              (Texts{"Дек 13", "Алексей Андреев", "Иванов", "Василий Волков"}));
    EXPECT_EQ(page.rows()[0].cells[3].ink, Ink::unavailable);
    EXPECT_EQ(page.rows()[0].cells[2].ink, Ink::text);
    page.toggle_view();
    EXPECT_EQ(page.view_caption(), "П - Г - Ч");
    EXPECT_EQ(page.rows()[0].cells.size(), 7u);
}

TEST_F(SummaryTest, TheLegendShowsTheStatusesOfTheDrawingAndEachHasItsOwnSign) {
    open();
    schedule(false, false);
    week(1407).chairman_id = 6;
    week(1408).out_speaker_id[0] = 7;  // outgoing incomplete counts as "Неполный"
    SummaryModel page(*doc);
    std::vector<std::string> shown;
    for (const auto& e : page.legend()) {
        if (e.visible) shown.push_back(e.text);
    }
    EXPECT_EQ(shown, Texts{"Неполный"});

    std::set<std::string> signs;
    for (WeekStatus s :
         {WeekStatus::complete, WeekStatus::incomplete, WeekStatus::speaker_unavailable,
          WeekStatus::unconfirmed, WeekStatus::conflict}) {
        EXPECT_TRUE(schedule::status_colour(s).has_value());
        signs.insert(schedule::status_symbol(s));
    }
    EXPECT_EQ(signs.size(), 5u);
    EXPECT_EQ(*schedule::status_colour(WeekStatus::outgoing_incomplete), 0xFFFF57u);
    EXPECT_FALSE(schedule::status_colour(WeekStatus::none).has_value());
}

TEST_F(SummaryTest, TheSpinMovesTheSharedStartByTenWithinItsBounds) {
    open();
    schedule::SheetModel sheet(*doc);
    SummaryModel page(*doc);
    CountingPage sibling;
    sheet.join(page);
    sheet.join(sibling);
    EXPECT_EQ(page.start_label(), "Начало\nДек 13");
    EXPECT_EQ(page.year_lines(), (Texts{"2026", "2027"}));

    for (int k = 0; k < 16; ++k)
        page.spin(true);
    EXPECT_EQ(page.start().value, 1406 + 150);
    EXPECT_EQ(doc->current_week().value, 1556);
    EXPECT_EQ(sibling.refreshes, 16);
    EXPECT_EQ(page.rows()[0].week.number().value, 1556);

    // Down to the first week of the window (2026: week number 885), never below.
    for (int k = 0; k < 80; ++k)
        page.spin(false);
    EXPECT_EQ(page.start().value, 885);
    EXPECT_EQ(doc->current_week().value, 885);
}

TEST_F(SummaryTest, AColumnOpensItsPageAtTheClickedRow) {
    open();
    schedule(false, true);
    schedule::SheetModel sheet(*doc);
    std::vector<PageKind> wanted;
    sheet.set_listener(
        {.page_changed = {}, .page_wanted = [&](PageKind k) { wanted.push_back(k); }});
    SummaryModel page(*doc);
    CountingPage chairmen(PageKind::chairmen);
    CountingPage readers(PageKind::readers);
    sheet.join(page);
    sheet.join(chairmen);
    sheet.join(readers);

    EXPECT_TRUE(page.click(4, SummaryColumn::chairman_mark));
    EXPECT_EQ(chairmen.selected, std::vector<int>{4});
    EXPECT_FALSE(page.click(4, SummaryColumn::host_mark));  // hospitality is not scheduled
    EXPECT_TRUE(page.click(std::nullopt, SummaryColumn::reader_mark));  // the header: no row
    EXPECT_TRUE(readers.selected.empty());
    EXPECT_TRUE(page.click(0, SummaryColumn::date));
    EXPECT_TRUE(page.click(0, SummaryColumn::outgoing));
    EXPECT_EQ(wanted, (std::vector<PageKind>{PageKind::chairmen, PageKind::readers,
                                             PageKind::local_talks, PageKind::outgoing}));

    page.toggle_view();
    EXPECT_EQ(page.target_of(SummaryColumn::date), std::nullopt);
    EXPECT_EQ(page.target_of(SummaryColumn::chairman), PageKind::chairmen);
    EXPECT_EQ(page.target_of(SummaryColumn::host), std::nullopt);
    EXPECT_EQ(page.target_of(SummaryColumn::reader), PageKind::readers);
    schedule(true, false);
    EXPECT_EQ(page.target_of(SummaryColumn::host), PageKind::hospitality);
    EXPECT_EQ(page.target_of(SummaryColumn::reader), std::nullopt);

    // Only while the drawing starts at S.
    doc->set_current_week(calendar::WeekNumber(1416));
    EXPECT_FALSE(page.click(2, SummaryColumn::chairman));
    EXPECT_EQ(chairmen.selected, std::vector<int>{4});
}
