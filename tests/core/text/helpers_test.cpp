#include <gtest/gtest.h>

#include <vector>

#include "core/text/collation.h"
#include "core/text/talk_set.h"
#include "core/text/trim.h"

using namespace vorla::text;

TEST(Trim, BlanksOnEitherSide) {
    EXPECT_EQ(trim("  a b  "), "a b");
    EXPECT_EQ(trim_left("  a "), "a ");
    EXPECT_EQ(trim_right("  a "), "  a");
    EXPECT_EQ(trim("   "), "");
    std::string s = "  x  ";
    trim_right_in_place(s);
    EXPECT_EQ(s, "  x");
    trim_left_in_place(s);
    EXPECT_EQ(s, "x");
    EXPECT_TRUE(is_blank("   "));
    EXPECT_FALSE(is_blank(" . "));
}

TEST(Plausibility, PhoneNeedsSevenCharactersTrimmedAndFewerThanSixteen) {
    EXPECT_FALSE(is_plausible_phone("123456"));
    EXPECT_FALSE(is_plausible_phone("   123456   "));
    EXPECT_TRUE(is_plausible_phone("1234567"));
    EXPECT_TRUE(is_plausible_phone("+7 495 123-45-6"));    // 15 characters
    EXPECT_FALSE(is_plausible_phone("+7 495 123-45-67"));  // 16 characters
}

TEST(Plausibility, EmailNeedsAtSignAndFourCharacters) {
    EXPECT_TRUE(is_plausible_email("a@bc"));
    EXPECT_FALSE(is_plausible_email("a@b"));
    EXPECT_FALSE(is_plausible_email("abcdef"));
}

TEST(TalkSetBits, TalkNumbersMapToBitsFromZero) {
    TalkSet s;
    s.set(1);
    s.set(9);
    EXPECT_EQ(s.bytes()[0], 0x01);
    EXPECT_EQ(s.bytes()[1], 0x01);
    EXPECT_EQ(s.count(), 2);
    s.set(256);
    EXPECT_EQ(s.bytes()[31], 0x80);
    EXPECT_EQ(s.talks(), (std::vector<int>{1, 9, 256}));
    s.clear(9);
    EXPECT_FALSE(s.has(9));
    // Numbers outside 1..256 are ignored, never written past the set.
    s.set(0);
    s.set(257);
    EXPECT_FALSE(s.has(0));
    EXPECT_FALSE(s.has(257));
    EXPECT_EQ(s.count(), 2);
}

TEST(TalkSetBits, FlagWordHelpers) {
    EXPECT_TRUE(test_flag(0x20, 5));
    EXPECT_FALSE(test_flag(0x20, 4));
    EXPECT_EQ(with_flag(0x01, 1), 0x03);
    EXPECT_EQ(with_flag(0x03, 0, false), 0x02);
    std::uint8_t bytes[2] = {0, 0};
    set_bit(bytes, 12);
    EXPECT_EQ(bytes[1], 0x10);
    EXPECT_TRUE(test_bit(bytes, 12));
    clear_bit(bytes, 12);
    EXPECT_EQ(bytes[1], 0);
    set_bit(bytes, 16);  // beyond the array: nothing happens
    EXPECT_FALSE(test_bit(bytes, 16));
}

TEST(NameOrder, RussianCollationIgnoresCaseAndBlanks) {
    const NameCollator c("rus");
    EXPECT_LT(c.compare("Абрамов", "Борисов"), 0);
    EXPECT_EQ(c.compare("  иванов ", "ИВАНОВ"), 0);
    EXPECT_LT(c.compare("Ёлкин", "Жуков"), 0);    // Ё sorts with Е, before Ж
    EXPECT_LT(c.compare("Абрамов", "Zimin"), 0);  // Russian order puts Cyrillic first
    EXPECT_LT(c.compare("Петров", "Петровский"), 0);
}

TEST(NameOrder, SortIsStableForEqualNames) {
    const NameCollator c("rus");
    struct Item {
        std::string name;
        int file_order;
    };
    std::vector<Item> items = {{"смирнов, Пётр", 1},
                               {"Андреев, Олег", 2},
                               {"Смирнов, Пётр", 3},
                               {" Смирнов, Пётр", 4},
                               {"Смирнов, Анна", 5}};
    c.sort(items, [](const Item& i) { return i.name; });
    std::vector<int> order;
    for (const auto& i : items)
        order.push_back(i.file_order);
    EXPECT_EQ(order, (std::vector<int>{2, 5, 1, 3, 4}));
}

TEST(NameOrder, AppendedItemsLandWhereAFullSortPutsThem) {
    const NameCollator c("rus");
    struct Item {
        std::string name;
        int file_order;
    };
    const auto name_of = [](const Item& i) { return i.name; };
    // A sorted index, then names before, between, equal to (in other letters) and after.
    std::vector<Item> items = {{"Андреев", 1},  {"Петров", 2},    {"Смирнов", 3}, {"Яковлев", 4},
                               {"ПЕТРОВ", 5},   {"Ярцев", 6},     {"Абрамов", 7}, {"Петров", 8},
                               {"Кузнецов", 9}, {"  андреев", 10}};
    std::vector<Item> full = items;
    c.sort(full, name_of);
    c.sort_appended(items, 4, name_of);
    std::vector<int> expected, got;
    for (const auto& i : full)
        expected.push_back(i.file_order);
    for (const auto& i : items)
        got.push_back(i.file_order);
    EXPECT_EQ(got, expected);
    EXPECT_EQ(got, (std::vector<int>{7, 1, 10, 9, 2, 5, 8, 3, 4, 6}));
}

TEST(NameOrder, SameLastNameInOtherCaseOrdersByFirstName) {
    const NameCollator c("rus");
    std::vector<std::string> names = {"ПЕТРОВ, Яков", "петров, Антон"};
    c.sort(names, [](const std::string& s) { return s; });
    EXPECT_EQ(names.front(), "петров, Антон");
}
