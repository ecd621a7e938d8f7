#include "core/editors/congregation_editor_model.h"

#include "editor_fixture.h"
#include "support/change_log.h"

using namespace vorla;
using namespace vorla::testing;
using calendar::DayOffset;
using editors::CongregationEditorModel;
using editors::CongregationListModel;
using editors::CongregationOffice;

namespace {

// "Восточное" (1, circuit 30001, time odd only, days Sunday/Wednesday), "Западное" (2),
// "Южное" (3); brothers 1 and 2 of congregation 1.
struct CongregationTest : EditorTest {
    void SetUp() override {
        write_bytes(dir / "cong.dat",
                    slot_file({congregation_bytes(1, "Восточное")
                                   .text(164, "10:00")
                                   .u16(178, 30001)
                                   .u8(226, 0)
                                   .u8(227, 3),
                               congregation_bytes(2, "Западное"), congregation_bytes(3, "Южное")}));
        write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1),
                                                     brother_bytes(2, "Олег", "Сидоров", 1)}));
        write_bytes(dir / "circuit.dat", concat({named_bytes("Район 1", 30001)}));
    }
    std::size_t cong_position(std::uint16_t id) const {
        return doc->congregations().find(id).value();
    }
};

TEST_F(CongregationTest, ListCaptionsAndTheEmptyListGoingStraightToAdding) {
    open();
    CongregationListModel editing(*doc, false);
    EXPECT_EQ(editing.title(), "Выбор собрания");
    EXPECT_EQ(editing.ok_caption(), "Редактировать");
    EXPECT_EQ(editing.add_caption(), "Добавить cобрание");
    EXPECT_EQ(text::texts_of(editing.lines()),
              (std::vector<std::string>{"Восточное", "Западное", "Южное"}));
    CongregationListModel chooser(*doc, true, 1);
    EXPECT_EQ(chooser.ok_caption(), "OK");
    EXPECT_EQ(chooser.selection(), 1u);
    EXPECT_EQ(chooser.ok().kind, CongregationListModel::Action::choose);
    EXPECT_EQ(chooser.chosen(), 1u);

    write_bytes(dir / "cong.dat", slot_file({}));
    open();
    CongregationListModel empty(*doc, false);
    EXPECT_TRUE(empty.focus_on_add());
    const auto a = empty.ok();
    EXPECT_EQ(a.kind, CongregationListModel::Action::edit);
    EXPECT_FALSE(a.position);
}

TEST_F(CongregationTest, OpensWithTheTimeCopiedAndTheDayNamesMondayFirst) {
    open();
    CongregationListModel list(*doc, false);
    CongregationEditorModel m(*doc, &list, cong_position(1));
    EXPECT_EQ(m.fields().time_odd, "10:00");
    EXPECT_EQ(m.fields().time_even, "10:00");
    EXPECT_EQ(m.fields().day_odd, DayOffset(6));
    EXPECT_EQ(m.fields().day_even, DayOffset(2));
    EXPECT_EQ(CongregationEditorModel::day_name(m.fields().day_odd), "Воскресенье");
    m.press_day_odd();
    EXPECT_EQ(CongregationEditorModel::day_name(m.fields().day_odd), "Понедельник");
    EXPECT_EQ(m.brothers_caption(), "Братья ( 2 )");
    EXPECT_EQ(m.circuit_caption(), "Район - Район 1");
    EXPECT_EQ(m.officer_caption(CongregationOffice::cobe), "Координатор Совета Старейшин");
    EXPECT_TRUE(m.officers_visible());
    EXPECT_FALSE(m.apply_visible());
    EXPECT_TRUE(m.step_visible());

    CongregationEditorModel other(*doc, &list, cong_position(2));
    EXPECT_FALSE(other.officers_visible());  // nobody to choose from
    EXPECT_EQ(other.circuit_caption(), "Район");
    EXPECT_EQ(other.circuit_preselect(), -1);
}

TEST_F(CongregationTest, SavingWritesEveryFieldWithSundayStoredAsZero) {
    open();
    CongregationListModel list(*doc, false);
    CongregationEditorModel m(*doc, &list, cong_position(2));
    auto& f = m.fields();
    f.hall_address1 = "ул. Садовая, 5";
    f.phone1 = "123-45-67";
    f.time_even = "18:30";
    f.day_even = DayOffset(6);
    f.day_odd = DayOffset(0);
    m.set_circuit(30001);
    m.set_map_file("карта_западного_собрания_2026.jpg");
    ChangeLog changes(*doc);
    m.ok();
    EXPECT_TRUE(m.saved());
    const auto r = slot("cong.dat", 2);
    EXPECT_EQ(text_at(r, 50, 41), "ул. Садовая, 5");
    EXPECT_EQ(text_at(r, 132, 16), "123-45-67");
    EXPECT_EQ(text_at(r, 188, 10), "18:30");
    EXPECT_EQ(text_at(r, 164, 10), "");
    EXPECT_EQ(r[227], 0);  // Sunday
    EXPECT_EQ(r[226], 1);  // Monday
    EXPECT_EQ(u16_at(r, 178), 30001);
    EXPECT_EQ(text_at(r, 198, 28), "карта_западного_собрания_20");  // 27 characters
    EXPECT_TRUE(changes.saw(store::Change::congregations));
}

TEST_F(CongregationTest, ApplyTurnsANewCongregationIntoAnEditedOne) {
    open();
    CongregationListModel list(*doc, false);
    const auto a = list.add();
    ASSERT_FALSE(a.position);
    CongregationEditorModel m(*doc, &list, a.position);
    EXPECT_TRUE(m.adding());
    EXPECT_FALSE(m.brothers_visible());
    EXPECT_FALSE(m.map_visible());
    EXPECT_FALSE(m.step_visible());
    m.fields().name = "Аб";
    EXPECT_FALSE(m.apply_visible());
    m.fields().name = "Абвгд";
    EXPECT_TRUE(m.apply_visible());
    ASSERT_TRUE(m.apply());
    EXPECT_FALSE(m.adding());
    EXPECT_EQ(m.record().cong_id, 4);
    EXPECT_EQ(text_at(slot("cong.dat", 4), 0, 50), "Абвгд");
    EXPECT_EQ(m.brothers_caption(), "Братья ( 0 )");
    EXPECT_TRUE(m.circuit_visible());
    EXPECT_TRUE(m.map_visible());
    EXPECT_FALSE(m.officers_visible());
    EXPECT_EQ(list.selected_position(), cong_position(4));  // sorted in first
    EXPECT_EQ(list.selection(), 0u);
}

TEST_F(CongregationTest, AddingAnExistingNameAsksAndYesKeepsItsId) {
    open();
    CongregationListModel list(*doc, false);
    CongregationEditorModel m(*doc, &list, std::nullopt);
    m.fields().name = "ЗАПАДНОЕ";
    m.fields().phone2 = "777";
    prompter.answers = {true};
    m.ok();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_FALSE(prompter.messages[0].default_yes);
    EXPECT_EQ(prompter.messages[0].text,
              "Западное дублирующее имя.\n\nПерезаписать новой информацией?");
    EXPECT_EQ(doc->congregations().size(), 3u);
    EXPECT_EQ(text_at(slot("cong.dat", 2), 0, 50), "ЗАПАДНОЕ");
    EXPECT_EQ(u16_at(slot("cong.dat", 2), 174), 2);
}

TEST_F(CongregationTest, EditingToAnotherCongregationsNameOrAnEmptyNameSavesNothing) {
    open();
    CongregationListModel list(*doc, false);
    CongregationEditorModel m(*doc, &list, cong_position(3));
    m.fields().name = "восточное";
    m.ok();
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Восточное дублирующее имя.\n\n");
    m.fields().name = " Южное";
    EXPECT_FALSE(m.step(+1));
    EXPECT_FALSE(m.saved());
    EXPECT_EQ(text_at(slot("cong.dat", 3), 0, 50), "Южное");
    EXPECT_FALSE(m.brothers_list());
    EXPECT_EQ(prompter.messages.back().text, "Пожалуйста, введите название собрания");
    // The name names the congregation's package file: no way out of the data folder.
    m.fields().name = "../Южное";
    m.ok();
    EXPECT_EQ(prompter.messages.back().text,
              "Название собрания не может содержать знаки «/» и «\\».");
    EXPECT_EQ(text_at(slot("cong.dat", 3), 0, 50), "Южное");
}

TEST_F(CongregationTest, RefusedNameIsExplainedAndKeepsEverythingTyped) {
    open();
    CongregationListModel list(*doc, false);
    CongregationEditorModel added(*doc, &list, std::nullopt);
    added.fields().hall_address1 = "ул. Лесная, 1";
    EXPECT_FALSE(added.ok());  // no name yet: the editor stays open
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text, "Пожалуйста, введите название собрания");
    EXPECT_EQ(doc->congregations().size(), 3u);
    added.fields().name = "Лесное";
    EXPECT_TRUE(added.ok());
    EXPECT_EQ(text_at(slot("cong.dat", 4), 0, 50), "Лесное");
    EXPECT_EQ(text_at(slot("cong.dat", 4), 50, 41), "ул. Лесная, 1");

    CongregationEditorModel edited(*doc, &list, cong_position(2));
    edited.fields().name = "ЮЖНОЕ";
    EXPECT_FALSE(edited.ok());  // a duplicate: the notice, and the editor stays open
    EXPECT_EQ(prompter.messages.back().text, "Южное дублирующее имя.\n\n");
    EXPECT_EQ(text_at(slot("cong.dat", 2), 0, 50), "Западное");
    EXPECT_FALSE(edited.saved());
}

TEST_F(CongregationTest, RenamedCongregationKeepsItsPlaceAndStepsWrap) {
    open();
    CongregationListModel list(*doc, false);
    list.select(0);
    CongregationEditorModel m(*doc, &list, cong_position(1));
    m.fields().name = "Ясное";
    ASSERT_TRUE(m.step(-1));  // from the first line to the last
    EXPECT_EQ(m.fields().name, "Южное");
    EXPECT_EQ(list.lines()[0].text, "Восточное");  // the list is not filled again
    EXPECT_EQ(doc->congregations().at(0).name, "Ясное");
    ASSERT_TRUE(m.step(+1));
    EXPECT_EQ(m.fields().name, "Ясное");
}

TEST_F(CongregationTest, OfficersAreChosenAmongItsBrothersAndSavedWithTheRecord) {
    open();
    CongregationListModel list(*doc, false);
    CongregationEditorModel m(*doc, &list, cong_position(1));
    const auto p = m.officer_chooser(CongregationOffice::talk_coordinator);
    EXPECT_EQ(p.cong_filter, 1);
    EXPECT_EQ(p.role, editors::BrotherRole::talk_coordinator);
    m.set_officer(CongregationOffice::talk_coordinator, 2);
    EXPECT_EQ(m.officer_caption(CongregationOffice::talk_coordinator),
              "Ответственный за речи - Олег Сидоров");
    EXPECT_EQ(m.officer_chooser(CongregationOffice::talk_coordinator).current_brother, 2);
    m.set_officer(CongregationOffice::secretary, 1);
    m.ok();
    const auto r = slot("cong.dat", 1);
    EXPECT_EQ(u16_at(r, 186), 2);
    EXPECT_EQ(u16_at(r, 184), 1);
    EXPECT_EQ(u16_at(r, 182), 0);
    EXPECT_EQ(m.circuit_preselect(), 1);
}

TEST_F(CongregationTest, OfficerDeletedInItsBrotherListIsNotWrittenBack) {
    write_bytes(dir / "cong.dat",
                slot_file({congregation_bytes(1, "Восточное").u16(182, 2).u16(184, 1)}));
    open();
    CongregationListModel list(*doc, false);
    CongregationEditorModel m(*doc, &list, cong_position(1));
    ASSERT_TRUE(m.brothers_list());
    doc->delete_brother(position_of(2));  // what "Удалить" in its brother list does
    m.brothers_closed();
    m.ok();
    EXPECT_EQ(u16_at(slot("cong.dat", 1), 182), 0);
    EXPECT_EQ(u16_at(slot("cong.dat", 1), 184), 1);
    EXPECT_EQ(m.brothers_caption(), "Братья ( 1 )");
}

TEST_F(CongregationTest, DeletingLeavesItsBrothersWithoutCongregation) {
    open();
    CongregationListModel list(*doc, false);
    CongregationEditorModel m(*doc, &list, cong_position(1));
    prompter.answers = {true};
    ASSERT_TRUE(m.remove());
    EXPECT_EQ(prompter.messages[0].text, "Вы действительно хотите удалить Восточное?");
    EXPECT_EQ(slot("cong.dat", 1), std::vector<std::uint8_t>(256, 0));
    EXPECT_EQ(u16_at(slot("speakers.dat", 1), 202), 0);
    EXPECT_EQ(list.lines().size(), 2u);
}

TEST_F(CongregationTest, OurCongregationAloneCannotBeRenamedSteppedOrDeleted) {
    write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=1\r\n");
    open();
    CongregationEditorModel m(*doc, nullptr, std::nullopt, 1);
    EXPECT_FALSE(m.adding());
    EXPECT_FALSE(m.name_enabled());
    EXPECT_FALSE(m.step_visible());
    EXPECT_EQ(m.fields().name, "Восточное");
    m.fields().day_odd = DayOffset(4);  // Friday
    m.ok();
    EXPECT_EQ(slot("cong.dat", 1)[226], 5);
    EXPECT_EQ(doc->our_meeting_odd(), DayOffset(4));
}

}  // namespace
