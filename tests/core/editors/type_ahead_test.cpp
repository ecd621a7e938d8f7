#include "core/editors/type_ahead.h"

#include <gtest/gtest.h>

using vorla::editors::TypeAhead;

namespace {

const std::vector<std::string> kLines = {"Абрамов, Пётр", "Белов, Антон", "Белоусов, Иван",
                                         "Васильев, Олег"};

TEST(TypeAhead, LettersNarrowTheSearchIgnoringCase) {
    TypeAhead t;
    EXPECT_EQ(t.type("б", kLines), 1u);
    EXPECT_EQ(t.type("Е", kLines), 1u);
    EXPECT_EQ(t.type("л", kLines), 1u);
    EXPECT_EQ(t.type("о", kLines), 1u);
    EXPECT_EQ(t.type("у", kLines), 2u);
    EXPECT_EQ(t.buffer(), "бЕлоу");  // kept as typed
}

TEST(TypeAhead, NoMatchRestartsWithTheLetterThenEmpties) {
    TypeAhead t;
    EXPECT_EQ(t.type("Б", kLines), 1u);
    EXPECT_EQ(t.type("В", kLines), 3u);  // "БВ" matches nothing, "В" does
    EXPECT_EQ(t.buffer(), "В");
    EXPECT_EQ(t.type("Я", kLines), std::nullopt);
    EXPECT_EQ(t.buffer(), "");
    EXPECT_EQ(t.type("а", kLines), 0u);
    t.reset();
    EXPECT_EQ(t.buffer(), "");
}

TEST(TypeAhead, BufferNeverHoldsMoreThanFortyCharacters) {
    const std::vector<std::string> lines = {std::string(60, 'a')};
    TypeAhead t;
    for (int i = 0; i < 40; ++i)
        EXPECT_EQ(t.type("a", lines), 0u);
    EXPECT_EQ(t.buffer().size(), 40u);
    EXPECT_EQ(t.type("a", lines), 0u);  // the 41st letter empties the buffer first
    EXPECT_EQ(t.buffer(), "a");
}

TEST(TypeAhead, OnlyLettersSearch) {
    EXPECT_TRUE(TypeAhead::is_letter("ж"));
    EXPECT_TRUE(TypeAhead::is_letter("Q"));
    EXPECT_FALSE(TypeAhead::is_letter("1"));
    EXPECT_FALSE(TypeAhead::is_letter(" "));
    EXPECT_FALSE(TypeAhead::is_letter("ab"));
}

}  // namespace
