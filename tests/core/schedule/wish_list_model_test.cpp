#include "core/schedule/wish_list_model.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/editors/editor_fixture.h"
#include "support/fixture_bytes.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::WishListModel;
using Priority = WishListModel::Priority;

namespace {

// Bit of talk n in the 32-byte set at `base`.
FixtureBytes& talk_bit(FixtureBytes& r, std::size_t base, int n) {
    const auto byte = base + static_cast<std::size_t>(n - 1) / 8;
    r.u8(byte, static_cast<std::uint8_t>(r.bytes()[byte] | 1u << ((n - 1) % 8)));
    return r;
}

// Wanted: 5 (high), 12, 150 (low), 201 (high) and 256. Talk 9 is high but not wanted.
FixtureBytes wish_record() {
    FixtureBytes r(96);
    for (int n : {5, 12, 150, 201, 256})
        talk_bit(r, 0, n);
    for (int n : {5, 9, 201})
        talk_bit(r, 32, n);
    talk_bit(r, 64, 150);
    return r;
}

// history.dat: talk 12 this week, 150 in weeks 1300 and 1350, talk 5 only 80 weeks ahead.
std::vector<std::uint8_t> history() {
    return concat({week_bytes(1300).u16(4, 150).u16(20, 1), week_bytes(1350).u16(4, 150).u16(20, 1),
                   week_bytes(1406).u16(4, 12).u16(20, 1), week_bytes(1486).u16(4, 5).u16(20, 1)});
}

struct WishListModelTest : EditorTest {
    store::Document& open_list() {
        wish_record().write_to(dir / "wishlist.dat");
        write_bytes(dir / "history.dat", history());
        store::Document& d = open();
        store::TalkRecord t = *d.talks().find(12);
        t.title = "Как найти настоящее счастье";
        d.talks().set(12, t);
        return d;
    }
    static void select_talk(WishListModel& m, int talk_no) {
        for (std::size_t k = 0; k < m.talks().size(); ++k) {
            if (m.talks()[k].talk_no == talk_no) return m.select(k);
        }
        FAIL() << "talk " << talk_no << " not listed";
    }
};

}  // namespace

TEST_F(WishListModelTest, ListsWantedTalksUpTo200WithPriorityLetterAndLastHeard) {
    store::Document& d = open_list();
    WishListModel m(d);
    // Talk 5 was heard only beyond S + 78: never, as far as the list goes. Talks 201 and 256
    // stay off the list.
    EXPECT_EQ(m.lines(), (std::vector<std::string>{"  5\tВ\t    -", " 12\tС\tДек 13, 2026",
                                                   "150\tН\tНоя 16, 2025"}));
    ASSERT_EQ(m.selected_line(), 0u);
    EXPECT_EQ(m.selected_priority(), Priority::high);
    EXPECT_TRUE(m.remove_visible());
    m.select(1);
    EXPECT_EQ(m.selected_talk(), 12);
    EXPECT_EQ(m.title_line(), "Как найти настоящее счастье");
    EXPECT_EQ(m.selected_priority(), Priority::medium);
    m.select(7);  // no such line: the remembered one stays
    EXPECT_EQ(m.selected_talk(), 12);
}

TEST_F(WishListModelTest, PriorityButtonsSetTheHighAndLowBitsOfTheSelectedTalk) {
    store::Document& d = open_list();
    WishListModel m(d);
    select_talk(m, 12);
    m.set_priority(Priority::low);
    m.set_priority(Priority::high);
    EXPECT_TRUE(m.list().record().wanted_high.has(12));
    EXPECT_FALSE(m.list().record().wanted_low.has(12));
    EXPECT_EQ(m.lines()[1], " 12\tВ\tДек 13, 2026");
    EXPECT_EQ(m.selected_line(), 1u);  // the same line stays selected after the refill

    select_talk(m, 150);
    m.set_priority(Priority::medium);
    EXPECT_FALSE(m.list().record().wanted_high.has(150));
    EXPECT_FALSE(m.list().record().wanted_low.has(150));
    EXPECT_EQ(m.selected_priority(), Priority::medium);
    EXPECT_EQ(m.lines()[2], "150\tС\tНоя 16, 2025");
    // Only the dialog's copy changed.
    EXPECT_TRUE(d.wish_list().record().wanted_low.has(150));
}

TEST_F(WishListModelTest, TheTalkPickerEditsACopyOfTheWantedSet) {
    store::Document& d = open_list();
    WishListModel m(d);
    const schedule::TalkPickerParams p = m.picker_params();
    EXPECT_FALSE(p.single);
    EXPECT_TRUE(p.wish_mode);
    EXPECT_EQ(p.title, "Нужные нам речи");
    EXPECT_EQ(p.needed, d.wish_list().record().wanted);

    // The picker ticked 7 and 9 and unticked 5; 201 and 256, never offered, kept their bits.
    text::TalkSet wanted = p.needed;
    wanted.set(7);
    wanted.set(9);
    wanted.clear(5);
    m.take_wanted(wanted);
    EXPECT_EQ(m.lines(),
              (std::vector<std::string>{"  7\tС\t    -", "  9\tВ\t    -", " 12\tС\tДек 13, 2026",
                                        "150\tН\tНоя 16, 2025"}));
    EXPECT_TRUE(m.list().record().wanted.has(201));
    EXPECT_FALSE(d.wish_list().is_wanted(7));
}

TEST_F(WishListModelTest, RemovingKeepsTheLineAndHidesTheButtonWhenTheListIsEmpty) {
    store::Document& d = open_list();
    WishListModel m(d);
    m.select(1);
    m.remove_selected();
    EXPECT_EQ(m.selected_talk(), 150);  // the line below moved up into the remembered line
    EXPECT_FALSE(m.list().record().wanted.has(12));
    m.remove_selected();
    EXPECT_EQ(m.selected_talk(), 5);  // the last line gone: the one above it
    EXPECT_FALSE(m.list().record().wanted_low.has(150));
    m.remove_selected();
    EXPECT_TRUE(m.lines().empty());
    EXPECT_FALSE(m.remove_visible());
    EXPECT_EQ(m.selected_line(), std::nullopt);
    EXPECT_EQ(m.selected_talk(), 0);
    EXPECT_EQ(m.title_line(), "");
    m.remove_selected();  // nothing left to remove
    m.set_priority(Priority::high);
    EXPECT_FALSE(m.list().record().wanted_high.has(5));
    // Talks above 200 are still in the record.
    EXPECT_TRUE(m.list().record().wanted.has(201));
    EXPECT_TRUE(m.list().record().wanted.has(256));
}

TEST_F(WishListModelTest, CancelWritesNothingAndOkWritesTheRecordOnce) {
    store::Document& d = open_list();
    const auto before = read_bytes(dir / "wishlist.dat");
    {
        WishListModel m(d);
        m.remove_selected();
        m.remove_selected();
    }  // Cancel: the dialog's copy is dropped
    EXPECT_EQ(read_bytes(dir / "wishlist.dat"), before);
    EXPECT_TRUE(d.wish_list().is_wanted(5));

    WishListModel m(d);
    select_talk(m, 12);
    m.set_priority(Priority::low);
    select_talk(m, 5);
    m.remove_selected();
    ASSERT_TRUE(m.accept());
    // 12 low, 150 low, 201 high and 256 kept; 9 stays high without being wanted.
    FixtureBytes expected(96);
    expected.u8(1, 0x08).u8(18, 0x20).u8(25, 0x01).u8(31, 0x80);
    expected.u8(33, 0x01).u8(57, 0x01);
    expected.u8(65, 0x08).u8(82, 0x20);
    EXPECT_EQ(read_bytes(dir / "wishlist.dat"), expected.bytes());
    EXPECT_EQ(d.wish_list().record(), m.list().record());
}

TEST_F(WishListModelTest, AFailedWriteKeepsTheDocumentsListAndSaysSo) {
    store::Document& d = open_list();
    WishListModel m(d);
    m.remove_selected();
    std::filesystem::remove(dir / "wishlist.dat");
    std::filesystem::create_directory(dir / "wishlist.dat");
    EXPECT_FALSE(m.accept());
    EXPECT_EQ(prompter.messages.size(), 1u);
    EXPECT_TRUE(d.wish_list().is_wanted(5));
}
