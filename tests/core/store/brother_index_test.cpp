#include <gtest/gtest.h>

#include "core/store/brother_index.h"
#include "support/fixture_bytes.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;

namespace {

FixtureBytes brother(std::uint16_t id, std::string_view first, std::string_view last) {
    FixtureBytes r(256);
    r.text(0, first).text(20, last).u16(204, id);
    return r;
}

FixtureBytes extra(std::uint16_t owner, std::string_view phone2, std::string_view email = {}) {
    FixtureBytes r(128);
    r.u16(0, owner).text(2, phone2).text(34, email);
    return r;
}

struct BrotherTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    DataFolder folder{dir.path(), prompter};
    vorla::text::NameCollator order{"rus"};
    BrotherIndex index;

    static BrotherRecord named(std::string_view first, std::string_view last) {
        BrotherRecord r;
        r.first_name = std::string(first);
        r.last_name = std::string(last);
        return r;
    }
};

}  // namespace

TEST_F(BrotherTest, NewFolderCreatesBothFiles) {
    index.load(folder, order);
    EXPECT_EQ(read_bytes(dir / "speakers.dat"), std::vector<std::uint8_t>(256, 0));
    EXPECT_EQ(read_bytes(dir / "xtend.dat"), std::vector<std::uint8_t>(128, 0));
    EXPECT_EQ(index.extras().count(), 1);
}

TEST_F(BrotherTest, EveryFieldAtItsOffset) {
    FixtureBytes rec = brother(1, "Иван", "Петров");
    rec.text(40, "ул. Мира, 5")
        .text(80, "кв. 12")
        .text(120, "8-900-123")
        .u8(136, 0x01)
        .u8(137, 0x01)  // talks 1 and 9
        .u8(200, 0x22)  // elder, discontinued
        .u8(201, 0x12)  // outgoing speakers and readers
        .u16(202, 4)
        .u16(206, 1)
        .u8(170, 0x5A);  // a reserved byte
    write_bytes(dir / "speakers.dat", concat({FixtureBytes(256), rec}));
    write_bytes(dir / "xtend.dat", extra(1, "222-33-44", "ivan@example.org").bytes());
    index.load(folder, order);
    const auto r = index.read(folder, 0);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->address1, "ул. Мира, 5");
    EXPECT_EQ(r->address2, "кв. 12");
    EXPECT_EQ(r->phone, "8-900-123");
    EXPECT_EQ(r->talks.talks(), (std::vector<int>{1, 9}));
    EXPECT_EQ(r->talks.count(), 2);
    EXPECT_EQ(r->office(), Office::elder);
    EXPECT_TRUE(r->discontinued());
    EXPECT_EQ(r->roles, BrotherRecord::kRoleOutgoing | BrotherRecord::kRoleReader);
    EXPECT_EQ(r->cong_id, 4);
    const BrotherEntry& e = index.at(0);
    EXPECT_TRUE(e.elder());
    EXPECT_FALSE(e.ministerial_servant());
    EXPECT_TRUE(e.discontinued());
    EXPECT_EQ(e.last_first(), "Петров, Иван");
    EXPECT_EQ(index.name_of(1), "Иван Петров");
    const BrotherExtraRecord x = index.read_extra(folder, *r);
    EXPECT_EQ(x.phone2, "222-33-44");
    EXPECT_EQ(x.email, "ivan@example.org");
    ASSERT_TRUE(index.write(folder, *r));
    EXPECT_EQ(read_bytes(dir / "speakers.dat"), concat({FixtureBytes(256), rec}));
}

TEST_F(BrotherTest, SameLastNameInOtherCaseOrdersByFirstName) {
    write_bytes(dir / "speakers.dat",
                concat({FixtureBytes(256), brother(1, "Яков", "ПЕТРОВ"),
                        brother(2, "Антон", "петров"), brother(3, "Борис", "Авдеев")}));
    index.load(folder, order);
    EXPECT_EQ(index.at(0).brother_id, 3);
    EXPECT_EQ(index.at(1).brother_id, 2);
    EXPECT_EQ(index.at(2).brother_id, 1);
    EXPECT_EQ(index.find_by_display_name("петров, Антон"), 1u);
    EXPECT_FALSE(index.find_by_display_name("Петров, Антон"));
    EXPECT_EQ(index.display_name(0, false), "Борис Авдеев");
    EXPECT_EQ(index.display_name(9, true), "");
}

TEST_F(BrotherTest, HeaderSlotIsNeverEnteredNorWritten) {
    // A header with an id must not become a brother.
    write_bytes(dir / "speakers.dat",
                concat({brother(0, "Заголовок", "").u16(204, 7), brother(1, "А", "Б")}));
    index.load(folder, order);
    EXPECT_EQ(index.size(), 1u);
    BrotherRecord r = named("Кто", "То");
    EXPECT_FALSE(index.write(folder, r));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text.rfind(
                  "Внутренняя ошибка: программа не может выполнить это действие.", 0),
              0u);
    EXPECT_EQ(read_bytes(dir / "speakers.dat").size(), 512u);
}

TEST_F(BrotherTest, AddWritesExtraOnlyWhenItHasTexts) {
    index.load(folder, order);
    const auto a = index.add(folder, named("Олег", "Смирнов"), BrotherExtraRecord{});
    ASSERT_EQ(a, 1);
    EXPECT_EQ(index.at(0).xtend_no, 0);
    BrotherExtraRecord x;
    x.note = "  только по субботам";
    const auto b = index.add(folder, named("Пётр", "Орлов"), x);
    ASSERT_EQ(b, 2);
    // Record 1 of xtend.dat is the zero record made with the file: it is free, so it is used.
    EXPECT_EQ(index.at(*index.find(2)).xtend_no, 1);
    FixtureBytes expected(128);
    expected.u16(0, 2).text(82, "  только по субботам");
    EXPECT_EQ(read_bytes(dir / "xtend.dat"), expected.bytes());
    EXPECT_EQ(index.high_water(), 3);
}

TEST_F(BrotherTest, ClearingAllExtraTextsFreesTheNumberForTheNextBrother) {
    write_bytes(dir / "speakers.dat",
                concat({FixtureBytes(256), brother(1, "Иван", "Петров").u16(206, 2)}));
    write_bytes(dir / "xtend.dat", concat({extra(9, "111-11-11"), extra(1, "222-22-22")}));
    index.load(folder, order);
    BrotherRecord r = *index.read(folder, 0);
    ASSERT_TRUE(index.update(folder, r, BrotherExtraRecord{}));
    EXPECT_EQ(index.at(0).xtend_no, 0);
    EXPECT_EQ(index.read(folder, 0)->xtend_no, 0);
    const auto file = read_bytes(dir / "xtend.dat");
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin() + 128, file.end()),
              std::vector<std::uint8_t>(128, 0));
    BrotherExtraRecord x;
    x.phone3 = "333-33-33";
    const auto id = index.add(folder, named("Сергей", "Волков"), x);
    EXPECT_EQ(index.at(*index.find(*id)).xtend_no, 2);
}

TEST_F(BrotherTest, ExtraOfSomeoneElseIsTreatedAsAbsent) {
    write_bytes(dir / "speakers.dat",
                concat({FixtureBytes(256), brother(1, "Иван", "Петров").u16(206, 1)}));
    write_bytes(dir / "xtend.dat", extra(5, "999").bytes());
    index.load(folder, order);
    const BrotherRecord r = *index.read(folder, 0);
    EXPECT_EQ(index.read_extra(folder, r), BrotherExtraRecord{});
    // Saving him with texts gives him a new record; the other owner's record stays.
    BrotherExtraRecord x;
    x.email = "p@q.ru";
    ASSERT_TRUE(index.update(folder, r, x));
    EXPECT_EQ(index.at(0).xtend_no, 2);
    EXPECT_EQ(read_bytes(dir / "xtend.dat"), concat({extra(5, "999"), extra(1, "", "p@q.ru")}));
}

TEST_F(BrotherTest, DeletedSlotIsReusedLowestFirst) {
    write_bytes(dir / "speakers.dat",
                concat({FixtureBytes(256), brother(1, "А", "А"), brother(2, "Б", "Б"),
                        brother(3, "В", "В"), brother(4, "Г", "Г"), brother(5, "Д", "Д")}));
    index.load(folder, order);
    ASSERT_TRUE(index.remove(folder, *index.find(5)));
    EXPECT_EQ(index.add(folder, named("Е", "Е"), {}), 5);
    ASSERT_TRUE(index.remove(folder, *index.find(2)));
    EXPECT_EQ(index.add(folder, named("Ж", "Ж"), {}), 2);
}

TEST_F(BrotherTest, DuplicatesCompareFirstLastIgnoringCase) {
    index.load(folder, order);
    index.add(folder, named("Иван", "Петров"), {});
    const DuplicateCheck d = index.check_duplicate("иван ПЕТРОВ", std::nullopt);
    ASSERT_TRUE(d.found());
    EXPECT_EQ(d.message, "Иван Петров дублирующее имя.\n\nПерезаписать новой информацией?");
    EXPECT_FALSE(index.check_duplicate("Иван Петров", 0).found());
}

TEST_F(BrotherTest, OldExtraFileIsConvertedOnce) {
    FixtureBytes old(96);
    old.u16(0, 3).text(2, "123-45-67").text(18, "765-43-21").text(34, "old@mail.ru");
    FixtureBytes old2(96);
    old2.u16(0, 4).text(34, "x@y.z");
    auto bytes = concat({old, old2});
    bytes.resize(bytes.size() + 50, 0x7F);  // a partial record is ignored
    write_bytes(dir / "extend.dat", bytes);
    ASSERT_TRUE(ExtraFile::convert_old_file(folder));
    FixtureBytes n1(128);
    n1.u16(0, 3).text(2, "123-45-67").text(18, "765-43-21").text(34, "old@mail.ru");
    FixtureBytes n2(128);
    n2.u16(0, 4).text(34, "x@y.z");
    EXPECT_EQ(read_bytes(dir / "xtend.dat"), concat({n1, n2}));
    EXPECT_TRUE(std::filesystem::exists(dir / "extend.dat"));
    // With xtend.dat present nothing happens again.
    EXPECT_FALSE(ExtraFile::convert_old_file(folder));
}

TEST_F(BrotherTest, EmptyOldExtraFileIsNotConverted) {
    write_bytes(dir / "extend.dat", std::vector<std::uint8_t>(95, 1));
    EXPECT_FALSE(ExtraFile::convert_old_file(folder));
    EXPECT_FALSE(std::filesystem::exists(dir / "xtend.dat"));
}
