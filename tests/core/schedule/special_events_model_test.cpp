#include "core/schedule/special_events_model.h"

#include "core/schedule/sheet_model.h"
#include "local_brothers_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::EventDialogModel;
using schedule::SpecialEventsModel;
using store::EventKind;

namespace {

// Entry k of the week drop-down is week number 1406 + k (index 1405 + k): entry 2 is the
// week of Sunday 27 December 2026.
struct SpecialEventsTest : ScheduleTest {
    void SetUp() override {
        ScheduleTest::SetUp();
        write_local_brothers(dir.path());
    }
    void schedule_everything() {
        settings::Settings s = doc->settings();
        s.hospitality_scheduled = true;
        s.readers_scheduled = true;
        doc->set_settings(s);
    }
    // Week 1408: visiting speaker Петров with talk 12 from Лесное (requested), chairman
    // Андреев, host Кротов, reader Волков, and Борисов going out.
    static FixtureBytes full_week() {
        return planned_week(1408, 1, 12, 2)
            .u16(8, 1406)
            .u16(14, 6)
            .u16(16, 8)
            .u16(18, 30002)
            .u16(28, 7)
            .u16(40, 3)
            .u16(52, 56);
    }
    static EventDialogModel dialog(store::Document& doc, int entry, EventKind kind) {
        EventDialogModel d(doc, std::nullopt);
        d.choose_week(entry);
        d.choose_kind(kind);
        return d;
    }
};

}  // namespace

TEST_F(SpecialEventsTest, TheDialogOffersNextWeekOnAndRefusesWithoutWeekOrKind) {
    open();
    EventDialogModel d(*doc, std::nullopt);
    const auto weeks = d.week_choices();
    ASSERT_EQ(weeks.size(), 105u);
    EXPECT_EQ(weeks[0], "Выбрать неделю");
    EXPECT_EQ(weeks[1], "Дек 20, 2026");  // next week: this week cannot get an event here
    EXPECT_EQ(d.week_choice(), 0);
    EXPECT_EQ(d.kind(), EventKind::none);

    EXPECT_FALSE(d.accept());
    d.choose_week(1);
    EXPECT_FALSE(d.accept());
    ASSERT_EQ(prompter.messages.size(), 2u);
    EXPECT_EQ(prompter.messages[0].text, "Пожалуйста, выберите неделю");
    EXPECT_EQ(prompter.messages[1].text, "Пожалуйста, выберите событие");
    EXPECT_EQ(doc->events().size(), 0u);
}

TEST_F(SpecialEventsTest, AKindBringsItsNameAndPermissions) {
    open();
    EventDialogModel d(*doc, std::nullopt);
    d.set_title("Встреча");
    d.set_keeps_reader(true);
    d.choose_kind(EventKind::other);
    EXPECT_EQ(d.title(), "Особое событие");
    EXPECT_FALSE(d.keeps_chairman() || d.keeps_host() || d.keeps_reader());
    EXPECT_TRUE(d.group_visible() && d.reader_visible());

    d.choose_kind(EventKind::overseer_visit);
    EXPECT_EQ(d.title(), "РН Визит");
    EXPECT_TRUE(d.keeps_chairman() && d.keeps_host());
    EXPECT_FALSE(d.keeps_reader());
    EXPECT_TRUE(d.chairman_visible() && d.host_visible());
    EXPECT_FALSE(d.reader_visible());

    d.choose_kind(EventKind::convention);
    EXPECT_EQ(d.title(), "Конгресс");
    EXPECT_FALSE(d.group_visible() || d.reader_visible());
    EXPECT_FALSE(d.keeps_chairman() || d.keeps_host());
}

TEST_F(SpecialEventsTest, AConventionOverAPlannedWeekAsksAboutAllFourAndRemovesThemOnOk) {
    write_bytes(dir / "history.dat", concat({full_week()}));
    open();
    schedule_everything();
    const store::WeekRecord before = week(1408);
    SpecialEventsModel page(*doc);

    EventDialogModel d = dialog(*doc, 2, EventKind::convention);
    prompter.answers = {false};  // "Отмена": the dialog stays and the week is untouched
    EXPECT_FALSE(d.accept());
    EXPECT_EQ(week(1408), before);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Добавление Конгресс будет требовать следующих изменений в Декабря 27, 2026 "
              "расписании:    \n\n"
              "* Отменить местного докладчика Иван Петров *\n"
              "* Отменить председателя Алексей Андреев *\n"
              "* Отменить гостеприимного Кротов *\n"
              "* Отменить чтеца Василий Волков *\n"
              "\nНажмите OK для принятия изменений или ОТМЕНА для выбора другого действия.\n\n");
    EXPECT_TRUE(prompter.messages[0].question);

    prompter.answers = {true};
    ASSERT_TRUE(d.accept());
    page.store_event(d.event());
    EXPECT_TRUE(page.modified());
    ASSERT_EQ(page.rows(), std::vector<std::string>{"Дек 27, 2026\tКонгресс"});
    EXPECT_EQ(page.selected(), 0);

    // Nothing reaches the disk before Apply; then both files hold exactly the new state:
    // the outgoing speaker and the request stamp stay.
    EXPECT_FALSE(std::filesystem::exists(dir / "special.dat"));
    ASSERT_TRUE(page.apply());
    EXPECT_FALSE(page.modified());
    EXPECT_EQ(
        read_bytes(dir / "history.dat"),
        concat({week_bytes(1408).u16(8, 1406).u16(20, 0x03).u16(28, 7).u16(40, 3).u16(52, 56)}));
    EXPECT_EQ(read_bytes(dir / "special.dat"), concat({event_bytes(1407, 0x02, "Конгресс")}));
}

TEST_F(SpecialEventsTest, AnOverseerVisitKeepingTheChairmanAsksOnlyAboutTheReader) {
    write_bytes(dir / "history.dat", concat({week_bytes(1408).u16(14, 6).u16(16, 8).u16(20, 1)}));
    open();
    EventDialogModel d = dialog(*doc, 2, EventKind::overseer_visit);
    d.set_title("Визит брата Н.");
    d.set_talk_title("Речь о вере");
    ASSERT_TRUE(d.accept());  // scripted answer: the default, OK
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].text.find("\n\n* Отменить чтеца Василий Волков *\n\n"),
              std::string::npos);
    EXPECT_EQ(prompter.messages[0].text.find("председателя"), std::string::npos);
    EXPECT_EQ(week(1408).chairman_id, 6);
    EXPECT_EQ(week(1408).reader_id, 0);
    EXPECT_EQ(d.event().event_flags, 0x34);
    EXPECT_EQ(d.event().event_talk_title, "Речь о вере");
}

TEST_F(SpecialEventsTest, EditingMovesOrReplacesAndDeletingFreesTheWeek) {
    write_bytes(dir / "special.dat", concat({event_bytes(1407, 0x04 | 0x10, "РН Визит"),
                                             event_bytes(1410, 0x08, "Сбор")}));
    write_bytes(dir / "history.dat", concat({week_bytes(1408).u16(20, 0x15).u16(14, 6),
                                             week_bytes(1411).u16(20, 0x09)}));
    open();
    schedule::SheetModel sheet(*doc);
    CountingPage sibling;
    sheet.join(sibling);
    SpecialEventsModel page(*doc);
    sheet.join(page);
    EXPECT_FALSE(page.edit_visible());
    EXPECT_FALSE(page.edit_selected().has_value());

    // The visit's week is entry 2; edited there, the event is replaced in place.
    page.select(0);
    ASSERT_TRUE(page.edit_visible());
    EventDialogModel edit = *page.edit_selected();
    EXPECT_EQ(edit.week_choice(), 2);
    EXPECT_EQ(edit.kind(), EventKind::overseer_visit);
    EXPECT_TRUE(edit.keeps_chairman());
    EXPECT_FALSE(edit.keeps_host());
    edit.set_keeps_host(true);
    ASSERT_TRUE(edit.accept());
    page.store_event(edit.event());
    EXPECT_EQ(doc->events().size(), 2u);
    EXPECT_EQ(week(1408).week_flags, 0x35);
    EXPECT_EQ(sibling.refreshes, 1);

    // Moved to entry 3, the event is stored there as well: the old week keeps its event.
    EventDialogModel moved = *page.edit_selected();
    moved.choose_week(3);
    ASSERT_TRUE(moved.accept());
    page.store_event(moved.event());
    EXPECT_EQ(page.rows(),
              (std::vector<std::string>{"Дек 27, 2026\tРН Визит", "Янв 03, 2027\tРН Визит",
                                        "Янв 17, 2027\tСбор"}));
    EXPECT_EQ(page.selected(), 1);
    EXPECT_EQ(week(1409).week_flags, 0x35);
    EXPECT_EQ(week(1408).week_flags, 0x35);

    // Deleting asks nothing, leaves the week its own bit 0 and hides the buttons.
    page.select(2);
    page.remove_selected();
    EXPECT_EQ(week(1411).week_flags, 0x01);
    EXPECT_EQ(week(1408).week_flags, 0x35);
    EXPECT_FALSE(page.edit_visible());
    EXPECT_EQ(page.rows().size(), 2u);
    EXPECT_EQ(sibling.refreshes, 3);
    EXPECT_TRUE(prompter.messages.empty());
}
