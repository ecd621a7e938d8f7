#include <gtest/gtest.h>

#include "core/store/congregation_index.h"
#include "support/fixture_bytes.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;
using vorla::calendar::StoredDay;
using vorla::calendar::WeekIndex;

namespace {

// A congregation record laid out field by field.
FixtureBytes congregation(std::uint16_t id, std::string_view name) {
    FixtureBytes r(256);
    r.text(0, name).u16(174, id);
    return r;
}

struct CongregationTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    DataFolder folder{dir.path(), prompter};
    vorla::text::NameCollator order{"rus"};
    CongregationIndex index;

    CongregationRecord named(std::string_view name) {
        CongregationRecord r;
        r.name = std::string(name);
        return r;
    }
};

}  // namespace

TEST_F(CongregationTest, NewFolderGetsHeaderAndFirstCongregationAtSlotOne) {
    index.load(folder, order);
    EXPECT_EQ(read_bytes(dir / "cong.dat"), std::vector<std::uint8_t>(256, 0));
    EXPECT_TRUE(index.empty());
    const auto id = index.add(folder, named("Центральное"));
    ASSERT_EQ(id, 1);
    const auto file = read_bytes(dir / "cong.dat");
    ASSERT_EQ(file.size(), 512u);
    FixtureBytes expected(256);
    expected.append(congregation(1, "Центральное"));
    EXPECT_EQ(file, expected.bytes());
    EXPECT_TRUE(prompter.messages.empty());
}

TEST_F(CongregationTest, DeletedSlotIsZeroedAndItsIdGivenAgain) {
    write_bytes(dir / "cong.dat", concat({FixtureBytes(256), congregation(1, "Альфа"),
                                          congregation(2, "Бета"), congregation(3, "Гамма")}));
    index.load(folder, order);
    ASSERT_EQ(index.size(), 3u);
    EXPECT_EQ(index.high_water(), 4);
    ASSERT_TRUE(index.remove(folder, *index.find(2)));
    auto file = read_bytes(dir / "cong.dat");
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 512, file.begin() + 768),
              std::vector<std::uint8_t>(256, 0));
    EXPECT_FALSE(index.find(2));
    EXPECT_EQ(index.add(folder, named("Дельта")), 2);
    EXPECT_EQ(index.add(folder, named("Эпсилон")), 4);
    EXPECT_EQ(read_bytes(dir / "cong.dat").size(), 5u * 256);
}

TEST_F(CongregationTest, EveryFieldAtItsOffsetAndReservedBytesKept) {
    FixtureBytes rec = congregation(1, "Северное");
    rec.text(50, "ул. Ленина, 1")
        .text(91, "г. Тула")
        .text(132, "123-45-67")
        .text(148, "765-43-21")
        .text(164, "10:00")
        .u16(178, 30002)
        .u16(182, 7)
        .u16(184, 8)
        .u16(186, 9)
        .text(188, "18:30")
        .text(198, "karta.jpg")
        .u8(226, 0)
        .u8(227, 6)
        .u8(176, 0xAB)
        .u8(180, 0xCD)
        .u8(228, 0xEF)
        .u8(255, 0x11);  // reserved bytes
    write_bytes(dir / "cong.dat", concat({FixtureBytes(256), rec}));
    index.load(folder, order);
    const auto r = index.read(folder, 0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->hall_address1, "ул. Ленина, 1");
    EXPECT_EQ(r->hall_address2, "г. Тула");
    EXPECT_EQ(r->phone1, "123-45-67");
    EXPECT_EQ(r->phone2, "765-43-21");
    EXPECT_EQ(r->time_odd, "10:00");
    EXPECT_EQ(r->time_even, "18:30");
    EXPECT_EQ(r->circuit_id, 30002);
    EXPECT_EQ(r->cobe_id, 7);
    EXPECT_EQ(r->secretary_id, 8);
    EXPECT_EQ(r->talk_coord_id, 9);
    EXPECT_EQ(r->map_file, "karta.jpg");
    EXPECT_EQ(r->day_odd, StoredDay(0));
    EXPECT_EQ(r->day_even, StoredDay(6));
    const CongregationEntry& e = index.at(0);
    EXPECT_EQ(e.talk_coord_id, 9);
    EXPECT_EQ(e.time_even, "18:30");
    // Writing it back unchanged gives the same bytes, reserved ones included.
    ASSERT_TRUE(index.write(folder, *r));
    EXPECT_EQ(read_bytes(dir / "cong.dat"), concat({FixtureBytes(256), rec}));
}

TEST_F(CongregationTest, DamagedRecordsAreSkippedAndNeverOverwritten) {
    // Slot 2 claims id 5; the file ends in half a record.
    auto file = concat({FixtureBytes(256), congregation(1, "Альфа"), congregation(5, "Чужая")});
    file.resize(file.size() + 100, 0x33);
    write_bytes(dir / "cong.dat", file);
    index.load(folder, order);
    ASSERT_EQ(index.size(), 1u);
    EXPECT_EQ(index.high_water(), 3);
    EXPECT_FALSE(index.find(5));
    // The damaged slot is not free (its id is not 0): the new congregation goes past it.
    EXPECT_EQ(index.add(folder, named("Новая")), 3);
    const auto after = read_bytes(dir / "cong.dat");
    EXPECT_EQ(std::vector<std::uint8_t>(after.begin() + 512, after.begin() + 768),
              congregation(5, "Чужая").bytes());
}

TEST_F(CongregationTest, IndexSortedByNameAndLookups) {
    write_bytes(dir / "cong.dat",
                concat({FixtureBytes(256), congregation(1, "Южное"), congregation(2, "  Восточное"),
                        congregation(3, "западное")}));
    index.load(folder, order);
    EXPECT_EQ(index.at(0).cong_id, 2);
    EXPECT_EQ(index.at(1).cong_id, 3);
    EXPECT_EQ(index.at(2).cong_id, 1);
    EXPECT_EQ(index.name_of(3), "западное");
    EXPECT_EQ(index.name_of(0), "");
    EXPECT_EQ(index.name_of(77), "");
    EXPECT_EQ(index.titled_name_of(1), "Собрание - Южное");
    // A record changed behind the program's back reads as not found.
    write_bytes(dir / "cong.dat",
                concat({FixtureBytes(256), congregation(0, ""), congregation(2, "Восточное"),
                        congregation(3, "Западное")}));
    EXPECT_FALSE(index.read(folder, 2));
    EXPECT_TRUE(index.read(folder, 1));
}

TEST_F(CongregationTest, DuplicateNamesIgnoreCase) {
    index.load(folder, order);
    index.add(folder, named("Лесное"));
    index.add(folder, named("Речное"));
    index.sort(order);
    const DuplicateCheck adding = index.check_duplicate("ЛЕСНОЕ", std::nullopt);
    ASSERT_TRUE(adding.found());
    EXPECT_EQ(*adding.position, 0u);
    EXPECT_EQ(adding.message, "Лесное дублирующее имя.\n\nПерезаписать новой информацией?");
    const DuplicateCheck editing = index.check_duplicate("лесное", 1);
    EXPECT_EQ(editing.message, "Лесное дублирующее имя.\n\n");
    EXPECT_FALSE(index.check_duplicate("лесное", 0).found());
}

TEST_F(CongregationTest, MeetingTimeAndDayFollowTheWeeksParity) {
    FixtureBytes rec = congregation(1, "Озёрное");
    rec.text(164, "10:00").text(188, "17:00").u8(226, 0).u8(227, 3);
    write_bytes(dir / "cong.dat", concat({FixtureBytes(256), rec}));
    index.load(folder, order);
    // 2027 weeks are odd, 2026 weeks even; 27 December 2027 already counts as 2028.
    const auto week_of = [](int yy, int mm, int dd) {
        return vorla::calendar::week_of_date({yy, mm, dd}).index();
    };
    EXPECT_EQ(index.meeting_time(1, week_of(27, 3, 1), false), "10:00");
    EXPECT_EQ(index.meeting_time(1, week_of(26, 3, 2), false), "17:00");
    EXPECT_EQ(index.meeting_time(1, week_of(27, 12, 27), false), "17:00");
    EXPECT_EQ(index.meeting_day(1, week_of(27, 3, 1), false), StoredDay(0));
    EXPECT_EQ(index.meeting_day(1, week_of(26, 3, 2), false), StoredDay(3));
    EXPECT_FALSE(index.meeting_day(9, week_of(26, 3, 2), false));
}

TEST_F(CongregationTest, UnwritableFileIsReportedWithItsFullPath) {
    index.load(folder, order);
    index.add(folder, named("Первое"));
    std::filesystem::remove(dir / "cong.dat");
    std::filesystem::create_directory(dir / "cong.dat");
    CongregationRecord r = named("Первое");
    r.cong_id = 1;
    r.phone1 = "555";
    EXPECT_FALSE(index.write(folder, r));
    ASSERT_FALSE(prompter.messages.empty());
    EXPECT_EQ(prompter.messages.back().text,
              "Невозможно создать новый файл: " + (dir / "cong.dat").string() +
                  ".\nСнимите атрибут 'только чтение'с директории / файла или получите разрешение "
                  "создать файлы в этой директории.\n\nПричина: " +
                  "это папка, а не файл.");
    EXPECT_EQ(index.at(0).name, "Первое");
}
