#include "core/schedule/speaker_history_model.h"
#include "core/schedule/talk_history_model.h"
#include "history_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using calendar::WeekIndex;
using schedule::HistoryVisit;
using schedule::SpeakerHistoryModel;
using schedule::TalkHistoryMode;
using schedule::TalkHistoryModel;
using Lines = std::vector<std::string>;

namespace {

Lines texts(const std::vector<text::ListLine>& lines) {
    return text::texts_of(lines);
}
HistoryVisit local(int number) {
    return {calendar::WeekNumber(number).index(), std::nullopt};
}
HistoryVisit out(int number, std::size_t slot) {
    return {calendar::WeekNumber(number).index(), slot};
}

using SpeakerHistoryTest = HistoryTest;

TEST_F(SpeakerHistoryTest, OurBrothersWithoutTalksAreLeftOutAndFiltersNarrowTheList) {
    open();
    SpeakerHistoryModel view(*doc);
    EXPECT_EQ(view.circuit_lines(), (Lines{"Все районы", "Северный", "Южный"}));
    EXPECT_EQ(view.congregation_lines(),
              (Lines{"Все собрания", "Лесное", "Наше", "Пустое", "Речное"}));
    EXPECT_EQ(texts(view.brother_lines()),
              (Lines{"Белов, Антон", "Борисов, Борис", "Волков, Василий", "Орлов, Павел",
                     "Петров, Иван ( СП ) ", "Сидоров, Олег"}));
    EXPECT_EQ(view.brother_line(), 0u);
    EXPECT_EQ(view.title(), "История - Антон Белов");

    // Our congregation chosen: still only those who give talks.
    view.set_congregation_line(2);
    EXPECT_EQ(texts(view.brother_lines()), (Lines{"Борисов, Борис", "Волков, Василий"}));

    // A circuit: its congregations, the count line first, and back to all congregations.
    view.set_circuit_line(2);
    EXPECT_EQ(view.congregation_lines(), (Lines{"2 Собрания в районе Южный", "Пустое", "Речное"}));
    EXPECT_EQ(view.congregation_line(), 0);
    EXPECT_EQ(texts(view.brother_lines()), (Lines{"Орлов, Павел"}));
    view.set_congregation_line(1);
    EXPECT_TRUE(view.brother_lines().empty());
    EXPECT_EQ(view.title(), "");
    EXPECT_TRUE(view.history_lines().empty());
}

TEST_F(SpeakerHistoryTest, OurSpeakerShowsHisVisitsOutLatestFirst) {
    open();
    SpeakerHistoryModel view(*doc, 8);
    EXPECT_EQ(view.brother_line(), 2u);
    EXPECT_EQ(view.title(), "История - Василий Волков - Наше");
    EXPECT_EQ(view.history_lines(),
              (Lines{"Янв 10, 2027  ( Уходящий )\t34", "Ноя 01, 2026  ( Уходящий )\t34"}));
    EXPECT_EQ(view.visits(), (std::vector<HistoryVisit>{out(1410, 0), out(1400, 1)}));
    EXPECT_EQ(view.history_line(), 0u);
    EXPECT_EQ(view.talk_line(), "Января 10, 2027 - Вера и надежда ( 34 ) ");
    EXPECT_EQ(view.destination_line(), "в Речное");
}

TEST_F(SpeakerHistoryTest, VisitingSpeakerShowsHisTalksHereWithoutDestination) {
    open();
    SpeakerHistoryModel view(*doc, 3);
    EXPECT_EQ(view.title(), "История - Павел Орлов - Речное");
    EXPECT_EQ(view.history_lines(), (Lines{"Ноя 29, 2026\t12", "Авг 23, 2026\t56"}));
    EXPECT_EQ(view.visits(), (std::vector<HistoryVisit>{local(1404), local(1390)}));
    view.select_history_line(1);
    EXPECT_EQ(view.talk_line(), "Августа 23, 2026 - Мир в семье сегодня ( 56 ) ");
    EXPECT_EQ(view.destination_line(), "");
    // Selecting another brother fills his history.
    view.select_brother_line(0);
    EXPECT_EQ(view.title(), "История - Антон Белов");
    EXPECT_EQ(view.history_lines(), (Lines{"Июн 14, 2026\t56"}));
}

using TalkHistoryTest = HistoryTest;

TEST_F(TalkHistoryTest, LocalModeShowsTheNumberOnlyWhileAllTalksShow) {
    open();
    TalkHistoryModel view(*doc, TalkHistoryMode::local);
    EXPECT_EQ(view.title(), "История местной речи");
    EXPECT_EQ(view.talk_lines(), (Lines{"Все", "12", "34", "56"}));
    EXPECT_FALSE(view.speaker_list_visible());
    EXPECT_EQ(view.week_lines(), (Lines{"Янв 10, 2027\tИван Петров ( 34 )\tЛесное",
                                        "Ноя 29, 2026\tПавел Орлов ( 12 )\tРечное",
                                        "Ноя 01, 2026\tИван Петров ( 12 )\tЛесное",
                                        "Авг 23, 2026\tПавел Орлов ( 56 )\tРечное",
                                        "Июн 14, 2026\tАнтон Белов ( 56 )\t"}));
    EXPECT_EQ(view.talk_caption(), "Вера и надежда ( 34 ) ");
    // Петров spoke twice: his history is offered; Белов once: not.
    EXPECT_TRUE(view.speaker_history_visible());
    EXPECT_EQ(view.speaker_history_caption(), "Показать историю - Иван Петров");
    EXPECT_EQ(view.selected_speaker(), 1);
    view.select_week_line(4);
    EXPECT_FALSE(view.speaker_history_visible());

    view.select_week_line(0);
    view.set_talk_line(1);
    // Refilled with its first line selected, but the button waits for a selection.
    EXPECT_FALSE(view.speaker_history_visible());
    view.select_week_line(0);
    EXPECT_TRUE(view.speaker_history_visible());
    EXPECT_EQ(view.week_lines(),
              (Lines{"Ноя 29, 2026\tПавел Орлов\tРечное", "Ноя 01, 2026\tИван Петров\tЛесное"}));
    EXPECT_EQ(view.talk_caption(), "");
    // A preset talk selects its line.
    TalkHistoryModel preset(*doc, TalkHistoryMode::local, false, 56);
    EXPECT_EQ(preset.talk_line(), 3);
    EXPECT_EQ(preset.visits(), (std::vector<HistoryVisit>{local(1390), local(1380)}));
}

TEST_F(TalkHistoryTest, OutgoingModeListsEverySlotWithATalkFilteredBySpeakerAndTalk) {
    open();
    TalkHistoryModel view(*doc, TalkHistoryMode::outgoing);
    EXPECT_EQ(view.title(), "История речей вне собрания");
    EXPECT_TRUE(view.speaker_list_visible());
    EXPECT_EQ(view.speaker_lines(), (Lines{"Все докладчики", "Борис Борисов", "Василий Волков"}));
    EXPECT_EQ(view.visits(),
              (std::vector<HistoryVisit>{out(1420, 1), out(1410, 0), out(1400, 0), out(1400, 1)}));
    EXPECT_EQ(view.week_lines().front(), "Мар 21, 2027\tБорис Борисов ( 56 )\tЛесное");
    EXPECT_FALSE(view.speaker_history_visible());
    view.set_speaker_line(2);
    EXPECT_EQ(view.visits(), (std::vector<HistoryVisit>{out(1410, 0), out(1400, 1)}));
    view.set_talk_line(1);
    EXPECT_TRUE(view.week_lines().empty());
    EXPECT_FALSE(view.week_line().has_value());
}

TEST_F(TalkHistoryTest, PickingWalksTheComingWeeksForwardAndReturnsWeekAndSlot) {
    open();
    TalkHistoryModel outgoing(*doc, TalkHistoryMode::outgoing, true);
    EXPECT_EQ(outgoing.title(), "Выбор докладчика");
    EXPECT_FALSE(outgoing.talk_list_visible());
    EXPECT_FALSE(outgoing.speaker_list_visible());
    EXPECT_EQ(outgoing.visits(), (std::vector<HistoryVisit>{out(1410, 0), out(1420, 1)}));
    outgoing.select_week_line(1);
    EXPECT_EQ(outgoing.picked(), out(1420, 1));

    TalkHistoryModel letter(*doc, TalkHistoryMode::local, true);
    EXPECT_EQ(letter.picked(), local(1410));

    // Nothing planned in the coming weeks: OK acts as Cancel.
    week(1410).talk_no = 0;
    TalkHistoryModel empty(*doc, TalkHistoryMode::local, true);
    EXPECT_FALSE(empty.picked().has_value());
}

}  // namespace
