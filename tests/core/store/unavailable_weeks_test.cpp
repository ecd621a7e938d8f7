#include <gtest/gtest.h>

#include <filesystem>

#include "core/store/unavailable_weeks.h"
#include "support/fixture_bytes.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;
using vorla::calendar::WeekNumber;

namespace {

FixtureBytes away(std::uint16_t brother, std::uint16_t week) {
    return FixtureBytes(8).u16(0, brother).u16(2, week);
}

std::vector<std::pair<int, int>> pairs(const UnavailableWeeks& t) {
    std::vector<std::pair<int, int>> out;
    for (const UnavailableRecord& r : t.entries())
        out.emplace_back(r.ua_brother_id, r.ua_week.value);
    return out;
}

constexpr WeekNumber kToday(1400);  // W

struct UnavailableWeeksTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    DataFolder folder{dir.path(), prompter};
    UnavailableWeeks table;
};

}  // namespace

TEST_F(UnavailableWeeksTest, LoadKeepsEachCurrentPairOnce) {
    auto file =
        concat({away(5, 1399),  // last week: dropped
                away(5, 1400), away(0, 1402), away(7, 1402),
                FixtureBytes(8).u16(0, 5).u16(2, 1400).raw(4, "\x01\x02"),  // the same pair again
                away(7, 1401)});
    file.resize(file.size() + 6, 0x05);  // partial record
    write_bytes(dir / "blackout.dat", file);
    table.load(folder, kToday);
    EXPECT_EQ(pairs(table), (std::vector<std::pair<int, int>>{{5, 1400}, {7, 1402}, {7, 1401}}));
    EXPECT_FALSE(table.changed());
    EXPECT_FALSE(table.is_available(7, WeekNumber(1401)));
    EXPECT_TRUE(table.is_available(7, WeekNumber(1400)));
    EXPECT_TRUE(table.is_available(5, WeekNumber(1399)));
    EXPECT_TRUE(table.is_available(0, WeekNumber(0)));
}

TEST_F(UnavailableWeeksTest, MarkReusesTheFirstEmptyOrPastEntry) {
    table.load(folder, kToday);
    table.mark(6, WeekNumber(1399));  // W - 1 is not past yet
    table.mark(7, WeekNumber(1410));
    table.mark(5, WeekNumber(1398));  // W - 2 may be marked, and is past at once
    EXPECT_EQ(pairs(table), (std::vector<std::pair<int, int>>{{6, 1399}, {7, 1410}, {5, 1398}}));
    EXPECT_TRUE(table.changed());

    table.mark(8, WeekNumber(1420));  // takes the place of week 1398
    table.mark(7, WeekNumber(1410));  // already there
    table.unmark(6, WeekNumber(1399));
    table.mark(9, WeekNumber(1430));  // takes the emptied place
    table.mark(9, WeekNumber(1431));
    EXPECT_EQ(pairs(table),
              (std::vector<std::pair<int, int>>{{9, 1430}, {7, 1410}, {8, 1420}, {9, 1431}}));
    table.mark(0, WeekNumber(1440));  // brother 0 would be an empty entry
    EXPECT_EQ(table.size(), 4u);

    // The scan stops at a past entry before it reaches the pair: the pair is then held
    // twice, which unmark (every copy) and save (as is) both cope with.
    table.unmark(9, WeekNumber(1430));
    table.mark(5, WeekNumber(1300));  // into the emptied first place
    table.mark(9, WeekNumber(1431));
    EXPECT_EQ(pairs(table),
              (std::vector<std::pair<int, int>>{{9, 1431}, {7, 1410}, {8, 1420}, {9, 1431}}));
    table.unmark(9, WeekNumber(1431));
    EXPECT_TRUE(table.is_available(9, WeekNumber(1431)));
}

TEST_F(UnavailableWeeksTest, UnmarkEmptiesEveryCopyOfThePair) {
    write_bytes(dir / "blackout.dat", concat({away(5, 1401), away(6, 1401)}));
    table.load(folder, kToday);
    table.mark(7, WeekNumber(1399));
    table.unmark(5, WeekNumber(1401));
    table.unmark(5, WeekNumber(1500));  // not there: nothing else changes
    EXPECT_EQ(pairs(table), (std::vector<std::pair<int, int>>{{0, 0}, {6, 1401}, {7, 1399}}));
    EXPECT_TRUE(table.is_available(5, WeekNumber(1401)));
}

TEST_F(UnavailableWeeksTest, WeeksOfABrotherInTableOrderUpToALimit) {
    FixtureBytes file;
    for (int k = 0; k < 60; ++k)
        file.append(away(5, static_cast<std::uint16_t>(1500 - k)));
    file.append(away(6, 1450));
    file.write_to(dir / "blackout.dat");
    table.load(folder, kToday);
    const auto all = table.weeks_of(5);
    ASSERT_EQ(all.size(), 55u);
    EXPECT_EQ(all.front(), WeekNumber(1500));
    EXPECT_EQ(all.back(), WeekNumber(1446));
    EXPECT_EQ(table.weeks_of(5, 2), (std::vector<WeekNumber>{WeekNumber(1500), WeekNumber(1499)}));
    EXPECT_EQ(table.weeks_of(6), std::vector<WeekNumber>{WeekNumber(1450)});
    EXPECT_TRUE(table.weeks_of(0).empty());
}

TEST_F(UnavailableWeeksTest, SaveWritesOnlyAfterAChangeAndLeavesEmptiedEntriesOut) {
    const auto original = concat({away(5, 1300), away(5, 1401), away(6, 1402), away(5, 1403)});
    write_bytes(dir / "blackout.dat", original);
    table.load(folder, kToday);
    EXPECT_TRUE(table.save(folder));
    EXPECT_EQ(read_bytes(dir / "blackout.dat"), original);  // unchanged: past week 1300 stays

    table.remove_brother(5);
    EXPECT_TRUE(table.changed());
    EXPECT_TRUE(table.is_available(5, WeekNumber(1403)));
    table.mark(7, WeekNumber(1405));
    ASSERT_TRUE(table.save(folder));
    EXPECT_FALSE(table.changed());
    EXPECT_EQ(read_bytes(dir / "blackout.dat"), concat({away(7, 1405), away(6, 1402)}));
}

TEST_F(UnavailableWeeksTest, UnmarkingTheLastWeekEmptiesTheFile) {
    write_bytes(dir / "blackout.dat", away(5, 1401).bytes());
    table.load(folder, kToday);
    table.unmark(5, WeekNumber(1401));
    ASSERT_TRUE(table.save(folder));
    EXPECT_TRUE(read_bytes(dir / "blackout.dat").empty());
}

TEST_F(UnavailableWeeksTest, NothingIsCreatedForAnEmptyTableAndAFailedWriteKeepsTheMark) {
    table.load(folder, kToday);
    table.remove_brother(5);
    EXPECT_TRUE(table.save(folder));
    EXPECT_FALSE(std::filesystem::exists(dir / "blackout.dat"));

    table.mark(5, WeekNumber(1401));
    std::filesystem::create_directory(dir / "blackout.dat");
    EXPECT_FALSE(table.save(folder));
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(table.changed());
}

// The table keeps indexes to answer without scanning; whatever is marked and unmarked, it
// must give what a scan of the table from the top gives.
TEST_F(UnavailableWeeksTest, IndexedTableAnswersAsAScanFromTheTop) {
    // Past weeks (below W - 1) in the file are dropped at load; marking one makes a reusable
    // entry, as does unmarking.
    write_bytes(folder.file(files::kUnavailable),
                concat({away(1, 1405), away(2, 1401), away(1, 1410), away(3, 1405)}));
    table.load(folder, kToday);
    std::vector<UnavailableRecord> scan = table.entries();
    const auto scan_mark = [&](std::uint16_t b, int w) {
        const UnavailableRecord pair{b, WeekNumber(w)};
        for (UnavailableRecord& e : scan) {
            if (e.ua_brother_id == 0 || e.ua_week < kToday - 1) {
                e = pair;
                return;
            }
            if (e == pair) return;
        }
        scan.push_back(pair);
    };
    const auto scan_unmark = [&](std::uint16_t b, int first, int last) {
        for (UnavailableRecord& e : scan) {
            if (e.ua_brother_id == b && e.ua_week.value >= first && e.ua_week.value <= last)
                e = UnavailableRecord{};
        }
    };
    std::uint32_t seed = 20261207;
    const auto next = [&seed](int n) {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<int>((seed >> 8) % static_cast<std::uint32_t>(n));
    };
    for (int step = 0; step < 3000; ++step) {
        const auto b = static_cast<std::uint16_t>(1 + next(6));
        const int w = 1395 + next(30);
        switch (next(5)) {
            case 0:
            case 1:
                table.mark(b, WeekNumber(w));
                scan_mark(b, w);
                break;
            case 2:
                table.unmark(b, WeekNumber(w));
                scan_unmark(b, w, w);
                break;
            case 3: {
                const int last = w + next(6);
                table.unmark_range(b, WeekNumber(w), WeekNumber(last));
                scan_unmark(b, w, last);
                break;
            }
            default:
                table.remove_brother(b);
                scan_unmark(b, 0, 65535);
                break;
        }
        ASSERT_EQ(table.entries(), scan) << "step " << step;
        std::vector<WeekNumber> his;
        for (const UnavailableRecord& e : scan) {
            if (e.ua_brother_id == b) his.push_back(e.ua_week);
        }
        ASSERT_EQ(table.weeks_of(b, 1000), his);
        ASSERT_EQ(table.is_available(b, WeekNumber(w)),
                  std::find(his.begin(), his.end(), WeekNumber(w)) == his.end());
    }
}
