#include "core/schedule/sheet_model.h"

#include "core/commands/command.h"
#include "schedule_fixture.h"
#include "support/change_log.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::PageKind;
using vorla::commands::Command;

TEST(SheetPages, SwitchedOffPagesMoveTheLaterOnesUp) {
    settings::Settings s;
    EXPECT_EQ(schedule::sheet_pages(s),
              (std::vector<PageKind>{PageKind::summary, PageKind::local_talks, PageKind::chairmen,
                                     PageKind::outgoing, PageKind::events}));
    EXPECT_EQ(schedule::page_position(PageKind::outgoing, s), 3);
    EXPECT_FALSE(schedule::page_position(PageKind::readers, s));
    EXPECT_EQ(schedule::page_of_command(Command::outgoing), PageKind::outgoing);

    s.readers_scheduled = true;  // only readers: they take position 3
    EXPECT_EQ(schedule::page_position(*schedule::page_of_command(Command::readers), s), 3);
    EXPECT_EQ(schedule::page_position(PageKind::outgoing, s), 4);

    s.hospitality_scheduled = true;
    EXPECT_EQ(schedule::page_position(PageKind::hospitality, s), 3);
    EXPECT_EQ(schedule::page_position(PageKind::readers, s), 4);
    EXPECT_EQ(schedule::page_position(PageKind::outgoing, s), 5);
    EXPECT_EQ(schedule::page_position(PageKind::events, s), 6);

    EXPECT_EQ(schedule::page_of_command(Command::local_talks), PageKind::local_talks);
    EXPECT_EQ(schedule::page_of_command(Command::summary), PageKind::summary);
    EXPECT_FALSE(schedule::page_of_command(Command::brothers));
    EXPECT_EQ(schedule::page_title(PageKind::local_talks), "Местные речи");
    EXPECT_EQ(schedule::page_title(PageKind::events), "Конгрессы, посещения РН, и т.д.");
}

struct SheetTest : ScheduleTest {};

TEST_F(SheetTest, OpensOnTodayAndNamesItsButtons) {
    open();
    doc->set_current_week(calendar::WeekNumber(1300));
    schedule::SheetModel sheet(*doc);
    EXPECT_EQ(doc->current_week(), calendar::WeekNumber(1406));
    EXPECT_EQ(schedule::SheetModel::title(), "Панель планирования");
    EXPECT_EQ(schedule::SheetModel::cancel_caption(), "Отмена");
    EXPECT_EQ(schedule::SheetModel::edit_caption(), "Редактировать");
    const auto choices = schedule::SheetModel::edit_choices();
    ASSERT_EQ(choices.size(), 2u);
    EXPECT_EQ(choices[0].text, "Собрания");
    EXPECT_EQ(choices[0].command, Command::congregations);
    EXPECT_EQ(choices[1].text, "Братья");
    EXPECT_EQ(choices[1].command, Command::brothers);

    sheet.refuse_close();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Пожалуйста. выберите OK или Отмена чтобы закрыть панель.");
}

TEST_F(SheetTest, OkWritesWeeksAndEventsCancelRestoresThem) {
    const auto history = concat({planned_week(1406, 1, 12, 2)});
    const auto special = concat({event_bytes(1410, 0x02, "Конгресс")});
    write_bytes(dir / "history.dat", history);
    write_bytes(dir / "special.dat", special);
    open();
    schedule::SheetModel sheet(*doc);

    week(1406).speaker_id = 3;
    doc->weeks().store(calendar::WeekIndex(1405));
    store::SpecialEventRecord e;
    e.event_week = calendar::WeekIndex(1420);
    e.event_flags = store::week_bit::kOverseerVisit;
    e.event_title = "РН Визит";
    doc->events().store(e, doc->weeks());
    sheet.cancel();
    EXPECT_EQ(week(1406).speaker_id, 1);
    EXPECT_EQ(doc->events().size(), 1u);
    EXPECT_EQ(week(1421).week_flags, 0);
    EXPECT_EQ(read_bytes(dir / "history.dat"), history);

    week(1406).speaker_id = 3;
    doc->weeks().store(calendar::WeekIndex(1405));
    doc->events().store(e, doc->weeks());
    ChangeLog changes(*doc);
    sheet.accept();
    EXPECT_TRUE(changes.saw(store::Change::weeks));
    EXPECT_EQ(read_bytes(dir / "history.dat"),
              concat({planned_week(1406, 3, 12, 2), week_bytes(1421).u16(20, 0x05)}));
    EXPECT_EQ(read_bytes(dir / "special.dat"),
              concat({event_bytes(1410, 0x02, "Конгресс"), event_bytes(1420, 0x04, "РН Визит")}));
}

TEST_F(SheetTest, APageAsksEveryOtherPageOnceAndARefreshAsksNobody) {
    open();
    schedule::SheetModel sheet(*doc);
    std::vector<std::string> shown;
    sheet.set_listener(
        {.page_changed =
             [&](schedule::SheetPage& p) { shown.push_back(schedule::page_title(p.kind())); },
         .page_wanted = {}});
    CountingPage chairmen(PageKind::chairmen);
    CountingPage readers(PageKind::readers);
    CountingPage outgoing(PageKind::outgoing);
    readers.asks_when_refreshed = true;  // its markers change on every rebuild
    sheet.join(chairmen);
    sheet.join(readers);
    sheet.join(outgoing);

    chairmen.ask();
    EXPECT_EQ(chairmen.refreshes, 0);
    EXPECT_EQ(readers.refreshes, 1);
    EXPECT_EQ(outgoing.refreshes, 1);  // readers' own request during the round went nowhere
    EXPECT_EQ(shown, (std::vector<std::string>{"Чтецы Сторожевой Башни", "Уходяшие докладчики"}));

    // A request made by a page's first build, before it joined, reaches the pages already
    // there when it joins.
    CountingPage events(PageKind::events);
    events.ask();
    EXPECT_EQ(chairmen.refreshes, 0);
    sheet.join(events);
    EXPECT_EQ(chairmen.refreshes, 1);
    EXPECT_EQ(outgoing.refreshes, 2);
    EXPECT_EQ(events.refreshes, 0);
    events.ask();  // once joined, a request is passed on at once
    EXPECT_EQ(chairmen.refreshes, 2);

    // A page that is gone is asked nothing (the sanitizer build sees a call to it); the
    // round still reaches the others.
    {
        CountingPage summary(PageKind::summary);
        sheet.join(summary);
    }
    chairmen.ask();
    EXPECT_EQ(events.refreshes, 1);
    EXPECT_EQ(outgoing.refreshes, 4);
}

TEST_F(SheetTest, TheSummaryBringsAPageForwardAtARow) {
    open();
    schedule::SheetModel sheet(*doc);
    CountingPage summary(PageKind::summary);
    CountingPage chairmen(PageKind::chairmen);
    std::vector<PageKind> wanted;
    int changed = 0;
    bool made = false;
    // The window makes the page the first time it is wanted.
    sheet.set_listener({.page_changed = [&](schedule::SheetPage&) { ++changed; },
                        .page_wanted =
                            [&](PageKind kind) {
                                wanted.push_back(kind);
                                if (!made) sheet.join(chairmen);
                                made = true;
                            }});
    sheet.join(summary);
    summary.want(PageKind::chairmen, 7);
    EXPECT_EQ(wanted, std::vector<PageKind>{PageKind::chairmen});
    EXPECT_EQ(chairmen.selected, std::vector<int>{7});
    EXPECT_EQ(changed, 1);
    summary.want(PageKind::chairmen, std::nullopt);  // only forward, no row
    EXPECT_EQ(wanted.size(), 2u);
    EXPECT_EQ(chairmen.selected.size(), 1u);
    EXPECT_EQ(changed, 1);
}

TEST_F(SheetTest, AnEditorsChangeRebuildsEveryPageUntilTheSheetCloses) {
    open();
    schedule::SheetModel sheet(*doc);
    CountingPage chairmen(PageKind::chairmen);
    CountingPage outgoing(PageKind::outgoing);
    sheet.join(chairmen);
    sheet.join(outgoing);
    doc->announce(store::Change::brothers);
    EXPECT_EQ(chairmen.refreshes, 1);
    EXPECT_EQ(outgoing.refreshes, 1);

    // OK stores every page's selected week; the sheet's own save rebuilds nothing.
    sheet.accept();
    EXPECT_EQ(chairmen.stores, 1);
    EXPECT_EQ(outgoing.stores, 1);
    EXPECT_EQ(chairmen.refreshes, 1);
    doc->announce(store::Change::congregations);
    EXPECT_EQ(outgoing.refreshes, 1);
}
