#include "core/editors/availability_model.h"

#include "editor_fixture.h"
#include "support/change_log.h"

using namespace vorla;
using namespace vorla::testing;
using calendar::WeekNumber;
using editors::AvailabilityModel;

namespace {

struct AvailabilityTest : EditorTest {
    void SetUp() override {
        write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров"),
                                                     brother_bytes(2, "Олег", "Сидоров")}));
        // Brother 1: weeks W + 3 and W + 60; brother 2: W + 3.
        write_bytes(dir / "blackout.dat",
                    concat({unavailable_bytes(1, 1409), unavailable_bytes(1, 1466),
                            unavailable_bytes(2, 1409)}));
        open();
    }
};

TEST_F(AvailabilityTest, ListsFiftyTwoWeeksFromTodayWithHisMarksSelected) {
    AvailabilityModel m(*doc, 1, false, false);
    EXPECT_EQ(m.title(), "Иван Петров");
    ASSERT_EQ(m.lines().size(), 52u);
    // No congregation of ours: labels fall on Sunday.
    EXPECT_EQ(m.lines()[0], "Дек 13, 2026");
    EXPECT_EQ(m.lines()[51], "Дек 05, 2027");
    EXPECT_EQ(m.week_of(0), WeekNumber(1406));
    EXPECT_EQ(m.week_of(51), WeekNumber(1457));
    EXPECT_TRUE(m.selected(3));
    EXPECT_EQ(m.first_selected(), 3);
    EXPECT_EQ(m.count_text(), "1");  // W + 60 lies beyond the list
    EXPECT_TRUE(m.ok_visible());
    EXPECT_EQ(m.cancel_caption(), "Отмена");
}

TEST_F(AvailabilityTest, OkMarksAndUnmarksOnlyTheChangedWeeksWithinTheList) {
    AvailabilityModel m(*doc, 1, false, false);
    m.set_selected(3, false);
    m.set_selected(10, true);
    m.set_selected(11, true);
    EXPECT_EQ(m.count_text(), "2");
    ChangeLog changes(*doc);
    m.accept();
    const auto& u = doc->unavailable();
    EXPECT_TRUE(u.is_available(1, WeekNumber(1409)));
    EXPECT_FALSE(u.is_available(1, WeekNumber(1416)));
    EXPECT_FALSE(u.is_available(1, WeekNumber(1417)));
    EXPECT_FALSE(u.is_available(1, WeekNumber(1466)));  // kept unchanged
    EXPECT_FALSE(u.is_available(2, WeekNumber(1409)));  // another brother's mark stays
    EXPECT_TRUE(changes.saw(store::Change::availability));
}

TEST_F(AvailabilityTest, ReadOnlyShowsTheMarksAndChangesNothing) {
    AvailabilityModel m(*doc, 2, true, true);
    EXPECT_FALSE(m.ok_visible());
    EXPECT_FALSE(m.prompt_visible());
    EXPECT_EQ(m.cancel_caption(), "Закрыть");
    EXPECT_TRUE(m.selected(3));
    EXPECT_TRUE(m.discontinued());
    EXPECT_FALSE(m.weeks_editable());
    m.set_selected(3, false);
    EXPECT_EQ(m.count_text(), "1");  // the count keeps showing his marks
    ChangeLog changes(*doc);
    m.accept();
    EXPECT_FALSE(doc->unavailable().is_available(2, WeekNumber(1409)));
    EXPECT_TRUE(changes.quiet());
}

TEST_F(AvailabilityTest, WithoutABrotherNothingIsSelectedOrStored) {
    AvailabilityModel m(*doc, 0, false, false);
    EXPECT_EQ(m.title(), "");
    EXPECT_EQ(m.first_selected(), -1);
    // A new brother has no id yet: weeks cannot be marked, only the discontinued box changes.
    EXPECT_FALSE(m.weeks_editable());
    // The list would ignore clicks with no word: the prompt says why.
    EXPECT_TRUE(m.prompt_visible());
    EXPECT_EQ(m.prompt_text().rfind("Недели отмечаются у сохранённого брата", 0), 0u);
    EXPECT_TRUE(m.ok_visible());
    m.set_selected(0, true);
    EXPECT_EQ(m.selected_count(), 0);
    m.set_discontinued(true);
    m.accept();
    EXPECT_TRUE(m.discontinued());
    EXPECT_TRUE(doc->unavailable().is_available(0, WeekNumber(1406)));
}

TEST_F(AvailabilityTest, DiscontinuedMarkIsWrittenIntoHisRecordOnlyWhenChanged) {
    EXPECT_FALSE(editors::store_discontinued(*doc, 2, false));
    EXPECT_TRUE(editors::store_discontinued(*doc, 2, true));
    EXPECT_EQ(slot("speakers.dat", 2)[200], 0x20);
    EXPECT_TRUE(doc->brothers().at(position_of(2)).discontinued());
    EXPECT_TRUE(editors::store_discontinued(*doc, 2, false));
    EXPECT_EQ(slot("speakers.dat", 2)[200], 0x00);
    EXPECT_FALSE(editors::store_discontinued(*doc, 9, true));
}

}  // namespace
