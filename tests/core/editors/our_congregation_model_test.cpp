#include "core/editors/our_congregation_model.h"

#include "core/schedule/local_brothers_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using editors::OurCongregationModel;
using store::LocalRole;

namespace {

struct OurCongregationTest : ScheduleTest {
    void SetUp() override {
        ScheduleTest::SetUp();
        write_local_brothers(dir.path());
    }
};

}  // namespace

TEST_F(OurCongregationTest, WithoutOurCongregationOnlyChoosingIsOffered) {
    write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=0\r\n");
    open();
    OurCongregationModel dialog(*doc);
    EXPECT_EQ(dialog.title(), "Наше Собрание");
    EXPECT_EQ(dialog.choose_caption(), "Выбрать Собрание");
    EXPECT_FALSE(dialog.buttons_enabled());
    EXPECT_FALSE(dialog.chooser_preselect());

    dialog.choose(cong_pos(1));
    EXPECT_TRUE(dialog.buttons_enabled());
    EXPECT_EQ(dialog.choose_caption(), "Изменить Собрание");
    EXPECT_EQ(doc->local_brothers().size(), 5u);
}

TEST_F(OurCongregationTest, ChangingOurCongregationChangesTheListsAndTheSettingsFile) {
    write_text(dir / "vorla.ini",
               "[Congregation]\r\nNumber=1\r\n[Собрание]\r\nВключите чтецов=1\r\n");
    open();
    OurCongregationModel dialog(*doc);
    EXPECT_EQ(dialog.title(), "Наше");
    EXPECT_EQ(dialog.list_caption(LocalRole::outgoing_speaker), "Уходящие докладчики  ( 2 )");
    EXPECT_EQ(dialog.list_caption(LocalRole::chairman), "Председатели  ( 3 )");
    EXPECT_EQ(dialog.list_caption(LocalRole::reader), "Чтецы  ( 3 )");
    EXPECT_EQ(dialog.hospitality_caption(), "Гостеприимство  ( 3 )");
    EXPECT_TRUE(dialog.readers_visible());
    EXPECT_FALSE(dialog.hospitality_visible());
    EXPECT_EQ(dialog.chooser_preselect(), cong_pos(1));

    dialog.choose(cong_pos(2));  // Лесное: Петров and Сидоров, on no list
    EXPECT_EQ(dialog.title(), "Лесное");
    EXPECT_EQ(doc->local_brothers().size(), 2u);
    EXPECT_EQ(dialog.list_caption(LocalRole::chairman), "Председатели  ( 0 )");
    EXPECT_NE(read_text(dir / "vorla.ini").find("Number=2\r\n"), std::string::npos);

    // Cancel in the chooser writes our congregation's number all the same.
    write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=7\r\n");
    dialog.choose(std::nullopt);
    EXPECT_EQ(doc->our_congregation(), 2);
    EXPECT_NE(read_text(dir / "vorla.ini").find("Number=2\r\n"), std::string::npos);
}
