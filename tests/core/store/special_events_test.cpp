#include <gtest/gtest.h>

#include <filesystem>

#include "core/store/special_events.h"
#include "support/fixture_bytes.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;
using vorla::calendar::WeekIndex;
using vorla::calendar::WeekNumber;

namespace {

FixtureBytes event(std::uint16_t index, std::uint16_t flags, std::string_view title,
                   std::string_view talk_title = "") {
    return FixtureBytes(144).u16(0, index).u16(2, flags).text(4, title).text(44, talk_title);
}

SpecialEventRecord make_event(int index, std::uint16_t flags, std::string title = "Событие") {
    SpecialEventRecord e;
    e.event_week = WeekIndex(index);
    e.event_flags = flags;
    e.event_title = std::move(title);
    return e;
}

std::vector<int> weeks_of(const SpecialEvents& events) {
    std::vector<int> out;
    for (const SpecialEventRecord& e : events.entries())
        out.push_back(e.event_week.value);
    return out;
}

struct SpecialEventsTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    DataFolder folder{dir.path(), prompter};
    WeekTable weeks{884};
    SpecialEvents events;
};

}  // namespace

TEST(SpecialEventRecord, FieldsSitAtTheirOffsetsAndTheWeekIsAnIndex) {
    const FixtureBytes b = event(900, 0x34, "РН Визит", "Название речи визита");
    const auto e =
        SpecialEventRecord::decode(std::span<const std::uint8_t, 144>(b.bytes().data(), 144));
    EXPECT_EQ(e.event_week, WeekIndex(900));
    EXPECT_EQ(e.event_flags, 0x34);
    EXPECT_EQ(e.event_title, "РН Визит");
    EXPECT_EQ(e.event_talk_title, "Название речи визита");
    const auto encoded = e.encode();
    EXPECT_EQ(std::vector<std::uint8_t>(encoded.begin(), encoded.end()), b.bytes());
}

TEST_F(SpecialEventsTest, LoadKeepsTheStoredOrderAndFindsByWeek) {
    auto file = concat({event(950, 0x02, "Конгресс"), event(920, 0x08, "Особое событие")});
    file.resize(file.size() + 100, 0x07);
    write_bytes(dir / "special.dat", file);
    events.load(folder);
    EXPECT_EQ(weeks_of(events), (std::vector<int>{950, 920}));
    EXPECT_EQ(events.find_by_week(WeekIndex(920)), 2u);
    EXPECT_EQ(events.find_by_week(WeekIndex(921)), 0u);
}

TEST_F(SpecialEventsTest, StoringAddsInWeekOrderOrReplacesAndCopiesTheFlagsIntoTheWeek) {
    write_bytes(dir / "special.dat",
                concat({event(950, 0x02, "Конгресс"), event(920, 0x08, "Другое")}));
    events.load(folder);
    weeks.at(WeekIndex(930)).week_flags = 0x01;
    weeks.at(WeekIndex(930)).chairman_id = 9;

    events.store(make_event(930, 0x04 | 0x10), weeks);
    EXPECT_EQ(weeks_of(events), (std::vector<int>{920, 930, 950}));  // the whole table re-sorted
    EXPECT_EQ(weeks.at(WeekIndex(930)).week_flags, 0x15);
    EXPECT_EQ(weeks.at(WeekIndex(930)).chairman_id, 9);

    events.store(make_event(930, 0x02, "Конгресс в городе"), weeks);
    EXPECT_EQ(events.size(), 3u);
    EXPECT_EQ(events.at(1).event_title, "Конгресс в городе");
    EXPECT_EQ(weeks.at(WeekIndex(930)).week_flags, 0x03);  // the old allowance is gone

    // Only bits 1-6 of an event reach the week, with bit 0.
    events.store(make_event(960, 0xFF08), weeks);
    EXPECT_EQ(weeks.at(WeekIndex(960)).week_flags, 0x09);
    EXPECT_EQ(weeks.at(WeekIndex(959)).week_flags, 0);

    // An event outside the window is kept, its week is not.
    events.store(make_event(100, 0x02), weeks);
    EXPECT_EQ(events.find_by_week(WeekIndex(100)), 1u);
    EXPECT_EQ(weeks.at(WeekIndex(100)), WeekRecord{});
}

TEST_F(SpecialEventsTest, DeletingAnEventLeavesItsWeekWithItsOwnBitZeroOnly) {
    write_bytes(dir / "history.dat",
                concat({FixtureBytes(64).u16(0, 911).u16(14, 4).u16(20, 0x35),
                        FixtureBytes(64).u16(0, 921).u16(20, 0x14),  // an event bit without bit 0
                        FixtureBytes(64).u16(0, 931).u16(20, 0x03)}));
    weeks.load(folder);
    write_bytes(dir / "special.dat",
                concat({event(910, 0x34, "РН Визит"), event(920, 0x14, "РН Визит"),
                        event(930, 0x02, "Конгресс")}));
    events.load(folder);

    events.remove(0, weeks);
    EXPECT_EQ(weeks.at(WeekIndex(910)).week_flags, 1);
    EXPECT_EQ(weeks.at(WeekIndex(910)).chairman_id, 4);
    events.remove(0, weeks);
    EXPECT_EQ(weeks.at(WeekIndex(920)).week_flags, 0);
    EXPECT_EQ(weeks.at(WeekIndex(930)).week_flags, 0x03);  // no other week changes
    EXPECT_EQ(weeks_of(events), (std::vector<int>{930}));
    events.remove(5, weeks);  // no such position
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(SpecialEventsTest, ConflictsNameWhatTheEventWouldRemove) {
    WeekRecord w;
    w.chairman_id = 3;
    w.reader_id = 4;
    // An overseer visit that keeps the chairman removes only the reader.
    EXPECT_EQ(event_conflicts(w, 0x04 | 0x10), conflict::kReader);
    EXPECT_EQ(event_conflicts(w, 0x02), conflict::kChairman | conflict::kReader);
    EXPECT_EQ(event_conflicts(WeekRecord{}, 0x02), 0);

    w.talk_no = 15;  // the talk alone already counts as the visiting speaker
    w.host_id = 30002;
    w.requested = 880;
    w.out_speaker_id[0] = 7;
    const std::uint16_t all = event_conflicts(w, 0x02);
    EXPECT_EQ(all, conflict::kSpeaker | conflict::kChairman | conflict::kHost | conflict::kReader);
    EXPECT_EQ(event_conflicts(w, 0x08 | 0x10 | 0x20 | 0x40), conflict::kSpeaker);

    w.speaker_id = 11;
    w.speaker_cong_id = 12;
    WeekRecord cleared = w;
    apply_conflicts(cleared, conflict::kSpeaker | conflict::kReader);
    WeekRecord expected = w;
    expected.speaker_id = expected.talk_no = expected.speaker_cong_id = 0;
    expected.reader_id = 0;
    EXPECT_EQ(cleared, expected);  // outgoing speakers, stamps, chairman and host stay
    apply_conflicts(cleared, all);
    EXPECT_EQ(cleared.chairman_id, 0);
    EXPECT_EQ(cleared.host_id, 0);
    EXPECT_EQ(cleared.out_speaker_id[0], 7);
    EXPECT_EQ(cleared.requested, 880);
}

TEST_F(SpecialEventsTest, DefaultTitlesByKind) {
    EXPECT_EQ(default_event_title(0x02), "Конгресс");
    EXPECT_EQ(default_event_title(0x04 | 0x30), "РН Визит");
    EXPECT_EQ(default_event_title(0x08), "Особое событие");
    EXPECT_EQ(default_event_title(0x70), "");
}

TEST_F(SpecialEventsTest, SaveRewritesTheFileEvenWhenNoEventIsLeft) {
    events.load(folder);
    events.store(make_event(990, 0x08, "Открытие зала"), weeks);
    events.store(make_event(980, 0x02, "Конгресс"), weeks);
    ASSERT_TRUE(events.save(folder));
    EXPECT_EQ(read_bytes(dir / "special.dat"),
              concat({event(980, 0x02, "Конгресс"), event(990, 0x08, "Открытие зала")}));
    events.remove(0, weeks);
    events.remove(0, weeks);
    ASSERT_TRUE(events.save(folder));
    EXPECT_TRUE(std::filesystem::exists(dir / "special.dat"));
    EXPECT_TRUE(read_bytes(dir / "special.dat").empty());

    std::filesystem::remove(dir / "special.dat");
    std::filesystem::create_directory(dir / "special.dat");
    EXPECT_FALSE(events.save(folder));
    EXPECT_EQ(prompter.messages.size(), 1u);
}
