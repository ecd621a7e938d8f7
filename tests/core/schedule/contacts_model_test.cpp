#include "core/schedule/contacts_model.h"

#include "schedule_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::ContactGroup;
using schedule::ContactsModel;

namespace {

struct ContactsTest : ScheduleTest {
    // Петров: a five-character phone, two more numbers and an address in his extra record.
    // Орлов, talk coordinator of Лесное: one phone and a too short address.
    void SetUp() override {
        ScheduleTest::SetUp();
        auto speakers = read_bytes(dir / "speakers.dat");
        FixtureBytes petrov(256);
        petrov.text(120, "12345").u16(206, 1);
        FixtureBytes orlov(256);
        orlov.text(120, " 8-916-000-00-00").u16(206, 2);
        for (std::size_t k = 120; k < 136; ++k) {
            speakers[256 + k] = petrov.bytes()[k];
            speakers[3 * 256 + k] = orlov.bytes()[k];
        }
        speakers[256 + 206] = 1;
        speakers[3 * 256 + 206] = 2;
        write_bytes(dir / "speakers.dat", speakers);
        write_bytes(dir / "xtend.dat", concat({FixtureBytes(128)
                                                   .u16(0, 1)
                                                   .text(2, "8-900-111")
                                                   .text(18, "  55555")
                                                   .text(34, " ivan@mail.ru"),
                                               FixtureBytes(128).u16(0, 3).text(34, "a@b.ru")}));
        open();
    }
};

}  // namespace

TEST_F(ContactsTest, SpeakerAndCoordinatorGroupsShowTheNumbersWorthShowing) {
    ContactsModel m(*doc, 1, 0);
    EXPECT_EQ(m.title(), "Лесное");
    EXPECT_EQ(ContactsModel::hint(),
              "Используйте 'Tab' (мышь) для выбора номера или копирования адреса.");
    // The five-character phone is left out; the others move up.
    EXPECT_EQ(m.speaker(),
              (ContactGroup{" Докладчик - Иван Петров ", {"8-900-111", "55555"}, "ivan@mail.ru"}));
    EXPECT_EQ(m.coordinator(),
              (ContactGroup{" Ответственный за речи - Павел Орлов ", {"8-916-000-00-00"}, ""}));

    // A congregation without a talk coordinator; a congregation alone.
    const ContactsModel orlov(*doc, 3, 0);
    EXPECT_EQ(orlov.title(), "Речное");
    EXPECT_EQ(orlov.coordinator(), ContactGroup{});
    const ContactsModel cong(*doc, 0, 2);
    EXPECT_EQ(cong.speaker(), ContactGroup{});
    EXPECT_EQ(cong.coordinator().caption, " Ответственный за речи - Павел Орлов ");
    // The congregation given wins over his own.
    EXPECT_EQ(ContactsModel(*doc, 1, 3).title(), "Речное");
    EXPECT_EQ(ContactsModel(*doc, 0, 0).title(), "");
}

TEST_F(ContactsTest, AFocusedAddressCanBeCopiedOrWrittenAFocusedNumberCopied) {
    ContactsModel m(*doc, 1, 0);
    EXPECT_FALSE(m.action_visible());
    EXPECT_FALSE(m.mail_visible());

    m.focus_email(m.speaker().email);
    ASSERT_TRUE(m.action_visible());
    EXPECT_EQ(m.action_caption(), "Копия ivan@mail.ru");
    EXPECT_EQ(m.mail_url(), "mailto:ivan@mail.ru");
    EXPECT_FALSE(m.clipboard_used());
    EXPECT_EQ(m.take_copy(), "ivan@mail.ru");
    EXPECT_TRUE(m.clipboard_used());

    EXPECT_FALSE(m.phone_copy_visible());

    // A phone number hides the address buttons: nothing is dialled; it has its own copy.
    m.focus_phone(" 8-900-111 ");
    EXPECT_FALSE(m.action_visible());
    EXPECT_FALSE(m.mail_visible());
    EXPECT_EQ(m.take_copy(), "");
    ASSERT_TRUE(m.phone_copy_visible());
    EXPECT_EQ(m.take_phone(), "8-900-111");
    m.focus_phone("");  // an empty field offers nothing
    EXPECT_FALSE(m.phone_copy_visible());
    EXPECT_EQ(m.take_phone(), "");
    m.focus_phone("555");
    m.focus_email("нет");  // leaving the number takes its button away
    EXPECT_FALSE(m.phone_copy_visible());

    ContactsModel fresh(*doc, 1, 0);
    fresh.focus_phone("55555");
    EXPECT_FALSE(fresh.clipboard_used());
    fresh.take_phone();
    EXPECT_TRUE(fresh.clipboard_used());  // a copied number is cleared at close as well

    m.focus_email("нет адреса");
    EXPECT_FALSE(m.action_visible());
    EXPECT_FALSE(m.mail_visible());
    m.focus_email("a@b");  // three characters are not an address yet
    EXPECT_FALSE(m.action_visible());
    m.focus_email("a@bc");
    EXPECT_EQ(m.action_caption(), "Копия a@bc");
}
