#include "core/editors/brother_list_model.h"

#include "editor_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using editors::BrotherListModel;
using editors::BrotherListParams;
using editors::BrotherRole;
using text::ListLine;

namespace {

// Congregations 1 "Северное" (ours) and 2 "Южное"; brothers:
//  1 Иван Петров (1), 2 Олег Сидоров (2), 3 Павел Андреев (none, discontinued),
//  4 Юрий Яковлев (1, servant, outgoing speaker with talks), 5 Борис Зуев (none).
struct BrotherListTest : EditorTest {
    void SetUp() override {
        write_bytes(dir / "cong.dat",
                    slot_file({congregation_bytes(1, "Северное"), congregation_bytes(2, "Южное")}));
        write_bytes(
            dir / "speakers.dat",
            slot_file(
                {brother_bytes(1, "Иван", "Петров", 1).u8(201, 0x02),
                 brother_bytes(2, "Олег", "Сидоров", 2).u8(136, 0x01),
                 brother_bytes(3, "Павел", "Андреев").u8(200, 0x20),
                 brother_bytes(4, "Юрий", "Яковлев", 1).u8(200, 0x01).u8(201, 0x02).u8(137, 0x04),
                 brother_bytes(5, "Борис", "Зуев")}));
        write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=1\r\n");
    }
    static std::vector<std::string> texts(const BrotherListModel& m) {
        return text::texts_of(m.lines());
    }
};

TEST_F(BrotherListTest, EditingListShowsEveryoneLastNameFirstWithStackedMarks) {
    open();
    BrotherListModel m(*doc, {});
    EXPECT_EQ(texts(m),
              (std::vector<std::string>{"(§) * Андреев, Павел", "* Зуев, Борис", "Петров, Иван",
                                        "Сидоров, Олег", "Яковлев, Юрий"}));
    EXPECT_EQ(m.lines()[0].position, position_of(3));
    EXPECT_EQ(m.star_note(), "* Нет собрания ( 2 )");
    EXPECT_TRUE(m.star_note_visible());
    EXPECT_EQ(m.discontinued_note(), "(§) Прекращено ( 1 )");
    EXPECT_EQ(m.title(), "Братья");
    EXPECT_EQ(m.ok_caption(), "&Редактировать...");
    EXPECT_EQ(m.close_caption(), "&Закрыть");
    EXPECT_EQ(m.add_caption(), "&Добавить брата");
    EXPECT_TRUE(m.add_visible());
}

TEST_F(BrotherListTest, CongregationFilterListsFirstNameFirstWithoutStatusMarks) {
    open();
    BrotherListModel m(*doc, BrotherListParams{.cong_filter = 1});
    EXPECT_EQ(texts(m), (std::vector<std::string>{"Иван Петров", "Юрий Яковлев"}));
    EXPECT_FALSE(m.star_note_visible());
    EXPECT_EQ(m.discontinued_note(), "");
}

TEST_F(BrotherListTest, SpeakerChooserLeavesOutItsCongregationAndMarksTheUnavailable) {
    write_bytes(dir / "blackout.dat", concat({unavailable_bytes(2, 1410)}));
    open();
    BrotherListModel m(*doc, BrotherListParams{.excluded_cong = 1, .week = 1409});
    EXPECT_EQ(texts(m), (std::vector<std::string>{"(§) * Андреев, Павел", "* Зуев, Борис",
                                                  "* Сидоров, Олег"}));
    EXPECT_EQ(m.title(), "Выбор докладчика");
    EXPECT_TRUE(m.stands_aside());
    EXPECT_EQ(m.ok_caption(), "&Выбрать");
    EXPECT_EQ(m.close_caption(), "&Отмена");
    EXPECT_EQ(m.add_caption(), "&Новый докладчик");
    EXPECT_EQ(m.star_note(), "* Недоступен - " + doc->date_label(calendar::WeekNumber(1410),
                                                                 calendar::LabelStyle::with_year));
    m.select(2);
    const auto a = m.ok();
    EXPECT_EQ(a.kind, BrotherListModel::Action::choose);
    EXPECT_EQ(m.chosen(), position_of(2));
}

TEST_F(BrotherListTest, OutgoingSpeakerRoleListsOurSpeakersWithTheirNearestOutgoingWeek) {
    // Brother 4 goes out in week indexes 1412 and 1406; 1409 is the week asked for.
    write_bytes(dir / "history.dat", concat({week_bytes(1407).u16(20, 1).u16(28, 4),
                                             week_bytes(1413).u16(20, 1).u16(30, 4)}));
    open();
    BrotherListModel m(
        *doc, BrotherListParams{
                  .role = BrotherRole::outgoing_speaker, .week = 1409, .current_brother = 4});
    ASSERT_EQ(m.lines().size(), 1u);  // Петров has no talks
    EXPECT_EQ(m.lines()[0].text,
              "Яковлев, Юрий (СП)\t # " +
                  doc->date_label(calendar::WeekNumber(1407), calendar::LabelStyle::short_month));
    EXPECT_EQ(m.title(), "Выбрать Уходящий докладчик");
    EXPECT_FALSE(m.add_visible());
    EXPECT_EQ(editors::nearest_outgoing_week(*doc, 4, calendar::WeekIndex(1410)),
              calendar::WeekIndex(1412));
    EXPECT_EQ(editors::nearest_outgoing_week(*doc, 4, calendar::WeekIndex(1420)), std::nullopt);
}

TEST_F(BrotherListTest, RoleModesPreselectTheCurrentBrotherAndChairmenComeFromOurCongregation) {
    open();
    BrotherListModel officer(
        *doc, BrotherListParams{
                  .cong_filter = 1, .role = BrotherRole::talk_coordinator, .current_brother = 4});
    EXPECT_EQ(officer.title(), "Выбрать Ответственный за речи");
    EXPECT_EQ(officer.selection(), 1u);
    EXPECT_EQ(officer.ok().kind, BrotherListModel::Action::choose);
    EXPECT_EQ(officer.chosen(), position_of(4));

    BrotherListModel chairman(*doc, BrotherListParams{.role = BrotherRole::chairman});
    EXPECT_EQ(chairman.title(), "Выбрать Председатель");
    EXPECT_EQ(texts(chairman), (std::vector<std::string>{"Иван Петров", "Юрий Яковлев"}));
    BrotherListModel reader(*doc, BrotherListParams{.role = BrotherRole::reader});
    EXPECT_EQ(reader.title(), "Выбрать Чтец");
    EXPECT_EQ(reader.lines().size(), 2u);
}

TEST_F(BrotherListTest, SelectionBeyondTheSecondLastBrotherFallsBackToTheFirstLine) {
    open();
    BrotherListModel m(*doc, {});
    m.select(3);
    m.fill();
    EXPECT_EQ(m.selection(), 3u);
    m.select(4);
    m.fill();
    EXPECT_EQ(m.selection(), 0u);
    m.select(4);
    EXPECT_EQ(m.step(+1), m.lines()[0].position);  // wraps to the top
    EXPECT_EQ(m.step(-1), m.lines()[4].position);  // and back to the bottom
}

TEST_F(BrotherListTest, OkAndAddOpenTheEditorWithTheRightBrotherAndCongregation) {
    open();
    BrotherListModel m(*doc, {});
    m.select(2);
    auto a = m.ok();
    EXPECT_EQ(a.kind, BrotherListModel::Action::edit);
    EXPECT_FALSE(a.is_new);
    EXPECT_EQ(a.position, position_of(1));
    a = m.add();
    EXPECT_TRUE(a.is_new);
    EXPECT_EQ(a.preset_cong, 0);
    EXPECT_FALSE(m.editor_closed(true));
    EXPECT_FALSE(m.ok().is_new);  // adding ends with the editor

    BrotherListModel empty(*doc, BrotherListParams{.cong_filter = 9});
    a = empty.ok();
    EXPECT_EQ(a.kind, BrotherListModel::Action::edit);
    EXPECT_TRUE(a.is_new);
    EXPECT_EQ(a.preset_cong, 9);
}

TEST_F(BrotherListTest, AddInACongregationPullsInABrotherAfterAskingToMoveHim) {
    open();
    BrotherListModel m(*doc, BrotherListParams{.cong_filter = 1});
    EXPECT_EQ(m.add().kind, BrotherListModel::Action::pull_in);
    EXPECT_EQ(m.pull_in_params().excluded_cong, 1);

    prompter.answers = {false};
    EXPECT_FALSE(m.pull_in(position_of(2)));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Олег Сидоров назначен в Южное собрание.\n\nВы хотите переместить его?");
    EXPECT_EQ(doc->brothers().at(position_of(2)).cong_id, 2);

    EXPECT_TRUE(m.pull_in(position_of(5)));  // without a congregation: no question
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(u16_at(slot("speakers.dat", 5), 202), 1);
    EXPECT_EQ(texts(m), (std::vector<std::string>{"Борис Зуев", "Иван Петров", "Юрий Яковлев"}));
}

TEST_F(BrotherListTest, SpeakerChooserClosesAfterItsNewSpeakerWasSaved) {
    open();
    BrotherListModel m(*doc, BrotherListParams{.excluded_cong = 1});
    const auto a = m.add();
    EXPECT_EQ(a.kind, BrotherListModel::Action::edit);
    EXPECT_TRUE(a.is_new);
    EXPECT_EQ(a.preset_cong, 1);
    EXPECT_TRUE(m.editor_closed(true));
    m.add();
    EXPECT_FALSE(m.editor_closed(false));
}

TEST_F(BrotherListTest, AvailabilityChooserOpensTheEditorForTheSelectedBrother) {
    open();
    BrotherListModel m(*doc, BrotherListParams{.availability = true});
    EXPECT_FALSE(m.add_visible());
    EXPECT_EQ(m.ok_caption(), "&Выбрать");
    EXPECT_EQ(m.close_caption(), "&Закрыть");
    m.select(1);
    const auto a = m.ok();
    EXPECT_EQ(a.kind, BrotherListModel::Action::availability);
    EXPECT_EQ(a.position, position_of(5));
}

TEST_F(BrotherListTest, OnlyTheAvailabilityChooserWritesTheMarksWhenItCloses) {
    open();
    doc->unavailable().mark(1, calendar::WeekNumber(1410));
    BrotherListModel(*doc, BrotherListParams{}).closed();
    EXPECT_FALSE(std::filesystem::exists(dir / "blackout.dat"));
    BrotherListModel(*doc, BrotherListParams{.availability = true}).closed();
    EXPECT_EQ(read_bytes(dir / "blackout.dat"), unavailable_bytes(1, 1410).bytes());
}

}  // namespace
