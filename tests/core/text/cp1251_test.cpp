#include <gtest/gtest.h>

#include <string>

#include "core/text/cp1251.h"
#include "core/text/utf8.h"

using namespace vorla::text;

TEST(Cp1251, EveryByteRoundTripsExceptTheUndefinedOne) {
    for (int b = 1; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const std::string utf8 = cp1251_to_utf8(byte);
        if (b == 0x98) {
            EXPECT_EQ(utf8, "\xEF\xBF\xBD");       // U+FFFD
            EXPECT_EQ(utf8_to_cp1251(utf8), "?");  // written back as '?'
            continue;
        }
        EXPECT_EQ(utf8_to_cp1251(utf8), byte) << "byte " << b;
    }
}

TEST(Cp1251, KnownLettersAndSigns) {
    EXPECT_EQ(cp1251_to_utf8(std::string("\xC0\xFF\xA8\xB8\xB9", 5)), "АяЁё№");
    EXPECT_EQ(utf8_to_cp1251("Собрание"), "\xD1\xEE\xE1\xF0\xE0\xED\xE8\xE5");
    EXPECT_EQ(utf8_to_cp1251("«Ї»€"), "\xAB\xAF\xBB\x88");
}

TEST(Cp1251, CharactersItCannotHoldBecomeQuestionMarks) {
    EXPECT_FALSE(cp1251_can_hold(U'ä'));
    EXPECT_FALSE(cp1251_can_hold(U'中'));
    EXPECT_FALSE(cp1251_can_hold("Zoë"));
    EXPECT_TRUE(cp1251_can_hold("Ёлка № 5 — «да»"));
    EXPECT_EQ(utf8_to_cp1251("aä中b"), "a??b");
    // A four-byte character is one character, so one '?'.
    EXPECT_EQ(utf8_to_cp1251("x\xF0\x9F\x98\x80y"), "x?y");
}

TEST(Utf8, LengthAndLeftCountCharacters) {
    EXPECT_EQ(length("Пётр"), 4u);
    EXPECT_EQ(left("Пётр Иванов", 4), "Пётр");
    EXPECT_EQ(left("ab", 10), "ab");
    EXPECT_EQ(to_lower("ДЕК Abc"), "дек abc");
    EXPECT_EQ(to_upper("ёж"), "ЁЖ");
}

TEST(Utf8, MalformedInputNeverReadsPastTheEnd) {
    EXPECT_FALSE(is_valid_utf8("\xD0"));
    EXPECT_FALSE(is_valid_utf8("\xE2\x82"));
    EXPECT_FALSE(is_valid_utf8("\xC0\x80"));  // overlong NUL
    EXPECT_TRUE(is_valid_utf8("\xEF\xBF\xBD"));
    EXPECT_EQ(to_u32("a\xD0"), std::u32string(U"a\uFFFD"));
    EXPECT_EQ(length("\xF0\x9F"), 2u);
}

TEST(Utf8, CaseInsensitiveEquality) {
    EXPECT_TRUE(equal_ignoring_case("Иванов", "иВАНОВ"));
    EXPECT_FALSE(equal_ignoring_case("Иванов", "Иванова"));
    EXPECT_TRUE(starts_with_ignoring_case("Петров, Иван", "пет"));
    EXPECT_FALSE(starts_with_ignoring_case("Пе", "пет"));
    // Folded texts key lookups: equal exactly when the texts are equal ignoring case, also
    // for letters whose folding is not their lower case and for broken bytes.
    EXPECT_EQ(fold_case("ИВАН Пётр"), fold_case("иван пЁТР"));
    EXPECT_EQ(fold_case("ſ"), "s");  // long s: its lower case is itself
    EXPECT_TRUE(equal_ignoring_case("ſ", "S"));
    EXPECT_EQ(fold_case("\xD0"
                        "ab"),
              "\xEF\xBF\xBD"
              "ab");
    EXPECT_NE(fold_case("Иванов"), fold_case("Иванова"));
    EXPECT_EQ(hash_ignoring_case("ИВАН Пётр"), hash_ignoring_case("иван пЁТР"));
    EXPECT_EQ(hash_ignoring_case("ſ"), hash_ignoring_case("S"));
    EXPECT_NE(hash_ignoring_case("Иван Петров"), hash_ignoring_case("Иван Петрова"));
}
