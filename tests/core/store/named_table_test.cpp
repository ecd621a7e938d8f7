#include <gtest/gtest.h>

#include "core/store/named_table.h"
#include "support/fixture_bytes.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;

namespace {

FixtureBytes named(std::string_view name, std::uint16_t id) {
    return FixtureBytes(32).text(0, name).u16(30, id);
}

struct NamedTableTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    DataFolder folder{dir.path(), prompter};
    vorla::text::NameCollator order{"rus"};
};

}  // namespace

TEST_F(NamedTableTest, CircuitsLoadInFileOrderAndLookUpByIdAndName) {
    write_bytes(dir / "circuit.dat", concat({named("Южный", 30005), named("Восточный", 30002)}));
    NamedTable t(files::kCircuits, false);
    t.load(folder);
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t.at(0).name, "Южный");
    EXPECT_EQ(t.find_by_id(30002), 2u);
    EXPECT_EQ(t.find_by_id(0), 0u);
    EXPECT_EQ(t.find_by_id(31000), 0u);
    EXPECT_EQ(t.find_by_name("Восточный"), 30002);
    EXPECT_EQ(t.find_by_name("восточный"), 0);  // exact, letter case counts
    EXPECT_EQ(t.name_of(30005), "Южный");
    EXPECT_EQ(t.name_of(12), "");
}

TEST_F(NamedTableTest, NewIdsTakeTheLowestFreeNumberFrom30001) {
    NamedTable t(files::kCircuits, false);
    t.load(folder);
    EXPECT_EQ(t.add("Б", order).id, 30001);
    EXPECT_EQ(t.add("А", order).id, 30002);
    EXPECT_EQ(t.at(0).name, "А");  // sorted after each add
    t.remove(1);                   // "Б", id 30001
    EXPECT_EQ(t.add("В", order).id, 30001);
    ASSERT_TRUE(t.save(folder));
    EXPECT_EQ(read_bytes(dir / "circuit.dat"), concat({named("А", 30002), named("В", 30001)}));
}

TEST_F(NamedTableTest, WhenAllIdsAreTakenTheNextIs31000) {
    FixtureBytes file;
    for (int id = 30001; id <= 30999; ++id)
        file.append(named("c" + std::to_string(id), id));
    file.write_to(dir / "circuit.dat");
    NamedTable t(files::kCircuits, false);
    t.load(folder);
    EXPECT_EQ(t.add("последний", order).id, 31000);
}

TEST_F(NamedTableTest, DuplicateNamesAreRefusedWithTheNotice) {
    NamedTable t(files::kCircuits, false);
    t.add("Северный", order);
    t.add("Южный", order);
    const NameChange dup = t.add("СЕВЕРНЫЙ", order);
    EXPECT_FALSE(dup.done);
    EXPECT_EQ(dup.duplicate_notice, "Северный дублирующее имя.\n\n");
    EXPECT_EQ(t.size(), 2u);
    // Renaming to its own name in another case is not a duplicate; to another's name is.
    EXPECT_TRUE(t.rename(0, "северный", order).done);
    EXPECT_FALSE(t.rename(0, "южный", order).done);
    EXPECT_EQ(t.rename(1, "Западный", order).id, 30002);
}

TEST_F(NamedTableTest, HostsIgnoreTheTildeForDuplicatesButShowAndSortWithIt) {
    NamedTable t(files::kHosts, true);
    EXPECT_TRUE(t.add("~Ивановы", order).done);
    const NameChange dup = t.add("ивановы", order);
    EXPECT_FALSE(dup.done);
    EXPECT_EQ(dup.duplicate_notice, "~Ивановы дублирующее имя.\n\n");
    EXPECT_EQ(NamedTable::shown_name("~Ивановы", true), "Ивановы");
    EXPECT_EQ(NamedTable::shown_name("~Ивановы", false), "~Ивановы");
}

TEST_F(NamedTableTest, EmptyTableIsNotWrittenAndWriteFailureIsReported) {
    write_bytes(dir / "hospital.dat", named("Петровы", 30001).bytes());
    NamedTable t(files::kHosts, true);
    t.load(folder);
    t.remove(0);
    EXPECT_TRUE(t.save(folder));
    EXPECT_EQ(read_bytes(dir / "hospital.dat").size(), 32u);  // the old file stays

    t.add("Сидоровы", order);
    std::filesystem::create_directory(dir / "hospital.dat.blocker");
    // A folder where the file should be cannot be replaced.
    std::filesystem::remove(dir / "hospital.dat");
    std::filesystem::create_directory(dir / "hospital.dat");
    EXPECT_FALSE(t.save(folder));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text.rfind(
                  "Невозможно создать новый файл: " + (dir / "hospital.dat").string() + ".", 0),
              0u);
    EXPECT_EQ(t.size(), 1u);  // the change stays in memory
}

TEST_F(NamedTableTest, PartialLastRecordIsNotAnEntry) {
    auto bytes = concat({named("Один", 30001)});
    bytes.resize(32 + 20, 0x41);
    write_bytes(dir / "circuit.dat", bytes);
    NamedTable t(files::kCircuits, false);
    t.load(folder);
    EXPECT_EQ(t.size(), 1u);
}
