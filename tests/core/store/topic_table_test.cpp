#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "core/store/topic_table.h"
#include "support/fixture_bytes.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;

namespace {

FixtureBytes topic(std::string_view name, std::uint16_t id) {
    return FixtureBytes(48).text(0, name).u16(46, id);
}

std::vector<std::uint16_t> ids(const TopicTable& t) {
    std::vector<std::uint16_t> out;
    for (const TopicRecord& r : t.entries())
        out.push_back(r.topic_id);
    return out;
}

struct TopicTableTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    DataFolder folder{dir.path(), prompter};
    vorla::text::NameCollator order{"rus"};
    TopicTable topics;
};

}  // namespace

TEST_F(TopicTableTest, MissingFileGivesTheTenDefaultTopicsInNameOrder) {
    topics.load(folder, order);
    EXPECT_EQ(ids(topics), (std::vector<std::uint16_t>{1, 4, 9, 10, 7, 3, 8, 5, 2, 6}));
    EXPECT_EQ(topics.name_of(2), "Христианские нормы / Качества");
    EXPECT_EQ(topics.name_of(10), "Мир, не от мира");
    EXPECT_FALSE(std::filesystem::exists(dir / "topic.dat"));

    ASSERT_TRUE(topics.save(folder));
    EXPECT_EQ(read_bytes(dir / "topic.dat"),
              concat({topic("Библия / Бог", 1), topic("Вера / Духовность", 4),
                      topic("Испытания / Трудности", 9), topic("Мир, не от мира", 10),
                      topic("Последние дни / Божий суд", 7), topic("Проповедь / Служение", 3),
                      topic("Религия / Поклонение", 8), topic("Семья / Молодежь", 5),
                      topic("Христианские нормы / Качества", 2), topic("Царство / Рай", 6)}));
}

TEST_F(TopicTableTest, LoadedTopicsAreSortedIgnoringCaseAndBlanksKeepingEqualNamesInOrder) {
    auto file =
        concat({topic("яблоки", 3), topic("Арбуз", 12), topic("  арбуз", 2), topic("Вишня", 40)});
    file.resize(file.size() + 30, 0x41);  // a partial last record is not a topic
    write_bytes(dir / "topic.dat", file);
    topics.load(folder, order);
    EXPECT_EQ(ids(topics), (std::vector<std::uint16_t>{12, 2, 40, 3}));
    EXPECT_EQ(topics.find_by_id(40), 3u);
    EXPECT_EQ(topics.find_by_id(0), 0u);
    EXPECT_EQ(topics.find_by_id(41), 0u);
    EXPECT_EQ(topics.name_of(41), "");
}

TEST_F(TopicTableTest, NewTopicsTakeTheSmallestFreeId) {
    topics.load(folder, order);
    EXPECT_EQ(topics.add("Молитва", order).id, 11);
    topics.remove(topics.find_by_id(4) - 1);
    EXPECT_EQ(topics.add("Надежда", order).id, 4);
    EXPECT_EQ(topics.add("Любовь", order).id, 12);

    FixtureBytes full;
    for (int id = 1; id <= 99; ++id)
        full.append(topic("тема " + std::to_string(id), static_cast<std::uint16_t>(id)));
    full.write_to(dir / "topic.dat");
    topics.load(folder, order);
    EXPECT_EQ(topics.add("сотая", order).id, 100);
}

TEST_F(TopicTableTest, AddAndRenameTrimNamesAndRefuseDuplicatesWithTheNotice) {
    topics.load(folder, order);
    const NameChange added = topics.add("  Молитва  ", order);
    ASSERT_TRUE(added.done);
    EXPECT_EQ(topics.name_of(added.id), "Молитва");

    const NameChange dup = topics.add("библия / бог", order);
    EXPECT_FALSE(dup.done);
    EXPECT_EQ(dup.duplicate_notice, "Библия / Бог дублирующее имя.\n\n");
    EXPECT_EQ(topics.size(), 11u);

    const NameChange empty = topics.add("   ", order);
    EXPECT_FALSE(empty.done);
    EXPECT_EQ(empty.duplicate_notice, "");

    const std::size_t pos = topics.find_by_id(1) - 1;
    EXPECT_TRUE(topics.rename(pos, "БИБЛИЯ / БОГ", order).done);  // its own name, other case
    const NameChange clash = topics.rename(topics.find_by_id(1) - 1, "молитва", order);
    EXPECT_FALSE(clash.done);
    EXPECT_EQ(clash.duplicate_notice, "Молитва дублирующее имя.\n\n");
    const NameChange renamed = topics.rename(topics.find_by_id(1) - 1, "Я - последняя", order);
    EXPECT_EQ(renamed.id, 1);
    EXPECT_EQ(topics.entries().back().topic_id, 1);  // re-sorted
}

TEST_F(TopicTableTest, EmptyTableLeavesTheFileAndWriteFailureIsReported) {
    write_bytes(dir / "topic.dat", topic("Одна", 5).bytes());
    topics.load(folder, order);
    topics.remove(0);
    EXPECT_TRUE(topics.save(folder));
    EXPECT_EQ(read_bytes(dir / "topic.dat"), topic("Одна", 5).bytes());

    topics.add("Другая", order);
    std::filesystem::remove(dir / "topic.dat");
    std::filesystem::create_directory(dir / "topic.dat");
    EXPECT_FALSE(topics.save(folder));
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(topics.size(), 1u);
}
