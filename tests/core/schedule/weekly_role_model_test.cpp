#include "core/schedule/weekly_role_model.h"

#include "core/schedule/sheet_model.h"
#include "local_brothers_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::WeeklyRole;
using schedule::WeeklyRoleModel;

namespace {

// Row r of every list is week number 1406 + r. Chairmen: 6 Андреев, 7 Борисов, 8 Волков (A, B,
// C in table order). Readers: 6, 8 and the discontinued 9. Hosts: "~Иванов", Кротов, Лисин.
struct WeeklyRoleTest : ScheduleTest {
    void SetUp() override {
        ScheduleTest::SetUp();
        write_local_brothers(dir.path());
    }
    void history(std::initializer_list<FixtureBytes> weeks) {
        write_bytes(dir / "history.dat", concat(weeks));
    }
    // The role's person in rows from..to.
    std::vector<std::uint16_t> persons(WeeklyRole role, int from, int to) {
        std::vector<std::uint16_t> out;
        for (int r = from; r <= to; ++r)
            out.push_back(schedule::person_of(week(1406 + r), role));
        return out;
    }
    using Ids = std::vector<std::uint16_t>;
};

}  // namespace

TEST_F(WeeklyRoleTest, NeverServedChairmenComeInTableOrderThenTheLongestWaiting) {
    open();
    WeeklyRoleModel page(*doc, WeeklyRole::chairman);
    EXPECT_EQ(page.selected_row(), 0);
    page.select(3);
    EXPECT_FALSE(page.clears());
    // Without an earlier chairman the run starts on the second row.
    EXPECT_EQ(page.auto_or_clear_caption(), "Автовыбор  Дек 20 - Янв 03");
    page.press_auto_or_clear();
    EXPECT_EQ(persons(WeeklyRole::chairman, 0, 3), (Ids{0, 6, 7, 8}));
    EXPECT_EQ(page.rows()[1], "Дек 20, 2026\t  Алексей Андреев");
    EXPECT_EQ(page.selected_row(), 0);  // the first week still open

    page.select(4);
    EXPECT_EQ(page.auto_or_clear_caption(), "Автовыбор  Янв 10");
    page.press_auto_or_clear();
    EXPECT_EQ(week(1410).chairman_id, 6);

    // On the first row the chairman's run is that week alone; the search for last services
    // looks back from it, so the later weeks do not count.
    page.select(0);
    EXPECT_EQ(page.auto_or_clear_caption(), "Автовыбор  Дек 13");
    page.press_auto_or_clear();
    EXPECT_EQ(persons(WeeklyRole::chairman, 0, 4), (Ids{6, 6, 7, 8, 6}));

    schedule::SheetModel(*doc).accept();
    EXPECT_EQ(
        read_bytes(dir / "history.dat"),
        concat({week_bytes(1406).u16(14, 6).u16(20, 1), week_bytes(1407).u16(14, 6).u16(20, 1),
                week_bytes(1408).u16(14, 7).u16(20, 1), week_bytes(1409).u16(14, 8).u16(20, 1),
                week_bytes(1410).u16(14, 6).u16(20, 1)}));
}

TEST_F(WeeklyRoleTest, UnavailableOrBusyCandidatesAreSkippedForThatWeekOnly) {
    write_bytes(dir / "blackout.dat", concat({unavailable_bytes(6, 1408)}));
    history({week_bytes(1409).u16(16, 7).u16(20, 1)});  // Борисов reads that week
    open();
    WeeklyRoleModel page(*doc, WeeklyRole::chairman);
    page.select(4);
    page.press_auto_or_clear();
    EXPECT_EQ(persons(WeeklyRole::chairman, 1, 4), (Ids{6, 7, 8, 6}));
}

TEST_F(WeeklyRoleTest, LastServicesComeFromTheWeeksBefore) {
    // Волков chaired longest ago; Борисов chaired in the week before the first row.
    history({week_bytes(1300).u16(14, 8).u16(20, 1), week_bytes(1350).u16(14, 6).u16(20, 1),
             week_bytes(1405).u16(14, 7).u16(20, 1)});
    open();
    WeeklyRoleModel page(*doc, WeeklyRole::chairman);
    page.select(2);
    // A chairman in the week before the list lets the run start on the first row.
    EXPECT_EQ(page.fill_start(), calendar::WeekIndex(1405));
    page.press_auto_or_clear();
    EXPECT_EQ(persons(WeeklyRole::chairman, 0, 2), (Ids{8, 6, 7}));
}

TEST_F(WeeklyRoleTest, EventWeeksInsideTheRunGetNobody) {
    // Row 2 a convention; row 5 an overseer visit that keeps the chairman; row 6 one that does
    // not; row 7 another event that keeps the reader.
    history({week_bytes(1408).u16(20, 0x03), week_bytes(1411).u16(20, 0x15),
             week_bytes(1412).u16(20, 0x45), week_bytes(1413).u16(20, 0x49)});
    open();
    WeeklyRoleModel chairmen(*doc, WeeklyRole::chairman);
    chairmen.select(5);
    EXPECT_EQ(chairmen.auto_or_clear_caption(), "Автовыбор  Дек 20 - Янв 17");
    chairmen.press_auto_or_clear();
    EXPECT_EQ(persons(WeeklyRole::chairman, 1, 5), (Ids{6, 0, 7, 8, 6}));
    EXPECT_EQ(chairmen.rows()[2], "Дек 27, 2026\t  Конгресс");
    EXPECT_EQ(chairmen.rows()[6], "Янв 24, 2027\t  РН Визит");
    EXPECT_EQ(chairmen.rows()[7], "Янв 31, 2027\t  Особое событие");
    chairmen.select(6);
    EXPECT_FALSE(chairmen.choice_visible());

    // The reader never serves in an overseer's week, even one that keeps him.
    WeeklyRoleModel readers(*doc, WeeklyRole::reader);
    EXPECT_EQ(readers.rows()[5], "Янв 17, 2027\t  РН Визит");
    EXPECT_EQ(readers.rows()[6], "Янв 24, 2027\t  РН Визит");
    readers.select(7);
    ASSERT_TRUE(readers.choice_visible());
    readers.press_auto_or_clear();
    // Андреев and Волков, each skipped where he chairs; the discontinued Громов never.
    EXPECT_EQ(persons(WeeklyRole::reader, 1, 7), (Ids{8, 0, 6, 6, 0, 0, 8}));
    EXPECT_EQ(persons(WeeklyRole::reader, 8, 8), (Ids{0}));
}

TEST_F(WeeklyRoleTest, HostsRotateFromTheFirstRowAndTildeHostsOnlyByHand) {
    open();
    WeeklyRoleModel page(*doc, WeeklyRole::hospitality);
    page.select(2);
    EXPECT_EQ(page.auto_or_clear_caption(), "Автовыбор  Дек 13 - Дек 27");
    page.press_auto_or_clear();
    EXPECT_EQ(persons(WeeklyRole::hospitality, 0, 2), (Ids{30002, 30003, 30002}));
    EXPECT_EQ(page.selected_row(), 3);
    EXPECT_FALSE(page.exchange_visible());
    EXPECT_FALSE(page.legend_visible());

    page.apply_host(page.selected_week(), 0);
    EXPECT_EQ(week(1409).host_id, 30001);
    EXPECT_EQ(page.rows()[3], "Янв 03, 2027\t  Иванов");
    EXPECT_EQ(page.selected_row(), 4);
}

TEST_F(WeeklyRoleTest, ClearEmptiesTheRunThatTheButtonAnnounces) {
    history({week_bytes(1407).u16(14, 6).u16(20, 1), week_bytes(1408).u16(14, 7).u16(20, 1),
             week_bytes(1409).u16(14, 8).u16(20, 1), week_bytes(1410).u16(14, 6).u16(20, 1)});
    open();
    WeeklyRoleModel page(*doc, WeeklyRole::chairman);
    page.select(1);
    ASSERT_TRUE(page.clears());
    EXPECT_EQ(page.auto_or_clear_caption(), "Очистить Дек 20 - Янв 10");
    page.press_auto_or_clear();
    EXPECT_EQ(persons(WeeklyRole::chairman, 1, 4), (Ids{0, 0, 0, 0}));
    // Emptied weeks stay in the file.
    schedule::SheetModel(*doc).accept();
    EXPECT_EQ(read_bytes(dir / "history.dat"),
              concat({week_bytes(1407).u16(20, 1), week_bytes(1408).u16(20, 1),
                      week_bytes(1409).u16(20, 1), week_bytes(1410).u16(20, 1)}));
}

TEST_F(WeeklyRoleTest, ClearOfARunPastTheListTakesOnlyTheSelectedWeek) {
    std::vector<std::uint8_t> all;
    for (int n = 1407; n <= 1432; ++n) {
        const auto w = week_bytes(static_cast<std::uint16_t>(n)).u16(14, 6).u16(20, 1).bytes();
        all.insert(all.end(), w.begin(), w.end());
    }
    write_bytes(dir / "history.dat", all);
    open();
    WeeklyRoleModel page(*doc, WeeklyRole::chairman);
    page.select(1);
    EXPECT_EQ(page.auto_or_clear_caption(), "Очистить Дек 20");
    page.press_auto_or_clear();
    EXPECT_EQ(persons(WeeklyRole::chairman, 1, 3), (Ids{0, 6, 6}));

    // A run ending on the last row is cleared whole, and says so.
    week(1432).chairman_id = 0;
    page.select(2);
    EXPECT_EQ(page.auto_or_clear_caption(), "Очистить Дек 27 - Июн 06");
}

TEST_F(WeeklyRoleTest, ExchangeSwapsTwoWeeksWithAPerson) {
    history({week_bytes(1407).u16(14, 6).u16(20, 1), week_bytes(1409).u16(14, 7).u16(20, 1)});
    open();
    WeeklyRoleModel page(*doc, WeeklyRole::chairman);
    page.select(1);
    EXPECT_EQ(page.exchange_caption(), "Обмен Алексей Андреев");
    page.press_exchange();
    ASSERT_TRUE(page.exchange_pending());
    EXPECT_EQ(page.exchange_prompt(), "Выберите председателя для обмена с\nАлексей Андреев\nили");
    EXPECT_EQ(page.exchange_caption(), "Отменить обмен");
    EXPECT_FALSE(page.choice_visible());

    page.select(2);  // no chairman: nothing happens
    EXPECT_TRUE(page.exchange_pending());
    EXPECT_EQ(persons(WeeklyRole::chairman, 1, 3), (Ids{6, 0, 7}));
    EXPECT_TRUE(page.exchange_visible());

    page.select(3);
    EXPECT_FALSE(page.exchange_pending());
    EXPECT_EQ(persons(WeeklyRole::chairman, 1, 3), (Ids{7, 0, 6}));
    EXPECT_EQ(page.selected_row(), 0);

    page.select(1);
    page.press_exchange();
    page.press_exchange();  // cancelled
    page.select(3);
    EXPECT_EQ(persons(WeeklyRole::chairman, 1, 3), (Ids{7, 0, 6}));
}

TEST_F(WeeklyRoleTest, MarkersLegendConflictAndManualChoice) {
    write_bytes(dir / "blackout.dat", concat({unavailable_bytes(6, 1407)}));
    history({week_bytes(1407).u16(14, 6).u16(20, 1),
             week_bytes(1408).u16(14, 7).u16(16, 7).u16(20, 1)});
    open();
    WeeklyRoleModel page(*doc, WeeklyRole::chairman);
    EXPECT_EQ(page.column_captions(), (std::vector<std::string>{"Неделя", "Председатели"}));
    EXPECT_EQ(page.rows()[1], "Дек 20, 2026\t  * Алексей Андреев");
    EXPECT_EQ(page.rows()[2], "Дек 27, 2026\t  # Борис Борисов");
    EXPECT_EQ(WeeklyRoleModel::cells(page.rows()[2]),
              (std::vector<std::string>{"Дек 27, 2026", "  # Борис Борисов"}));
    EXPECT_TRUE(page.legend_visible());
    EXPECT_TRUE(page.conflict_visible());

    page.select(1);
    EXPECT_EQ(page.legend(), "Алексей Андреев - Недоступен - Декабря 20, 2026");
    page.select(2);
    EXPECT_EQ(page.legend(), "* = Назначенный председатель недоступен!");
    EXPECT_EQ(page.conflict_text(),
              "# Конфликт планирования  Дек 27\nБорис Борисов\nЧтец - Председатель");
    const schedule::LocalRoleChoice choice = page.manual_choice();
    EXPECT_EQ(choice.role, store::LocalRole::chairman);
    EXPECT_EQ(choice.week, calendar::WeekIndex(1407));
    EXPECT_EQ(choice.current, brother_pos(7) + 1);

    // The chooser's OK writes the lists edited in it; their notice rebuilds the page, whose
    // selection moves to the first open week. The choice still goes to its own week.
    schedule::SheetModel sheet(*doc);
    sheet.join(page);
    doc->set_local_roles(1, 0x04);
    doc->write_local_roles();
    EXPECT_EQ(page.selected_row(), 0);
    page.apply_brother(choice.week, brother_pos(8));
    EXPECT_EQ(week(1408).chairman_id, 8);
    EXPECT_FALSE(page.conflict_visible());
    EXPECT_EQ(page.selected_row(), 0);
    page.select(0);
    EXPECT_EQ(page.manual_choice().current, 0u);
}
