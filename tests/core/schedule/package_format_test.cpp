// The package's byte layout, read and written field by field.
#include <gtest/gtest.h>

#include "core/schedule/package_format.h"
#include "support/package_fixtures.h"

using namespace vorla;
using namespace vorla::testing;

namespace {

FixtureBytes full_congregation() {
    return package_congregation("Лесное", "Северный")
        .text(70, "ул. Лесная, 1")
        .text(111, "кв. 2")
        .text(152, "111")
        .text(168, "222")
        .text(314, "10:00")
        .text(324, "18:00");
}

FixtureBytes full_brother() {
    FixtureBytes b = package_brother("Иван", "Петров")
                         .text(70, "адрес 1")
                         .text(111, "адрес 2")
                         .text(152, "333")
                         .text(168, "444")
                         .text(184, "555")
                         .text(200, "i@p.ru")
                         .u8(312, 0x22)
                         .u8(313, 0xA6);
    package_talks(b, {1, 9, 256});
    return package_weeks(b, {1410, 1412, 0, 0, 0, 0, 0, 0, 0, 65535});
}

}  // namespace

TEST(PackageFormat, EveryFieldIsReadFromItsOffsetAndWrittenBackThere) {
    const auto bytes = concat({full_congregation(), full_brother()});
    const schedule::Package p = schedule::decode_package(bytes);
    EXPECT_EQ(p.congregation,
              (schedule::PackageCongregation{"Лесное", "ул. Лесная, 1", "кв. 2", "111", "222",
                                             "10:00", "18:00", "Северный"}));
    ASSERT_EQ(p.brothers.size(), 1u);
    const schedule::PackageBrother& b = p.brothers[0];
    EXPECT_EQ(b.first_name, "Иван");
    EXPECT_EQ(b.last_name, "Петров");
    EXPECT_EQ(b.address1, "адрес 1");
    EXPECT_EQ(b.address2, "адрес 2");
    EXPECT_EQ(b.phone, "333");
    EXPECT_EQ(b.phone2, "444");
    EXPECT_EQ(b.phone3, "555");
    EXPECT_EQ(b.email, "i@p.ru");
    EXPECT_EQ(b.talks.talks(), (std::vector<int>{1, 9, 256}));
    EXPECT_EQ(b.flags, 0x22);
    EXPECT_EQ(b.roles, 0xA6);
    EXPECT_EQ(b.weeks, (std::array<std::uint16_t, 10>{1410, 1412, 0, 0, 0, 0, 0, 0, 0, 65535}));
    EXPECT_EQ(schedule::encode_package(p), bytes);
}

TEST(PackageFormat, AnyLengthReadsAndShortTailsAreIgnored) {
    EXPECT_EQ(schedule::decode_package({}), schedule::Package{});
    EXPECT_EQ(schedule::decode_package(std::vector<std::uint8_t>(383, 0xC0)), schedule::Package{});
    // 384 x 3 + 100 bytes: a congregation and two brothers.
    auto bytes = concat({full_congregation(), full_brother(), package_brother("Олег", "Сидоров")});
    bytes.resize(bytes.size() + 100, 0xC0);
    const schedule::Package p = schedule::decode_package(bytes);
    ASSERT_EQ(p.brothers.size(), 2u);
    EXPECT_EQ(p.brothers[1].first_name, "Олег");
    EXPECT_EQ(schedule::encode_package(p).size(), 3 * kPackageRecord);
}

TEST(PackageFormat, TextsWithoutTerminatorEndAtTheirWidthAndControlsReadAsBlanks) {
    // Every text byte set: each field reads exactly its width, nothing of its neighbour.
    FixtureBytes b = package_brother("", "").fill(0, 364, 0xC1);
    b.raw(50, "\tA\x01").raw(200, "\x1F\x7F");
    const auto p = schedule::decode_package(concat({package_congregation("X"), b}));
    ASSERT_EQ(p.brothers.size(), 1u);
    EXPECT_EQ(p.brothers[0].first_name.size(), 50u * 2);  // fifty Cyrillic letters
    std::string seventeen;
    for (int i = 0; i < 17; ++i)
        seventeen += "Б";
    EXPECT_EQ(p.brothers[0].last_name, " A " + seventeen);
    EXPECT_EQ(p.brothers[0].email.substr(0, 2), "  ");
    EXPECT_EQ(p.brothers[0].phone.size(), 16u * 2);
}
