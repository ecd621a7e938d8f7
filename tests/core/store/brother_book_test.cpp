#include <gtest/gtest.h>

#include "core/store/brother_book.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

using namespace vorla::store;
using namespace vorla::testing;

namespace {

FixtureBytes extra(std::uint16_t owner, std::string_view phone2, std::string_view email = {}) {
    FixtureBytes r(128);
    r.u16(0, owner).text(2, phone2).text(34, email);
    return r;
}

}  // namespace

// The lists read every brother from one read of his files; they must see what reading him on
// his own sees, an extra record that names someone else included.
TEST(BrotherBook, EachCardIsWhatHisOwnFilesSay) {
    TempDir dir;
    RecordingPrompter prompter;
    write_bytes(dir / "speakers.dat",
                slot_file({brother_bytes(1, "Иван", "Петров")
                               .text(40, "ул. Мира, 5")
                               .text(120, "8-900-123")
                               .u16(206, 1),
                           brother_bytes(2, "Олег", "Сидоров").u16(206, 1),  // Иван's extra
                           brother_bytes(3, "Пётр", "Иванов").u16(206, 7),   // past the file
                           brother_bytes(4, "Юрий", "Орлов").text(120, "12345")}));
    write_bytes(dir / "xtend.dat", extra(1, "222-33-44", "ivan@example.org").bytes());
    const Document doc({dir.path(), {2026, 12, 7}, {}}, prompter);
    const BrotherBook book(doc);
    for (std::uint16_t id = 1; id <= 4; ++id) {
        const auto card = book.card(id);
        ASSERT_TRUE(card) << id;
        EXPECT_EQ(card->phones, phone_list(doc, id)) << id;
        EXPECT_EQ(card->record.brother_id, id);
    }
    EXPECT_EQ(book.card(1)->record.address1, "ул. Мира, 5");
    EXPECT_EQ(book.card(1)->phones.phones, (std::vector<std::string>{"8-900-123", "222-33-44"}));
    EXPECT_EQ(book.card(1)->phones.email, "ivan@example.org");
    EXPECT_TRUE(book.card(2)->phones.empty());
    EXPECT_TRUE(book.card(4)->phones.empty());  // five characters are no number
    EXPECT_FALSE(book.card(9));
    EXPECT_FALSE(book.card(0));
}
