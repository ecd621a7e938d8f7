#include "core/schedule/local_talks_model.h"

#include "core/schedule/sheet_model.h"
#include "schedule_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::LocalTalksModel;
using schedule::Mark;

namespace {

struct LocalTalksTest : ScheduleTest {
    // Row 0 (1406): Петров gives 12 for Лесное, requested and confirmed in week 1400.
    // Row 1 (1407): a convention. Row 2 (1408): Орлов gives 56 for Речное but is unavailable
    // and chairs that week. Row 3 (1409): empty. Row 4 (1410): Петров gives 12 and reads.
    void write_weeks() {
        write_bytes(dir / "history.dat",
                    concat({planned_week(1406, 1, 12, 2).u16(8, 1400).u16(10, 1400),
                            week_bytes(1407).u16(20, 0x03), planned_week(1408, 3, 56, 3).u16(14, 3),
                            planned_week(1410, 1, 12, 2).u16(16, 1)}));
        write_bytes(dir / "special.dat", concat({event_bytes(1406, 0x02, "Конгресс")}));
        write_bytes(dir / "blackout.dat", concat({unavailable_bytes(3, 1408)}));
    }
};

}  // namespace

TEST_F(LocalTalksTest, RowsShowPlanMarksEventsAndMarkers) {
    write_weeks();
    open();
    LocalTalksModel page(*doc);
    ASSERT_EQ(page.rows().size(), 26u);
    EXPECT_EQ(page.rows()[0], "Дек 13, 2026\t12\tИван Петров\tЛесное\t[ X\t]\t[ X\t]\t[\t]");
    EXPECT_EQ(page.rows()[1], "Дек 20, 2026\t\tКонгресс");
    // Unavailable and chairing: only "* ", but the conflict flag is set.
    EXPECT_EQ(page.rows()[2], "Дек 27, 2026\t56\t* Павел Орлов\tРечное\t[\t]\t[\t]\t[\t]");
    EXPECT_EQ(page.rows()[3], "Янв 03, 2027\t  \t\t\t[\t]\t[\t]\t[\t]");
    EXPECT_EQ(page.rows()[4], "Янв 10, 2027\t12\t# Иван Петров\tЛесное\t[\t]\t[\t]\t[\t]");
    EXPECT_TRUE(page.marks().unavailable);
    EXPECT_TRUE(page.marks().conflict);

    EXPECT_EQ(LocalTalksModel::cells(page.rows()[0]),
              (std::vector<std::string>{"Дек 13, 2026", "12", "Иван Петров", "Лесное", "[ X ]",
                                        "[ X ]", "[ ]"}));
    EXPECT_EQ(LocalTalksModel::cells(page.rows()[1]),
              (std::vector<std::string>{"Дек 20, 2026", "", "Конгресс", "", "", "", ""}));
    EXPECT_EQ(LocalTalksModel::mark_of_column(4), Mark::requested);
    EXPECT_EQ(LocalTalksModel::mark_of_column(6), Mark::reminded);
    EXPECT_FALSE(LocalTalksModel::mark_of_column(3));
}

TEST_F(LocalTalksTest, OpensOnTheFirstWeekStillToPlan) {
    write_weeks();
    open();
    EXPECT_EQ(LocalTalksModel(*doc).selected_row(), 3);

    // Conventions and overseer visits are skipped, another kind of event is not.
    write_bytes(dir / "history.dat",
                concat({week_bytes(1406).u16(20, 0x05), week_bytes(1407).u16(20, 0x09)}));
    open();
    EXPECT_EQ(LocalTalksModel(*doc).selected_row(), 1);

    // Every week planned: the first row.
    std::vector<std::uint8_t> all;
    for (int n = 1406; n < 1406 + 26; ++n) {
        const auto w = planned_week(static_cast<std::uint16_t>(n), 1, 12, 2).bytes();
        all.insert(all.end(), w.begin(), w.end());
    }
    write_bytes(dir / "history.dat", all);
    open();
    EXPECT_EQ(LocalTalksModel(*doc).selected_row(), 0);
}

TEST_F(LocalTalksTest, ControlsFollowTheSelectedWeek) {
    write_weeks();
    open();
    LocalTalksModel page(*doc);

    page.select(0);
    EXPECT_EQ(page.week_caption(), "Дек 13");
    EXPECT_EQ(page.talk_caption(), "Речь 12 ( 12 ) ");
    EXPECT_TRUE(page.pickers_visible());
    EXPECT_EQ(page.exchange_or_congregation_caption(), "Обмен");
    EXPECT_TRUE(page.clear_or_cancel_visible());
    EXPECT_EQ(page.clear_or_cancel_caption(), "Очистить выборку");
    EXPECT_TRUE(page.contacts_visible());
    EXPECT_FALSE(page.availability_visible());
    EXPECT_TRUE(page.legend_visible());  // row 2 shows "* "
    EXPECT_EQ(page.legend(), "( * = Докладчик недоступен ! )");
    EXPECT_TRUE(page.talk_history_visible());
    EXPECT_EQ(page.talk_history_caption(), "Показать историю - Речь 12");
    EXPECT_FALSE(page.speaker_history_visible());  // nothing earlier in the window
    EXPECT_EQ(page.conflict_text(), "# Конфликт планирования");

    page.select(1);  // the convention
    EXPECT_FALSE(page.pickers_visible());
    EXPECT_FALSE(page.clear_or_cancel_visible());
    EXPECT_FALSE(page.contacts_visible());
    EXPECT_EQ(page.talk_caption(), "");

    page.select(2);  // unavailable and chairing
    EXPECT_TRUE(page.availability_visible());
    EXPECT_EQ(page.availability_caption(), "Показать доступные - Павел Орлов");
    EXPECT_FALSE(page.legend_visible());
    EXPECT_TRUE(page.conflict_visible());
    EXPECT_EQ(page.conflict_text(), "# Конфликт планирования - Дек 27 - Председатель - Докладчик");

    page.select(3);
    EXPECT_EQ(page.exchange_or_congregation_caption(), "Выбор собрания");
    EXPECT_FALSE(page.clear_or_cancel_visible());
    EXPECT_FALSE(page.contacts_visible());
    EXPECT_FALSE(page.talk_history_visible());

    page.select(4);  // Петров spoke in week 1406, before this one
    EXPECT_TRUE(page.speaker_history_visible());
    EXPECT_EQ(page.speaker_history_caption(), "Показать историю - Иван Петров");
    EXPECT_EQ(page.conflict_text(), "# Конфликт планирования - Янв 10 - Чтец - Докладчик");
}

TEST_F(LocalTalksTest, TalkAboveTwoHundredFiftyFiveHasNoTitleAbove) {
    write_bytes(dir / "history.dat",
                concat({planned_week(1406, 1, 256, 2), planned_week(1407, 1, 255, 2)}));
    open();
    LocalTalksModel page(*doc);
    page.select(0);
    EXPECT_EQ(page.talk_caption(), "");
    EXPECT_EQ(LocalTalksModel::cells(page.rows()[0])[1], "S-56");
    page.select(1);
    EXPECT_EQ(page.talk_caption(), "Речь 255 ( S-55 ) ");
}

TEST_F(LocalTalksTest, MarksToggleWithTheStampAndKeepTheWeekInUse) {
    write_weeks();
    open();
    doc->set_current_week(calendar::WeekNumber(1406));
    LocalTalksModel page(*doc);

    page.toggle_mark(3, Mark::confirmed);  // unrequested: only confirmed
    EXPECT_EQ(week(1409).requested, 0);
    EXPECT_EQ(week(1409).confirmed, 1406);
    EXPECT_EQ(week(1409).week_flags, 1);
    EXPECT_EQ(LocalTalksModel::cells(page.rows()[3])[5], "[ X ]");

    page.toggle_mark(3, Mark::requested);
    page.toggle_mark(3, Mark::reminded);
    EXPECT_EQ(week(1409).requested, 1406);
    EXPECT_EQ(week(1409).reminded, 1406);
    page.toggle_mark(3, Mark::confirmed);  // clears the reminder with it
    EXPECT_EQ(week(1409).confirmed, 0);
    EXPECT_EQ(week(1409).reminded, 0);
    EXPECT_EQ(week(1409).requested, 1406);
    page.toggle_mark(3, Mark::confirmed);
    page.toggle_mark(3, Mark::reminded);
    page.toggle_mark(3, Mark::requested);  // clears all three
    EXPECT_EQ(week(1409).requested + week(1409).confirmed + week(1409).reminded, 0);
    EXPECT_EQ(week(1409).week_flags, 1);

    // Marks can be set in any week, an event week too.
    page.toggle_mark(1, Mark::requested);
    EXPECT_EQ(week(1407).requested, 1406);

    schedule::SheetModel(*doc).accept();
    EXPECT_EQ(read_bytes(dir / "history.dat"),
              concat({planned_week(1406, 1, 12, 2).u16(8, 1400).u16(10, 1400),
                      week_bytes(1407).u16(8, 1406).u16(20, 0x03),
                      planned_week(1408, 3, 56, 3).u16(14, 3), week_bytes(1409).u16(20, 1),
                      planned_week(1410, 1, 12, 2).u16(16, 1)}));
}

TEST_F(LocalTalksTest, ExchangeMovesAPlanToAnEmptyWeekAndClearsTheMarks) {
    write_weeks();
    open();
    LocalTalksModel page(*doc);
    page.select(0);
    page.press_exchange();
    ASSERT_TRUE(page.exchange_pending());
    EXPECT_EQ(page.exchange_prompt(), "Выбор докладчика для обмена с Иван Петров или -> ");
    EXPECT_FALSE(page.pickers_visible());
    EXPECT_EQ(page.clear_or_cancel_caption(), "Отменить обмен");

    page.select(0);  // the same week: still waiting
    page.select(1);  // an event week: nothing happens
    EXPECT_TRUE(page.exchange_pending());
    EXPECT_EQ(week(1406).speaker_id, 1);

    page.select(3);
    EXPECT_FALSE(page.exchange_pending());
    EXPECT_EQ(page.selected_row(), 3);
    const store::WeekRecord& a = week(1406);
    const store::WeekRecord& b = week(1409);
    EXPECT_EQ(a.speaker_id + a.talk_no + a.speaker_cong_id + a.requested + a.confirmed, 0);
    EXPECT_EQ(a.week_flags, 1);
    EXPECT_EQ(b.speaker_id, 1);
    EXPECT_EQ(b.talk_no, 12);
    EXPECT_EQ(b.speaker_cong_id, 2);
    EXPECT_EQ(b.requested + b.confirmed + b.reminded, 0);
    EXPECT_EQ(b.week_flags, 1);
    EXPECT_EQ(page.rows()[3], "Янв 03, 2027\t12\tИван Петров\tЛесное\t[\t]\t[\t]\t[\t]");
}

TEST_F(LocalTalksTest, TwoPlannedWeeksSwapAndTheFourthButtonCancels) {
    write_weeks();
    open();
    LocalTalksModel page(*doc);
    page.select(2);
    page.press_exchange();
    page.press_clear_or_cancel();  // cancels, clears nothing
    EXPECT_FALSE(page.exchange_pending());
    EXPECT_EQ(week(1408).speaker_id, 3);
    page.press_exchange();
    page.press_exchange();  // pressed again: cancelled too
    EXPECT_FALSE(page.exchange_pending());

    page.press_exchange();
    page.select(0);
    EXPECT_EQ(week(1406).speaker_id, 3);
    EXPECT_EQ(week(1406).talk_no, 56);
    EXPECT_EQ(week(1406).speaker_cong_id, 3);
    EXPECT_EQ(week(1408).speaker_id, 1);
    EXPECT_EQ(week(1408).chairman_id, 3);  // other roles stay with their week
    EXPECT_EQ(week(1406).requested, 0);

    // A week without a complete plan cannot start an exchange.
    page.select(3);
    page.press_exchange();
    EXPECT_FALSE(page.exchange_pending());
}

TEST_F(LocalTalksTest, ClearingEmptiesPlanAndMarksOnly) {
    write_weeks();
    open();
    LocalTalksModel page(*doc);
    page.select(2);
    page.toggle_mark(2, Mark::reminded);
    page.press_clear_or_cancel();
    const store::WeekRecord& w = week(1408);
    EXPECT_EQ(w.speaker_id + w.talk_no + w.speaker_cong_id + w.requested + w.confirmed + w.reminded,
              0);
    EXPECT_EQ(w.chairman_id, 3);
    EXPECT_EQ(w.week_flags, 1);
    EXPECT_EQ(page.rows()[2], "Дек 27, 2026\t  \t\t\t[\t]\t[\t]\t[\t]");
    EXPECT_FALSE(page.marks().unavailable);
}

TEST_F(LocalTalksTest, PickersGetTheWeekAndTheirResultsFillIt) {
    write_weeks();
    write_bytes(dir / "wishlist.dat", FixtureBytes(96).u8(4, 0x02).bytes());  // talk 34 wanted
    open();
    LocalTalksModel page(*doc);
    page.select(3);

    // Nobody planned: the talks we need, no filters.
    schedule::TalkPickerParams t = page.talk_picker();
    EXPECT_EQ(t.title, "Января 03, 2027");
    EXPECT_TRUE(t.single);
    EXPECT_TRUE(t.only_needed);
    EXPECT_EQ(t.speaker, 0);
    EXPECT_EQ(t.congregation, 0);
    EXPECT_TRUE(t.needed.has(34));

    page.apply_congregation(cong_pos(2));
    EXPECT_EQ(week(1409).speaker_cong_id, 2);
    t = page.talk_picker();
    EXPECT_EQ(t.title, "Января 03, 2027 - Лесное");
    EXPECT_FALSE(t.only_needed);
    EXPECT_EQ(t.congregation, 2);

    page.apply_talk(34);
    EXPECT_EQ(page.rows()[3], "Янв 03, 2027\t34\t\tЛесное\t[\t]\t[\t]\t[\t]");
    schedule::SpeakerPickerParams s = page.speaker_picker();
    EXPECT_EQ(s.title, "Января 03, 2027 - Речь 34");
    EXPECT_EQ(s.talk, 34);
    EXPECT_EQ(s.week, calendar::WeekIndex(1408));
    EXPECT_EQ(s.fixed_congregation, 2);
    const schedule::WeekCongregationParams c = page.congregation_chooser();
    EXPECT_EQ(c.title, s.title);
    EXPECT_EQ(c.talk, 34);

    page.apply_speaker(brother_pos(3));  // his own congregation comes with him
    EXPECT_EQ(week(1409).speaker_id, 3);
    EXPECT_EQ(week(1409).speaker_cong_id, 3);
    t = page.talk_picker();
    EXPECT_EQ(t.title, "Января 03, 2027 - Павел Орлов");
    EXPECT_EQ(t.speaker, 3);
    EXPECT_EQ(t.congregation, 0);
    EXPECT_EQ(t.chosen, 34);
    EXPECT_EQ(page.exchange_or_congregation_caption(), "Обмен");

    // A congregation that no longer exists is not passed on.
    week(1409).speaker_cong_id = 77;
    EXPECT_EQ(page.speaker_picker().fixed_congregation, 0);
}

TEST_F(LocalTalksTest, ConflictChangesAskTheSiblingsOnce) {
    write_weeks();
    open();
    schedule::SheetModel sheet(*doc);
    CountingPage sibling;
    sheet.join(sibling);
    LocalTalksModel page(*doc);
    sheet.join(page);
    EXPECT_EQ(sibling.refreshes, 1);  // the first build found conflicts, and asked once

    page.select(2);
    page.press_clear_or_cancel();  // row 4 still conflicts: no change
    EXPECT_EQ(sibling.refreshes, 1);
    page.select(4);
    page.press_clear_or_cancel();
    EXPECT_FALSE(page.marks().conflict);
    EXPECT_EQ(sibling.refreshes, 2);

    // A refresh rebuilds quietly and starts again from S.
    week(1412).speaker_id = 1;
    week(1412).reader_id = 1;
    doc->set_current_week(calendar::WeekNumber(1408));
    page.refresh();
    EXPECT_TRUE(page.marks().conflict);
    EXPECT_EQ(sibling.refreshes, 2);
    EXPECT_EQ(page.first_week(), calendar::WeekIndex(1407));
    EXPECT_EQ(page.selected_row(), 4);  // the row stays
    EXPECT_EQ(page.rows()[4], "Янв 24, 2027\t  \t# Иван Петров\t\t[\t]\t[\t]\t[\t]");
}

TEST_F(LocalTalksTest, AnExchangeNeverMovesAPlanOutOfTheWindow) {
    // In 2026 the window starts at week number 885; with S = 884 row 0 lies before it.
    write_bytes(dir / "history.dat", concat({planned_week(885, 1, 12, 2)}));
    open();
    doc->set_current_week(calendar::WeekNumber(884));
    LocalTalksModel page(*doc);
    ASSERT_FALSE(doc->weeks().in_window(page.week_of(0)));
    page.select(1);
    page.press_exchange();
    page.select(0);  // nothing could be kept there: the exchange waits
    EXPECT_TRUE(page.exchange_pending());
    EXPECT_EQ(week(885).speaker_id, 1);
    EXPECT_EQ(week(885).talk_no, 12);

    page.select(2);  // an empty week inside the window takes the plan
    EXPECT_FALSE(page.exchange_pending());
    EXPECT_EQ(week(886).speaker_id, 1);
    EXPECT_EQ(week(885).speaker_id, 0);
}
