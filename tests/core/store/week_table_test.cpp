#include <gtest/gtest.h>

#include <filesystem>

#include "core/calendar/week_window.h"
#include "core/store/week_table.h"
#include "support/fixture_bytes.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;
using vorla::calendar::WeekIndex;
using vorla::calendar::WeekNumber;

namespace {

// A week record with content: its week number, a talk and bit 0.
FixtureBytes week(std::uint16_t number, std::uint16_t talk_no = 0, std::uint16_t flags = 1) {
    return FixtureBytes(64).u16(0, number).u16(4, talk_no).u16(20, flags);
}

struct WeekTableTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    DataFolder folder{dir.path(), prompter};
};

}  // namespace

TEST(WeekRecord, EveryFieldHasItsOffset) {
    FixtureBytes b(64);
    b.u16(0, 901).u16(2, 12).u16(4, 45).u16(6, 7).u16(8, 900).u16(10, 899).u16(12, 898);
    b.u16(14, 13).u16(16, 14).u16(18, 30005).u16(20, 0x35).raw(22, "\x01\x02\x03\x04\x05\x06");
    for (int k = 0; k < 6; ++k) {
        b.u16(28 + 2 * k, static_cast<std::uint16_t>(100 + k));
        b.u16(40 + 2 * k, static_cast<std::uint16_t>(200 + k));
        b.u16(52 + 2 * k, static_cast<std::uint16_t>(231 + k));
    }
    const WeekRecord w =
        WeekRecord::decode(std::span<const std::uint8_t, 64>(b.bytes().data(), 64));
    EXPECT_EQ(w.week, WeekNumber(901));
    EXPECT_EQ(w.speaker_id, 12);
    EXPECT_EQ(w.talk_no, 45);
    EXPECT_EQ(w.speaker_cong_id, 7);
    EXPECT_EQ(w.requested, 900);
    EXPECT_EQ(w.confirmed, 899);
    EXPECT_EQ(w.reminded, 898);
    EXPECT_EQ(w.chairman_id, 13);
    EXPECT_EQ(w.reader_id, 14);
    EXPECT_EQ(w.host_id, 30005);
    EXPECT_EQ(w.week_flags, 0x35);
    EXPECT_EQ(w.out_speaker_id[5], 105);
    EXPECT_EQ(w.out_cong_id[0], 200);
    EXPECT_EQ(w.out_talk_no[3], 234);
    const auto encoded = w.encode();
    EXPECT_EQ(std::vector<std::uint8_t>(encoded.begin(), encoded.end()),
              b.bytes());  // reserved kept
}

TEST(WeekRecord, FlagsNameTheEventAndItsAllowances) {
    WeekRecord w;
    EXPECT_FALSE(w.is_special());
    EXPECT_EQ(w.event_kind(), EventKind::none);
    w.week_flags = 0x01 | 0x04 | 0x10 | 0x20;  // overseer visit keeping chairman and hospitality
    EXPECT_TRUE(w.is_special());
    EXPECT_EQ(w.event_kind(), EventKind::overseer_visit);
    EXPECT_TRUE(w.keeps_chairman());
    EXPECT_TRUE(w.keeps_hospitality());
    EXPECT_FALSE(w.keeps_reader());
    w.week_flags = 0x40 | 0x08;
    EXPECT_EQ(w.event_kind(), EventKind::other);
    EXPECT_TRUE(w.keeps_reader());
    EXPECT_EQ(event_kind(0x02 | 0x08), EventKind::convention);  // damaged: the lowest kind wins
}

TEST_F(WeekTableTest, TheWindowOf2026HoldsIndexes884To1883) {
    WeekTable weeks(vorla::calendar::week_window_base(2026));
    EXPECT_EQ(weeks.first(), WeekIndex(884));
    EXPECT_EQ(weeks.last(), WeekIndex(1883));
    EXPECT_EQ(weeks.at(WeekIndex(884)).week, WeekNumber(885));
    EXPECT_EQ(weeks.at(WeekIndex(1883)).week, WeekNumber(1884));
    EXPECT_EQ(weeks.at(WeekIndex(1000)).week_flags, 0);
    // Outside the window: the spare record, empty and numbered 0.
    EXPECT_EQ(weeks.at(WeekIndex(883)), WeekRecord{});
    EXPECT_EQ(weeks.at(WeekIndex(1884)), WeekRecord{});
}

TEST_F(WeekTableTest, LoadSkipsWeeksOutsideTheWindowAndOutOfOrderAndKeepsTheLaterOfTwo) {
    write_bytes(dir / "history.dat",
                concat({week(884, 1),                // index 883: before the window
                        week(885, 2),                // first week of the window
                        week(900, 3), week(900, 4),  // same week twice: the later counts
                        week(890, 5),                // out of ascending order
                        week(950, 6, 0),             // no content bit: loaded, but not saved again
                        week(1884, 7),               // last week of the window
                        week(1885, 8),               // beyond it
                        week(1000, 9)}));  // in the window, but after the cursor reached its end
    WeekTable weeks(884);
    weeks.load(folder);
    EXPECT_EQ(weeks.at(WeekIndex(884)).talk_no, 2);
    EXPECT_EQ(weeks.at(WeekNumber(900).index()).talk_no, 4);
    EXPECT_EQ(weeks.at(WeekNumber(890).index()).talk_no, 0);
    EXPECT_EQ(weeks.at(WeekNumber(890).index()).week, WeekNumber(890));
    EXPECT_EQ(weeks.at(WeekNumber(950).index()).talk_no, 6);
    EXPECT_EQ(weeks.at(WeekIndex(1883)).talk_no, 7);
    EXPECT_EQ(weeks.at(WeekNumber(1000).index()).talk_no, 0);
    EXPECT_EQ(weeks.at(WeekIndex(883)), WeekRecord{});

    ASSERT_TRUE(weeks.save(folder));
    EXPECT_EQ(read_bytes(dir / "history.dat"), concat({week(885, 2), week(900, 4), week(1884, 7)}));
}

TEST_F(WeekTableTest, LoadIgnoresAPartialRecordAndAMissingFileLeavesTheWeeksEmpty) {
    auto file = concat({week(5, 17)});
    file.resize(file.size() + 40, 0x06);  // would read as week 1542 with flags 0x0606
    write_bytes(dir / "history.dat", file);
    WeekTable weeks(0);
    weeks.load(folder);
    EXPECT_EQ(weeks.at(WeekIndex(4)).talk_no, 17);
    EXPECT_EQ(weeks.at(WeekIndex(5)).week_flags, 0);

    std::filesystem::remove(dir / "history.dat");
    weeks.load(folder);  // a reload starts from empty weeks
    EXPECT_EQ(weeks.at(WeekIndex(4)).talk_no, 0);
    EXPECT_EQ(weeks.at(WeekIndex(4)).week, WeekNumber(5));
    EXPECT_FALSE(std::filesystem::exists(dir / "history.dat"));
}

TEST_F(WeekTableTest, StoringSetsBitZeroOnceTheWeekDiffersFromAnEmptyOneAndNeverClearsIt) {
    WeekTable weeks(884);
    const WeekIndex i(900);
    weeks.store(i);
    EXPECT_EQ(weeks.at(i).week_flags, 0);  // untouched week: stays without content

    weeks.at(i).requested = 1;
    weeks.store(i);
    EXPECT_EQ(weeks.at(i).week_flags, 1);
    weeks.at(i).requested = 0;
    weeks.store(i);
    EXPECT_EQ(weeks.at(i).week_flags, 1);  // bit 0 itself differs from the empty record

    // A stray bit in the reserved bytes counts as content too.
    weeks.at(i + 1).reserved[5] = 0x80;
    weeks.store(i + 1);
    EXPECT_EQ(weeks.at(i + 1).week_flags, 1);

    // A dialog's copy keeps the entry's week number.
    WeekRecord copy;
    copy.week = WeekNumber(5);
    copy.chairman_id = 42;
    weeks.store(i + 2, copy);
    EXPECT_EQ(weeks.at(i + 2).week, (i + 2).number());
    EXPECT_EQ(weeks.at(i + 2).chairman_id, 42);
    EXPECT_EQ(weeks.at(i + 2).week_flags, 1);

    ASSERT_TRUE(weeks.save(folder));
    EXPECT_EQ(read_bytes(dir / "history.dat"),
              concat({week(901), week(902).raw(27, "\x80"), week(903).u16(14, 42)}));
}

TEST_F(WeekTableTest, WeeksOutsideTheWindowKeepNothing) {
    WeekTable weeks(884);
    weeks.at(WeekIndex(883)).speaker_id = 5;
    weeks.store(WeekIndex(883));
    EXPECT_EQ(weeks.at(WeekIndex(883)), WeekRecord{});
    weeks.at(WeekIndex(5000)).chairman_id = 6;  // written but never stored
    EXPECT_EQ(std::as_const(weeks).at(WeekIndex(10)), WeekRecord{});
    EXPECT_EQ(weeks.at(WeekIndex(5000)).chairman_id, 0);
    ASSERT_TRUE(weeks.save(folder));
    EXPECT_TRUE(read_bytes(dir / "history.dat").empty());
}

TEST_F(WeekTableTest, WriteFailureIsReportedAndTheWeeksStay) {
    WeekTable weeks(0);
    weeks.at(WeekIndex(3)).talk_no = 12;
    weeks.store(WeekIndex(3));
    std::filesystem::create_directory(dir / "history.dat");
    EXPECT_FALSE(weeks.save(folder));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_NE(prompter.messages[0].text.find("history.dat"), std::string::npos);
    EXPECT_EQ(weeks.at(WeekIndex(3)).talk_no, 12);
}
