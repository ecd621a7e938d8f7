#include "core/schedule/speaker_picker_model.h"

#include "core/text/utf8.h"
#include "schedule_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::SpeakerPickerModel;
using schedule::SpeakerPickerParams;

namespace {

struct SpeakerPickerTest : ScheduleTest {
    // Петров spoke 20 weeks ago with talk 12; Орлов is unavailable in week 1409; Петров has a
    // note in his extra record.
    void SetUp() override {
        ScheduleTest::SetUp();
        write_bytes(dir / "history.dat", concat({planned_week(1386, 1, 12, 2)}));
        write_bytes(dir / "blackout.dat", concat({unavailable_bytes(3, 1409)}));
        write_bytes(dir / "xtend.dat",
                    FixtureBytes(128).u16(0, 1).text(82, "!! звонить вечером").bytes());
        auto speakers = read_bytes(dir / "speakers.dat");
        speakers[256 + 206] = 1;  // Петров's extra record
        write_bytes(dir / "speakers.dat", speakers);
        open();
    }
    static SpeakerPickerParams for_week_1409(int talk, std::uint16_t current = 0,
                                             std::uint16_t fixed = 0) {
        return {"Января 03, 2027", talk, calendar::WeekIndex(1408), current, fixed};
    }
    static std::vector<std::string> texts(const SpeakerPickerModel& m) {
        return text::texts_of(m.lines());
    }
    std::optional<std::size_t> line_of(const SpeakerPickerModel& m, std::uint16_t id) const {
        for (std::size_t k = 0; k < m.lines().size(); ++k) {
            if (m.lines()[k].position == brother_pos(id)) return k;
        }
        return std::nullopt;
    }
};

}  // namespace

TEST_F(SpeakerPickerTest, ListsAvailableSpeakersOfOtherCongregationsWithTheirLastVisit) {
    SpeakerPickerModel m(*doc, for_week_1409(12));
    EXPECT_EQ(SpeakerPickerModel::column_captions(),
              (std::vector<std::string>{"Докладчик", "Собрание", "Последний визит"}));
    // Not listed: Белов (no congregation), Сидоров (discontinued), Архипов (no talk 12).
    EXPECT_EQ(texts(m),
              (std::vector<std::string>{"* Павел Орлов\tРечное\t",
                                        "Иван Петров ( СП ) \tЛесное\tИюл 26, 2026 ( 12 ) "}));
    EXPECT_EQ(m.lines()[1].position, brother_pos(1));
    EXPECT_FALSE(m.selected_line());
    EXPECT_FALSE(m.contacts_visible());

    // Any talk: everyone who gives at least one.
    EXPECT_EQ(SpeakerPickerModel(*doc, for_week_1409(56)).lines().size(), 1u);
    EXPECT_EQ(SpeakerPickerModel(*doc, for_week_1409(0)).lines().size(), 2u);
    EXPECT_TRUE(SpeakerPickerModel(*doc, for_week_1409(99)).lines().empty());
}

TEST_F(SpeakerPickerTest, CircuitAndCongregationNarrowTheList) {
    SpeakerPickerModel m(*doc, for_week_1409(12, 1));
    ASSERT_TRUE(m.filters_visible());
    EXPECT_EQ(m.circuit_lines(), (std::vector<std::string>{"Все районы", "Северный", "Южный"}));
    EXPECT_EQ(m.congregation_lines(),
              (std::vector<std::string>{"Все собрания", "Лесное", "Наше", "Пустое", "Речное"}));
    ASSERT_TRUE(m.selected_line());

    m.set_circuit_line(2);
    EXPECT_EQ(m.congregation_lines(),
              (std::vector<std::string>{"2 Собрания в районе Южный", "Пустое", "Речное"}));
    EXPECT_EQ(texts(m), (std::vector<std::string>{"* Павел Орлов\tРечное\t"}));
    EXPECT_FALSE(m.selected_line());  // the buttons go with the selection
    EXPECT_FALSE(m.contacts_visible());
    EXPECT_EQ(m.note_line(), "");
    m.set_congregation_line(1);
    EXPECT_TRUE(m.lines().empty());

    m.set_circuit_line(1);
    EXPECT_EQ(m.congregation_lines().front(), "2 Собрания в районе Северный");
    EXPECT_EQ(texts(m).size(), 1u);
    m.set_circuit_line(0);
    EXPECT_EQ(m.congregation_lines().front(), "Все собрания");
    EXPECT_EQ(m.lines().size(), 2u);

    SpeakerPickerModel fixed(*doc, for_week_1409(12, 0, 3));
    EXPECT_FALSE(fixed.filters_visible());
    EXPECT_EQ(texts(fixed), (std::vector<std::string>{"* Павел Орлов\tРечное\t"}));
}

TEST_F(SpeakerPickerTest, TheCurrentSpeakerIsSelectedWithHisButtonsAndNote) {
    SpeakerPickerModel m(*doc, for_week_1409(12, 1));
    ASSERT_EQ(m.selected_line(), line_of(m, 1));
    EXPECT_EQ(m.chosen(), brother_pos(1));
    EXPECT_FALSE(m.talk_button_visible());  // the talk is given
    EXPECT_TRUE(m.history_visible());
    EXPECT_EQ(m.history_caption(), "Показать историю - Иван Петров");
    EXPECT_FALSE(m.availability_visible());
    EXPECT_TRUE(m.contacts_visible());
    EXPECT_EQ(m.note_line(), " - звонить вечером -");

    m.select_line(*line_of(m, 3));
    EXPECT_FALSE(m.history_visible());  // never spoke in our hall
    EXPECT_TRUE(m.availability_visible());
    EXPECT_EQ(m.availability_caption(), "Показать доступные - Павел Орлов");
    EXPECT_EQ(m.note_line(), "");
}

TEST_F(SpeakerPickerTest, TheSideColumnIsSizedForTheLongestCaptionAnyLineCanShow) {
    SpeakerPickerModel m(*doc, for_week_1409(0));
    const std::string widest = m.widest_side_caption();
    EXPECT_EQ(widest, "Выберите речь  - Юрий Архипов ( 2 )");
    ASSERT_FALSE(m.lines().empty());
    for (std::size_t k = 0; k < m.lines().size(); ++k) {
        m.select_line(k);
        for (const std::string& caption :
             {m.talk_button_caption(), m.history_caption(), m.availability_caption()})
            EXPECT_LE(vorla::text::length(caption), vorla::text::length(widest)) << caption;
    }
}

TEST_F(SpeakerPickerTest, AnUnavailableSpeakerIsRefused) {
    SpeakerPickerModel m(*doc, for_week_1409(12));
    EXPECT_EQ(m.accept(), SpeakerPickerModel::Close::cancel);
    m.select_line(*line_of(m, 3));
    EXPECT_EQ(m.accept(), SpeakerPickerModel::Close::stay);
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Павел Орлов не доступные - Января 03, 2027");
    m.select_line(*line_of(m, 1));
    EXPECT_EQ(m.accept(), SpeakerPickerModel::Close::ok);
    EXPECT_EQ(m.chosen(), brother_pos(1));
    EXPECT_EQ(m.chosen_id(), 1);
    EXPECT_EQ(m.chosen_congregation(), 2);
}

TEST_F(SpeakerPickerTest, WithoutATalkHisTalkIsPickedHereAndSetInTheWeek) {
    SpeakerPickerModel m(*doc, for_week_1409(0, 1));
    ASSERT_TRUE(m.talk_button_visible());
    EXPECT_EQ(m.talk_button_caption(), "Выберите речь  - Иван Петров ( 2 )");
    const auto p = m.talk_picker();
    ASSERT_TRUE(p);
    EXPECT_EQ(p->title, "Января 03, 2027 - Иван Петров");
    EXPECT_TRUE(p->single);
    EXPECT_EQ(p->speaker, 1);
    m.apply_talk(34);
    EXPECT_EQ(week(1409).talk_no, 34);
    EXPECT_EQ(week(1409).week_flags, 1);

    // An unavailable brother gets no talk picker either.
    m.select_line(*line_of(m, 3));
    EXPECT_FALSE(m.talk_picker());
    EXPECT_EQ(prompter.messages.size(), 1u);
}

TEST_F(SpeakerPickerTest, TitleOfAPickerForAWeek) {
    EXPECT_EQ(schedule::speaker_picker_title(*doc, calendar::WeekIndex(1408), 0),
              "Января 03, 2027");
    EXPECT_EQ(schedule::speaker_picker_title(*doc, calendar::WeekIndex(1408), 231),
              "Января 03, 2027 - Речь S-31");
}
