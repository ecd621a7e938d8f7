#include "core/reports/week_range_model.h"

#include <gtest/gtest.h>

#include "report_fixture.h"

using namespace vorla;
using namespace vorla::reports;
using namespace vorla::testing;
using calendar::WeekIndex;

namespace {

struct WeekRangeTest : ReportData {
    void speaker_week(int number) {
        weeks.push_back(week_record(static_cast<std::uint16_t>(number)).u16(week_at::kSpeaker, 1));
    }
};

TEST_F(WeekRangeTest, ScheduleFormListsTwentySixWeeksFromFourBeforeTheCurrentOne) {
    auto doc = open();
    WeekRangeModel m(*doc, WeekRangeForm::schedule);
    ASSERT_EQ(m.start_lines().size(), 26u);
    EXPECT_EQ(m.start_lines()[0], "Ноя 15, 2026");
    EXPECT_EQ(m.start_lines()[4], "Дек 13, 2026");
    EXPECT_EQ(m.start_lines()[25], "Май 09, 2027");
    EXPECT_EQ(m.start_row(), 4);
    EXPECT_EQ(m.first_week(), kThisIndex);
    EXPECT_EQ(m.max_count(), 52);
    EXPECT_EQ(m.count_lines().front(), "1");
    EXPECT_EQ(m.count_lines().back(), "52");
    EXPECT_TRUE(m.export_visible());
    // Nothing planned: week t + 2 is open at once, so the schedule is the current week and the
    // next.
    EXPECT_EQ(m.week_count(), 2);
    EXPECT_EQ(m.caption(), "2 Стартовая неделя Декабря 13, 2026");

    // The calendar export offers the same weeks, without the text export's button.
    const WeekRangeModel calendar(*doc, WeekRangeForm::calendar);
    EXPECT_EQ(calendar.start_lines(), m.start_lines());
    EXPECT_EQ(calendar.max_count(), 52);
    EXPECT_FALSE(calendar.export_visible());
}

TEST_F(WeekRangeTest, TheScheduleEndsJustBeforeTheFirstOpenWeek) {
    // Week t + 1 is not looked at; t + 2 .. t + 6 are filled (t + 5 by a special week), t + 7 is
    // open.
    for (int k = 2; k <= 6; ++k) {
        if (k == 5) {
            weeks.push_back(
                week_record(static_cast<std::uint16_t>(kThisWeek + k)).u16(week_at::kFlags, 0x05));
        } else {
            speaker_week(kThisWeek + k);
        }
    }
    auto doc = open();
    WeekRangeModel m(*doc, WeekRangeForm::schedule);
    EXPECT_EQ(m.week_count(), 7);  // weeks t .. t + 6
    EXPECT_EQ(m.count_row(), 6);
}

TEST_F(WeekRangeTest, WhenTwentyWeeksAreFilledTwoArePreselected) {
    for (int k = 2; k <= 20; ++k)
        speaker_week(kThisWeek + k);
    auto doc = open();
    EXPECT_EQ(preselected_schedule_weeks(*doc, kThisIndex), 2);
    // With t + 20 open instead, the schedule runs to t + 19: 20 weeks.
    weeks.pop_back();
    auto doc2 = open();
    EXPECT_EQ(preselected_schedule_weeks(*doc2, kThisIndex), 20);
}

TEST_F(WeekRangeTest, TheCaptionFollowsTheSelection) {
    auto doc = open();
    WeekRangeModel m(*doc, WeekRangeForm::schedule);
    m.select_start(0);
    m.select_count_row(9);
    EXPECT_EQ(m.caption(), "10 Стартовая неделя Ноября 15, 2026");
    EXPECT_EQ(m.first_week(), kThisIndex - 4);
    EXPECT_EQ(m.week_count(), 10);
    // Rows outside the lists change nothing.
    m.select_start(26);
    m.select_count_row(52);
    EXPECT_EQ(m.first_week(), kThisIndex - 4);
    EXPECT_EQ(m.week_count(), 10);
}

TEST_F(WeekRangeTest, TheListFormsOfferTheirOwnWeeksAndCounts) {
    auto doc = open();
    WeekRangeModel shorter(*doc, WeekRangeForm::short_list);
    EXPECT_EQ(shorter.start_lines().size(), 39u);
    EXPECT_EQ(shorter.start_row(), 4);
    EXPECT_EQ(shorter.max_count(), 18);
    EXPECT_EQ(shorter.week_count(), 18);
    EXPECT_FALSE(shorter.export_visible());

    WeekRangeModel longer(*doc, WeekRangeForm::long_list);
    // From the week of 3 January 2000 (its meeting on the 9th) to 26 weeks after the current one.
    ASSERT_EQ(longer.start_lines().size(), static_cast<std::size_t>(kThisIndex.value + 27));
    EXPECT_EQ(longer.start_lines()[0], "Янв 09, 2000");
    EXPECT_EQ(longer.start_row(), kThisIndex.value);
    EXPECT_EQ(longer.first_week(), kThisIndex);
    EXPECT_EQ(longer.max_count(), 144);
    EXPECT_EQ(longer.week_count(), 36);
    EXPECT_FALSE(longer.export_visible());
}

TEST_F(WeekRangeTest, NoStartWeekBeforeTheFirstWeekOfAll) {
    TempDir other;
    RecordingPrompter p;
    store::Document doc({other.path(), {2000, 1, 12}, {}}, p);  // the current week has index 1
    WeekRangeModel m(doc, WeekRangeForm::schedule);
    EXPECT_EQ(m.start_lines().size(), 23u);
    EXPECT_EQ(m.start_lines()[0], "Янв 09, 2000");
    EXPECT_EQ(m.start_row(), 1);
    EXPECT_EQ(m.first_week(), WeekIndex(1));
}

}  // namespace
