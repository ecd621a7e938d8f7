#include "core/editors/brother_editor_model.h"

#include "editor_fixture.h"
#include "support/change_log.h"

using namespace vorla;
using namespace vorla::testing;
using editors::BrotherEditorModel;
using editors::BrotherListModel;
using editors::BrotherListParams;

namespace {

// Brothers 1 Иван Петров (cong 1, extra record 1), 2 Олег Сидоров (cong 2), 3 Павел Андреев.
struct BrotherEditorTest : EditorTest {
    void SetUp() override {
        write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Северное").u16(186, 1),
                                                 congregation_bytes(2, "Южное")}));
        write_bytes(dir / "speakers.dat",
                    slot_file({brother_bytes(1, "Иван", "Петров", 1).u16(206, 1).u8(136, 0x05),
                               brother_bytes(2, "Олег", "Сидоров", 2),
                               brother_bytes(3, "Павел", "Андреев")}));
        FixtureBytes extra(128);
        extra.u16(0, 1).text(2, "111-22-33").text(34, "ivan@example.org");
        write_bytes(dir / "xtend.dat", extra.bytes());
    }
    // The editor on the line of a brother in the unfiltered list.
    BrotherEditorModel edit(BrotherListModel& list, std::uint16_t id) {
        for (std::size_t i = 0; i < list.lines().size(); ++i) {
            if (list.lines()[i].position == position_of(id)) list.select(i);
        }
        return BrotherEditorModel(*doc, &list, position_of(id), 0);
    }
};

TEST_F(BrotherEditorTest, OpensOnHisRecordsWithTheButtonTexts) {
    write_bytes(dir / "blackout.dat", concat({unavailable_bytes(1, 1410)}));
    open();
    BrotherListModel list(*doc, {});
    BrotherEditorModel m = edit(list, 1);
    EXPECT_EQ(m.fields().first_name, "Иван");
    EXPECT_EQ(m.fields().phone2, "111-22-33");
    EXPECT_EQ(m.fields().email, "ivan@example.org");
    EXPECT_EQ(m.congregation_caption(), "Собрание - Северное");
    EXPECT_EQ(m.talks_caption(), "Просмотр / Выбор речей ( 2 )");
    EXPECT_EQ(m.availability_caption(), "Нажать для недоступных дат");
    m.set_discontinued(true);
    EXPECT_EQ(m.availability_caption(), "Прекращено");
    EXPECT_TRUE(m.step_visible());
    EXPECT_TRUE(m.congregation_visible());

    BrotherEditorModel fresh(*doc, &list, std::nullopt, 2);
    EXPECT_FALSE(fresh.step_visible());
    EXPECT_FALSE(fresh.congregation_visible());
    EXPECT_EQ(fresh.congregation_caption(), "Собрание - Южное");
    EXPECT_EQ(fresh.availability_caption(), "Доступен всегда");
    EXPECT_EQ(fresh.talks_caption(), "Просмотр / Выбор речей ( 0 )");
}

TEST_F(BrotherEditorTest, NewBrotherTakesTheLowestFreeSlotWithHisExtraRecord) {
    write_bytes(dir / "speakers.dat",
                slot_file({brother_bytes(1, "Иван", "Петров", 1), FixtureBytes(256),
                           brother_bytes(3, "Павел", "Андреев")}));
    open();
    BrotherListModel list(*doc, {});
    BrotherEditorModel m(*doc, &list, std::nullopt, 0);
    m.fields() = {"Антон", "Белов", "ул. Мира, 1",       "кв. 2", "123-45-67",
                  "",      "",      "anton@example.org", "",      false,
                  true};
    m.set_congregation(2);
    ChangeLog changes(*doc);
    ASSERT_TRUE(m.ok());
    const auto r = slot("speakers.dat", 2);
    EXPECT_EQ(u16_at(r, 204), 2);
    EXPECT_EQ(u16_at(r, 202), 2);
    EXPECT_EQ(r[200], 0x01);       // ministerial servant
    EXPECT_EQ(u16_at(r, 206), 2);  // extra record 1 is Петров's
    EXPECT_EQ(text_at(slot("xtend.dat", 1, 128), 34, 48), "anton@example.org");
    EXPECT_EQ(text_at(r, 40, 40), "ул. Мира, 1");
    EXPECT_TRUE(changes.saw(store::Change::brothers));
    EXPECT_EQ(list.selection(), 0u);
    EXPECT_EQ(list.lines()[1].text, "Белов, Антон");
}

TEST_F(BrotherEditorTest, AddingADuplicateAsksWithNoAsDefaultAndYesKeepsTheOldId) {
    open();
    BrotherListModel list(*doc, {});
    {
        BrotherEditorModel m(*doc, &list, std::nullopt, 0);
        m.fields().first_name = "ОЛЕГ";
        m.fields().last_name = "сидоров";
        prompter.answers = {false};
        EXPECT_TRUE(m.ok());  // No: the data is dropped and the editor closes
        ASSERT_EQ(prompter.messages.size(), 1u);
        EXPECT_TRUE(prompter.messages[0].question);
        EXPECT_FALSE(prompter.messages[0].default_yes);
        EXPECT_EQ(prompter.messages[0].text,
                  "Олег Сидоров дублирующее имя.\n\nПерезаписать новой информацией?");
        EXPECT_EQ(doc->brothers().size(), 3u);
        EXPECT_FALSE(m.saved());
    }
    BrotherEditorModel m(*doc, &list, std::nullopt, 0);
    m.fields().first_name = "ОЛЕГ";
    m.fields().last_name = "сидоров";
    m.fields().phone = "555-55-55";
    prompter.answers = {true};
    EXPECT_TRUE(m.ok());
    EXPECT_EQ(doc->brothers().size(), 3u);
    const auto r = slot("speakers.dat", 2);
    EXPECT_EQ(u16_at(r, 204), 2);
    EXPECT_EQ(text_at(r, 20, 20), "сидоров");
    EXPECT_EQ(doc->brothers().name_of(2), "ОЛЕГ сидоров");
}

TEST_F(BrotherEditorTest, ExistingBrotherWithAnotherBrothersNameIsRefusedWithANotice) {
    open();
    BrotherListModel list(*doc, {});
    BrotherEditorModel m = edit(list, 3);
    m.fields().first_name = "Иван";
    m.fields().last_name = "ПЕТРОВ";
    EXPECT_FALSE(m.ok());
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_FALSE(prompter.messages[0].question);
    EXPECT_EQ(prompter.messages[0].text, "Иван Петров дублирующее имя.\n\n");
    EXPECT_EQ(doc->brothers().name_of(3), "Павел Андреев");
}

TEST_F(BrotherEditorTest, EmptySurnameSavesNothingAndSaysNothing) {
    open();
    BrotherListModel list(*doc, {});
    BrotherEditorModel m(*doc, &list, std::nullopt, 0);
    m.fields().first_name = "Пётр";
    m.fields().last_name = " Без";
    EXPECT_FALSE(m.ok());
    EXPECT_TRUE(prompter.messages.empty());
    EXPECT_EQ(doc->brothers().size(), 3u);
}

TEST_F(BrotherEditorTest, ClearingHisExtraTextsFreesTheExtraRecordForTheNextBrother) {
    open();
    BrotherListModel list(*doc, {});
    BrotherEditorModel m = edit(list, 1);
    m.fields().phone2.clear();
    m.fields().email = "   ";
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(u16_at(slot("speakers.dat", 1), 206), 0);
    EXPECT_EQ(read_bytes(dir / "xtend.dat"), std::vector<std::uint8_t>(128, 0));

    BrotherEditorModel next = edit(list, 2);
    next.fields().note = "Приезжает с семьёй";
    ASSERT_TRUE(next.ok());
    EXPECT_EQ(u16_at(slot("speakers.dat", 2), 206), 1);
    EXPECT_EQ(u16_at(read_bytes(dir / "xtend.dat"), 0), 2);
}

TEST_F(BrotherEditorTest, StepSavesAndWrapsAroundTheList) {
    open();
    BrotherListModel list(*doc, {});  // Андреев, Петров, Сидоров
    BrotherEditorModel m = edit(list, 2);
    m.fields().phone = "999";
    ASSERT_TRUE(m.step(+1));
    EXPECT_EQ(m.fields().first_name, "Павел");  // from the last line to the first
    EXPECT_EQ(text_at(slot("speakers.dat", 2), 120, 16), "999");
    ASSERT_TRUE(m.step(-1));
    EXPECT_EQ(m.fields().first_name, "Олег");  // from the first line to the last
    ASSERT_TRUE(m.step(-1));
    EXPECT_EQ(m.fields().first_name, "Иван");
}

TEST_F(BrotherEditorTest, ChangingHisCongregationFollowsHimIntoHisWeeks) {
    // Window of 2026: indexes 884-1883. Weeks 884 (first of the window) and 1000 have him.
    write_bytes(dir / "history.dat", concat({week_bytes(885).u16(2, 2).u16(6, 2).u16(20, 1),
                                             week_bytes(1001).u16(2, 2).u16(6, 2).u16(20, 1)}));
    open();
    BrotherListModel list(*doc, {});
    BrotherEditorModel m = edit(list, 2);
    ASSERT_EQ(m.congregation_position(), doc->congregations().find(2));
    m.set_congregation(1);
    EXPECT_EQ(m.congregation_caption(), "Собрание - Северное");
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(u16_at(slot("speakers.dat", 2), 202), 1);
    const auto weeks = read_bytes(dir / "history.dat");
    ASSERT_EQ(weeks.size(), 128u);
    EXPECT_EQ(u16_at(weeks, 6), 2);  // the window's first week is left alone
    EXPECT_EQ(u16_at(weeks, 64 + 6), 1);
}

TEST_F(BrotherEditorTest, DeletingAskedFirstClearsEverythingThatNamesHim) {
    write_bytes(dir / "history.dat",
                concat({week_bytes(1001).u16(2, 1).u16(4, 17).u16(6, 1).u16(14, 1).u16(20, 1)}));
    write_bytes(dir / "blackout.dat",
                concat({unavailable_bytes(1, 1410), unavailable_bytes(2, 1410)}));
    open();
    BrotherListModel list(*doc, {});
    BrotherEditorModel m = edit(list, 1);
    prompter.answers = {false};
    EXPECT_FALSE(m.remove());
    EXPECT_EQ(prompter.messages.back().text, "Вы действительно хотите удалить Иван Петров?");
    prompter.answers = {true};
    ASSERT_TRUE(m.remove());
    EXPECT_EQ(slot("speakers.dat", 1), std::vector<std::uint8_t>(256, 0));
    EXPECT_EQ(read_bytes(dir / "xtend.dat"), std::vector<std::uint8_t>(128, 0));
    EXPECT_EQ(u16_at(slot("cong.dat", 1), 186), 0);  // no talk coordinator any more
    const auto week = read_bytes(dir / "history.dat");
    EXPECT_EQ(u16_at(week, 2), 0);
    EXPECT_EQ(u16_at(week, 14), 0);
    EXPECT_EQ(u16_at(week, 4), 17);  // the talk and congregation stay
    EXPECT_EQ(u16_at(week, 6), 1);
    EXPECT_EQ(read_bytes(dir / "blackout.dat"), unavailable_bytes(2, 1410).bytes());
    EXPECT_EQ(list.lines().size(), 2u);
}

TEST_F(BrotherEditorTest, OfficeBoxesExcludeEachOther) {
    open();
    BrotherEditorModel m(*doc, nullptr, std::nullopt, 0);
    m.set_elder(true);
    m.set_servant(true);
    EXPECT_FALSE(m.fields().elder);
    EXPECT_TRUE(m.fields().servant);
    m.set_elder(true);
    EXPECT_TRUE(m.fields().elder);
    EXPECT_FALSE(m.fields().servant);
    m.set_elder(false);
    m.fields().last_name = "Новиков";
    ASSERT_TRUE(m.ok());
    EXPECT_EQ(slot("speakers.dat", 4)[200], 0x00);
}

TEST_F(BrotherEditorTest, LongFullNameTurnsTheFirstNameIntoAnInitial) {
    open();
    BrotherEditorModel m(*doc, nullptr, std::nullopt, 0);
    EXPECT_EQ(m.first_name_left("Александрандреевич"), std::nullopt);  // 18 characters
    EXPECT_EQ(m.surname_changed("Константинопольск"), std::nullopt);   // 35 in all
    EXPECT_EQ(m.surname_changed("Константинопольски"), "А.");          // 36
    EXPECT_EQ(m.fields().first_name, "А.");
    EXPECT_EQ(m.surname_changed("Константинопольский"), std::nullopt);  // the initial counts 2
    EXPECT_EQ(m.first_name_left("Александрандреевич"), "А.");  // leaving "Имя" checks again
}

TEST_F(BrotherEditorTest, AutomaticCapitalsOnlyWhereTheLanguageWantsThem) {
    open();
    BrotherEditorModel rus(*doc, nullptr, std::nullopt, 0);
    EXPECT_EQ(rus.auto_capitals("smith"), std::nullopt);

    open("eng");
    BrotherEditorModel eng(*doc, nullptr, std::nullopt, 0);
    const auto cap = eng.auto_capitals("smith");
    ASSERT_TRUE(cap);
    EXPECT_EQ(cap->text, "Smith");
    EXPECT_EQ(cap->caret, 1u);
    const auto cut = eng.auto_capitals("Montgomeryshire");
    ASSERT_TRUE(cut);
    EXPECT_EQ(cut->text,
              "Montgomerysh"
              "ir");
    EXPECT_EQ(cut->caret, 14u);
    EXPECT_EQ(eng.auto_capitals("Smith"), std::nullopt);
    EXPECT_EQ(eng.auto_capitals("ёжик"), std::nullopt);  // only a..z

    open("German");
    BrotherEditorModel german(*doc, nullptr, std::nullopt, 0);
    EXPECT_EQ(german.auto_capitals("smith"), std::nullopt);
}

}  // namespace
