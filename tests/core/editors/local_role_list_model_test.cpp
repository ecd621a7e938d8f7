#include "core/editors/local_role_list_model.h"

#include "core/schedule/local_brothers_fixture.h"
#include "support/change_log.h"

using namespace vorla;
using namespace vorla::testing;
using editors::LocalRoleListModel;
using editors::LocalRoleListParams;
using store::LocalRole;

namespace {

struct LocalRoleListTest : ScheduleTest {
    void SetUp() override {
        ScheduleTest::SetUp();
        write_local_brothers(dir.path());
    }
    std::vector<std::string> texts(const LocalRoleListModel& list) {
        std::vector<std::string> out;
        for (const auto& line : list.lines())
            out.push_back(line.text);
        return out;
    }
    std::vector<std::uint8_t> speaker_record(std::size_t slot) {
        const auto bytes = read_bytes(dir / "speakers.dat");
        return {bytes.begin() + static_cast<std::ptrdiff_t>(slot * 256),
                bytes.begin() + static_cast<std::ptrdiff_t>(slot * 256 + 256)};
    }
    using Texts = std::vector<std::string>;
};

}  // namespace

TEST_F(LocalRoleListTest, TickedInTheEditViewShowsInTheListAndOkWritesTheRoleBit) {
    open();
    LocalRoleListModel list(*doc, {LocalRole::chairman, 0, 0, false});
    EXPECT_EQ(list.title(), "Председатели");
    EXPECT_EQ(list.ok_caption(), "OK");
    EXPECT_EQ(list.edit_caption(), "Редактировать список");
    EXPECT_EQ(texts(list), (Texts{"Алексей Андреев", "Борис Борисов", "Василий Волков"}));

    list.toggle_view();
    EXPECT_EQ(list.edit_caption(), "Просмотр списка");
    EXPECT_EQ(texts(list), (Texts{"Алексей Андреев", "Юрий Архипов", "Борис Борисов",
                                  "Василий Волков", "Глеб Громов (Прекращено)"}));
    EXPECT_EQ(list.ticked(), (std::vector<std::size_t>{0, 2, 3}));
    ChangeLog changes(*doc);
    list.set_ticked({0, 1, 3});  // Архипов on, Борисов off
    list.toggle_view();
    EXPECT_EQ(texts(list), (Texts{"Алексей Андреев", "Юрий Архипов", "Василий Волков"}));
    // Nothing reaches the file before OK, and nothing is announced: a notice would read the
    // local lists from the records again and drop the ticks.
    EXPECT_EQ(speaker_record(4), brother_bytes(4, "Юрий", "Архипов", 1).bytes());
    EXPECT_TRUE(changes.quiet());

    ASSERT_EQ(list.ok(std::nullopt), LocalRoleListModel::Close::ok);
    EXPECT_TRUE(changes.saw(store::Change::brothers));
    EXPECT_FALSE(list.chosen());
    EXPECT_EQ(speaker_record(4), brother_bytes(4, "Юрий", "Архипов", 1).u8(201, 0x04).bytes());
    EXPECT_EQ(speaker_record(7),
              with_talks(local_brother(7, "Борис", "Борисов", 0x02), {12, 56}).bytes());
    EXPECT_EQ(speaker_record(6), local_brother(6, "Алексей", "Андреев", 0x14).bytes());
}

TEST_F(LocalRoleListTest, OutgoingAndReaderListsWriteTheirOwnBits) {
    open();
    for (LocalRole role : {LocalRole::outgoing_speaker, LocalRole::reader}) {
        LocalRoleListModel list(*doc, {role, 0, 0, false});
        list.toggle_view();
        std::vector<std::size_t> ticked = list.ticked();
        ticked.push_back(1);  // Архипов
        list.set_ticked(ticked);
        list.ok(std::nullopt);
    }
    EXPECT_EQ(speaker_record(4), brother_bytes(4, "Юрий", "Архипов", 1).u8(201, 0x12).bytes());
    EXPECT_EQ(doc->roles_of(4), 0x12);
}

TEST_F(LocalRoleListTest, ChooserForAWeekMarksTheUnavailableAndTheDiscontinued) {
    write_bytes(dir / "blackout.dat", concat({unavailable_bytes(7, 1408)}));
    open();
    LocalRoleListModel readers(*doc, {LocalRole::reader, 0, 0, false});
    EXPECT_EQ(texts(readers),
              (Texts{"Алексей Андреев", "Василий Волков", "* Глеб Громов (Прекращено)"}));
    EXPECT_FALSE(readers.status_visible());

    LocalRoleListModel chairmen(*doc, {LocalRole::chairman, 1407, brother_pos(8) + 1, false});
    EXPECT_EQ(texts(chairmen), (Texts{"Алексей Андреев", "* Борис Борисов", "Василий Волков"}));
    EXPECT_TRUE(chairmen.status_visible());
    EXPECT_EQ(chairmen.status_text(), "* Недоступен - Декабря 27, 2026");
    EXPECT_EQ(chairmen.ok_caption(), "Выбрать");
    EXPECT_EQ(chairmen.current_line(), 2u);
    chairmen.toggle_view();
    EXPECT_FALSE(chairmen.ok_visible());
    chairmen.toggle_view();
    EXPECT_TRUE(chairmen.ok_visible());
    ASSERT_EQ(chairmen.ok(0), LocalRoleListModel::Close::ok);
    EXPECT_EQ(chairmen.chosen(), brother_pos(6));
}

TEST_F(LocalRoleListTest, AssignmentsModeListsLocalBrothersWithAssignments) {
    write_bytes(dir / "history.dat", concat({week_bytes(1410).u16(14, 7).u16(20, 1),
                                             week_bytes(1420).u16(16, 8).u16(20, 1),
                                             week_bytes(1470).u16(16, 6).u16(20, 1)}));
    open();
    LocalRoleListParams params;
    params.assignments = true;
    LocalRoleListModel list(*doc, params);
    EXPECT_EQ(list.title(), "Выбрать");
    EXPECT_FALSE(list.edit_button_visible());
    // Андреев reads only beyond the 55 weeks.
    EXPECT_EQ(texts(list), (Texts{"Борис Борисов", "Василий Волков"}));
    EXPECT_EQ(list.ok(std::nullopt), LocalRoleListModel::Close::cancel);
    EXPECT_EQ(list.ok(1), LocalRoleListModel::Close::ok);
    EXPECT_EQ(list.chosen(), brother_pos(8));
}

TEST_F(LocalRoleListTest, CancelKeepsTheTicksInMemoryOnly) {
    open();
    const auto before = read_bytes(dir / "speakers.dat");
    {
        LocalRoleListModel list(*doc, {LocalRole::chairman, 0, 0, false});
        list.toggle_view();
        list.set_ticked({});
    }
    EXPECT_EQ(doc->roles_of(6), 0x10);
    EXPECT_EQ(read_bytes(dir / "speakers.dat"), before);
}
