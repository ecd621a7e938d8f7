#include "core/schedule/week_list.h"

#include "schedule_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using calendar::WeekIndex;
using schedule::ListMarks;

struct WeekListTest : ScheduleTest {};

TEST_F(WeekListTest, MarkersPutUnavailabilityBeforeConflict) {
    // Week 1406: Петров chairs and reads; Орлов reads and is away.
    write_bytes(dir / "history.dat",
                concat({week_bytes(1406).u16(14, 1).u16(16, 3).u16(28, 1).u16(20, 1)}));
    write_bytes(dir / "blackout.dat", concat({unavailable_bytes(3, 1406)}));
    open();
    const WeekIndex i(1405);
    ListMarks marks;
    EXPECT_EQ(schedule::person_marker(*doc, 1, i, store::AssignmentType::outgoing_speaker, marks),
              "# ");
    EXPECT_TRUE(marks.conflict);
    EXPECT_FALSE(marks.unavailable);

    marks = {};
    EXPECT_EQ(schedule::person_marker(*doc, 3, i, store::AssignmentType::reader, marks), "* ");
    EXPECT_TRUE(marks.unavailable);
    EXPECT_FALSE(marks.conflict);  // reading is his own role here
    EXPECT_EQ(schedule::person_marker(*doc, 3, i, store::AssignmentType::chairman, marks), "* ");
    EXPECT_TRUE(marks.conflict);

    marks = {};
    EXPECT_EQ(schedule::person_marker(*doc, 2, i, store::AssignmentType::chairman, marks), "");
    EXPECT_EQ(schedule::person_marker(*doc, 0, i, store::AssignmentType::chairman, marks), "");
    EXPECT_FALSE(marks.conflict || marks.unavailable);
}

TEST_F(WeekListTest, EventTextsRoleNamesAndConflictLines) {
    open();
    store::WeekRecord w;
    EXPECT_EQ(schedule::event_text(w), "");
    w.week_flags = store::week_bit::kConvention | store::week_bit::kContent;
    EXPECT_EQ(schedule::event_text(w), "Конгресс");
    w.week_flags = store::week_bit::kOverseerVisit | store::week_bit::kKeepsChairman;
    EXPECT_EQ(schedule::event_text(w), "РН Визит");
    w.week_flags = store::week_bit::kOtherEvent;
    EXPECT_EQ(schedule::event_text(w), "Особое событие");

    EXPECT_EQ(schedule::role_name(store::AssignmentType::speaker), "Докладчик");
    EXPECT_EQ(schedule::role_name(store::AssignmentType::outgoing_speaker), "Уходящий докладчик");
    EXPECT_EQ(schedule::role_name(store::AssignmentType::reader), "Чтец");
    EXPECT_EQ(schedule::role_name(store::AssignmentType::none), "");

    EXPECT_EQ(
        schedule::speaker_conflict_detail(*doc, WeekIndex(1405), store::AssignmentType::chairman),
        "# Конфликт планирования - Дек 13 - Председатель - Докладчик");
    EXPECT_EQ(schedule::role_conflict_detail(*doc, WeekIndex(1405), "Иван Петров", "Чтец",
                                             "Председатель"),
              "# Конфликт планирования  Дек 13\nИван Петров\nЧтец - Председатель");
}

TEST(SplitTabs, EveryTabStartsACell) {
    EXPECT_EQ(schedule::split_tabs("a\tb\t\tc"), (std::vector<std::string>{"a", "b", "", "c"}));
    EXPECT_EQ(schedule::split_tabs("\t"), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(schedule::split_tabs(""), (std::vector<std::string>{""}));
}
