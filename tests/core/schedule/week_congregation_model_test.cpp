#include "core/schedule/week_congregation_model.h"

#include "schedule_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::WeekCongregationModel;

namespace {

struct WeekCongregationTest : ScheduleTest {
    static schedule::WeekCongregationParams for_week_1409(int talk) {
        return {"Января 03, 2027 - Речь 12", talk, calendar::WeekIndex(1408)};
    }
    static std::vector<std::string> texts(const WeekCongregationModel& m) {
        return text::texts_of(m.lines());
    }
};

}  // namespace

TEST_F(WeekCongregationTest, ListsCongregationsWithSpeakersOfTheTalkAndTheirLastVisit) {
    // Лесное sent Петров with talk 12; Речное sent Орлов in March without a talk (the latest
    // visit wins); a week that names only Лесное is no visit.
    write_bytes(dir / "history.dat",
                concat({planned_week(1300, 3, 56, 3), planned_week(1386, 1, 12, 2),
                        planned_week(1420, 3, 0, 3), planned_week(1425, 0, 0, 2)}));
    open();
    WeekCongregationModel m(*doc, for_week_1409(12));
    EXPECT_EQ(WeekCongregationModel::column_captions(),
              (std::vector<std::string>{"Собрание ( Докладчики )", "Последний визит ( Речь )",
                                        "Неделя"}));
    EXPECT_EQ(m.circuit_lines().front(), "Все районы");
    // Лесное counts the discontinued Сидоров too; Наше and Пустое give no talk 12.
    EXPECT_EQ(texts(m),
              (std::vector<std::string>{"Лесное ( 2 ) \tИван Петров ( 12 ) \tИюл 26, 2026",
                                        "Речное ( 1 ) \tПавел Орлов\tМар 21, 2027"}));
    EXPECT_EQ(m.lines()[1].position, cong_pos(3));

    EXPECT_EQ(texts(WeekCongregationModel(*doc, for_week_1409(34))).size(), 1u);

    m.set_circuit_line(2);  // Южный
    EXPECT_EQ(texts(m).size(), 1u);
    EXPECT_EQ(m.lines()[0].position, cong_pos(3));
    m.set_circuit_line(0);
    EXPECT_EQ(texts(m).size(), 2u);
}

TEST_F(WeekCongregationTest, ACongregationThatNeverSentASpeakerShowsNameAndCount) {
    write_bytes(dir / "history.dat", concat({planned_week(1440, 1, 12, 2)}));  // beyond S + 25
    open();
    const WeekCongregationModel m(*doc, for_week_1409(0));
    EXPECT_EQ(texts(m), (std::vector<std::string>{"Лесное ( 2 ) \t", "Речное ( 1 ) \t"}));
}

TEST_F(WeekCongregationTest, TheSpeakerCanBeChosenStraightAway) {
    write_bytes(dir / "history.dat", concat({planned_week(1409, 3, 12, 3)}));
    open();
    WeekCongregationModel m(*doc, for_week_1409(12));
    EXPECT_FALSE(m.speaker_button_visible());
    EXPECT_FALSE(m.accept());
    m.select_line(0);
    ASSERT_TRUE(m.speaker_button_visible());
    EXPECT_EQ(m.speaker_button_caption(), "Выберите докладчика от Лесное");
    const schedule::SpeakerPickerParams p = m.speaker_picker();
    EXPECT_EQ(p.title, "Января 03, 2027 - Речь 12");
    EXPECT_EQ(p.talk, 12);
    EXPECT_EQ(p.week, calendar::WeekIndex(1408));
    EXPECT_EQ(p.fixed_congregation, 2);
    EXPECT_EQ(p.current, 3);

    m.apply_speaker(brother_pos(1));
    EXPECT_EQ(week(1409).speaker_id, 1);
    EXPECT_EQ(m.accept(), cong_pos(2));
}
