#include <gtest/gtest.h>

#include <filesystem>

#include "core/store/wish_list.h"
#include "support/fixture_bytes.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;

namespace {

struct WishListTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    DataFolder folder{dir.path(), prompter};
    WishList list;
};

// Talks 1, 9 and 256 wanted; 9 high, 256 low; talk 100 high but not wanted.
FixtureBytes sample() {
    return FixtureBytes(96)
        .u8(0, 0x01)
        .u8(1, 0x01)
        .u8(31, 0x80)
        .u8(33, 0x01)
        .u8(32 + 12, 0x08)
        .u8(64 + 31, 0x80);
}

}  // namespace

TEST_F(WishListTest, MissingOrShortFileGivesAnEmptyList) {
    list.load(folder);
    EXPECT_EQ(list.record(), WishListRecord{});
    EXPECT_FALSE(std::filesystem::exists(dir / "wishlist.dat"));  // nothing is created at start
    write_bytes(dir / "wishlist.dat", std::vector<std::uint8_t>(95, 0xFF));
    list.load(folder);
    EXPECT_EQ(list.record(), WishListRecord{});
}

TEST_F(WishListTest, PriorityComesFromTheHighAndLowSets) {
    sample().write_to(dir / "wishlist.dat");
    list.load(folder);
    EXPECT_TRUE(list.is_wanted(1));
    EXPECT_TRUE(list.is_wanted(256));
    EXPECT_FALSE(list.is_wanted(100));
    EXPECT_EQ(list.priority(1), WishList::Priority::medium);
    EXPECT_EQ(list.priority(9), WishList::Priority::high);
    EXPECT_EQ(list.priority(256), WishList::Priority::low);
    EXPECT_EQ(list.priority(100), WishList::Priority::high);
    EXPECT_EQ(WishList::priority_text(WishList::Priority::high), "Высокий");
    EXPECT_EQ(WishList::priority_text(WishList::Priority::medium), "Средний");
    EXPECT_EQ(WishList::priority_text(WishList::Priority::low), "Низкий");
}

TEST_F(WishListTest, RemovingATalkClearsItsThreeBitsAndSaveWritesTheWholeRecord) {
    sample().write_to(dir / "wishlist.dat");
    list.load(folder);
    list.remove(256);
    list.remove(9);
    ASSERT_TRUE(list.save(folder));
    EXPECT_EQ(read_bytes(dir / "wishlist.dat"),
              FixtureBytes(96).u8(0, 0x01).u8(32 + 12, 0x08).bytes());

    std::filesystem::remove(dir / "wishlist.dat");
    std::filesystem::create_directory(dir / "wishlist.dat");
    EXPECT_FALSE(list.save(folder));
    EXPECT_EQ(prompter.messages.size(), 1u);
}
