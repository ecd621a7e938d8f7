#include "core/schedule/outgoing_model.h"

#include "core/schedule/sheet_model.h"
#include "local_brothers_fixture.h"
#include "support/change_log.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::OutgoingModel;
using schedule::OutgoingSlot;

namespace {

// Row 0 (1406): Борисов -> Лесное 12, Волков -> Речное 34, Андреев -> Лесное 56.
// Row 1 (1407): a convention without speakers. Row 2 (1408): a convention, Волков goes out.
// Row 3 (1409): an overseer visit, Борисов goes out. Row 4 (1410): slot 0 empty, Борисов in
// slot 1 (a gap). Row 5 (1411): Андреев, unavailable. Row 6 (1412): Волков, who also chairs.
// Речное meets on Tuesday in odd years, on Sunday in even ones.
struct OutgoingTest : ScheduleTest {
    void SetUp() override {
        ScheduleTest::SetUp();
        write_local_brothers(dir.path());
        write_bytes(dir / "cong.dat",
                    slot_file({congregation_bytes(1, "Наше").u16(178, 30001),
                               congregation_bytes(2, "Лесное").u16(178, 30001).u16(186, 3),
                               congregation_bytes(3, "Речное").u16(178, 30002).u8(226, 2),
                               congregation_bytes(4, "Пустое").u16(178, 30002)}));
        write_bytes(dir / "blackout.dat", concat({unavailable_bytes(6, 1411)}));
        write_bytes(dir / "history.dat",
                    concat({first_week(), week_bytes(1407).u16(20, 0x03),
                            with_slot(week_bytes(1408).u16(20, 0x03), 0, 8, 3, 34),
                            with_slot(week_bytes(1409).u16(20, 0x05), 0, 7, 2, 12),
                            with_slot(week_bytes(1410).u16(20, 1), 1, 7, 3, 56),
                            with_slot(week_bytes(1411).u16(20, 1), 0, 6, 0, 0),
                            with_slot(week_bytes(1412).u16(14, 8).u16(20, 1), 0, 8, 2, 0)}));
    }
    static FixtureBytes first_week() {
        return with_slot(
            with_slot(with_slot(week_bytes(1406).u16(20, 1), 0, 7, 2, 12), 1, 8, 3, 34), 2, 6, 2,
            56);
    }
    std::vector<OutgoingSlot> slots(int number) {
        std::vector<OutgoingSlot> out;
        for (std::size_t k = 0; k < 6; ++k)
            out.push_back(schedule::slot_of(week(number), k));
        return out;
    }
    using Slots = std::vector<OutgoingSlot>;
};

}  // namespace

TEST_F(OutgoingTest, RowsShowOneSlotPerWeekWithEventsAndMarkers) {
    open();
    OutgoingModel page(*doc);
    EXPECT_EQ(page.selected_row(), 1);  // the first week without speaker and talk in slot 0
    EXPECT_EQ(page.rows()[0], "Дек 13, 2026\t12\tБорис Борисов (+...)\tЛесное");
    EXPECT_EQ(page.rows()[1], "Дек 20, 2026\t\tКонгресс");
    EXPECT_EQ(page.rows()[2], "Дек 27, 2026\t34\t# Василий Волков\tРечное");
    EXPECT_EQ(page.rows()[3], "Янв 03, 2027\t\tРН Визит");
    // The gap of row 4 is packed as the week is listed.
    EXPECT_EQ(page.rows()[4], "Янв 10, 2027\t56\tБорис Борисов\tРечное");
    EXPECT_EQ(slots(1410), (Slots{{7, 3, 56}, {}, {}, {}, {}, {}}));
    EXPECT_EQ(page.rows()[5], "Янв 17, 2027\t   \t* Алексей Андреев\t");
    EXPECT_EQ(page.rows()[6], "Янв 24, 2027\t   \t# Василий Волков\tЛесное");
    EXPECT_EQ(page.rows()[7], "Янв 31, 2027\t   \t\t");
    EXPECT_TRUE(page.marks().unavailable);
    EXPECT_TRUE(page.marks().conflict);
    EXPECT_EQ(OutgoingModel::cells(page.rows()[3]),
              (std::vector<std::string>{"Янв 03, 2027", "", "РН Визит", ""}));
}

TEST_F(OutgoingTest, SlotListAndControlsFollowWeekAndSlot) {
    open();
    OutgoingModel page(*doc);
    page.select(0);
    // An even-year week: Речное meets on Sunday, so no weekday.
    EXPECT_EQ(page.slot_lines(),
              (std::vector<std::string>{"Борис Борисов", "Василий Волков", "Алексей Андреев"}));
    page.select_slot(1);
    EXPECT_EQ(page.rows()[0], "Дек 13, 2026\t34\tВасилий Волков (+...)\tРечное");
    EXPECT_EQ(page.week_caption(), "Дек 13");
    EXPECT_EQ(page.talk_caption(), "Речь - Речь 34 ( 34 ) ");
    EXPECT_EQ(page.congregation_caption(), "Собрание - Речное");
    EXPECT_TRUE(page.add_visible());
    EXPECT_TRUE(page.edit_visible());
    EXPECT_TRUE(page.contacts_visible());
    EXPECT_TRUE(page.exchange_visible());
    EXPECT_EQ(page.exchange_caption(), "Обмен");
    EXPECT_TRUE(page.legend_visible());
    EXPECT_FALSE(page.exchange_confirm_visible());

    page.select(4);  // odd year: Tuesday
    EXPECT_EQ(page.selected_slot(), 0u);
    EXPECT_EQ(page.slot_lines(), (std::vector<std::string>{"Борис Борисов - Вторник"}));
    EXPECT_TRUE(page.speaker_history_visible());  // he went out in row 0
    EXPECT_EQ(page.rows()[0], "Дек 13, 2026\t12\tБорис Борисов (+...)\tЛесное");

    page.select(3);  // an overseer's week takes no one more
    EXPECT_FALSE(page.add_visible());

    page.select(1);  // nobody goes out
    EXPECT_TRUE(page.add_visible());
    EXPECT_FALSE(page.edit_visible());
    EXPECT_FALSE(page.slot_buttons_visible());
    EXPECT_FALSE(page.exchange_visible());
    EXPECT_EQ(page.talk_caption(), "Речь");
    EXPECT_EQ(page.congregation_caption(), "Собрание");

    page.select(5);
    EXPECT_TRUE(page.availability_visible());
    EXPECT_EQ(page.availability_caption(), "Показать доступные - Алексей Андреев");
    EXPECT_FALSE(page.legend_visible());
    EXPECT_FALSE(page.contacts_visible());

    page.select(2);
    EXPECT_EQ(page.conflict_text(),
              "# Конфликт планирования  Дек 27\nВасилий Волков\nКонгресс - Уходящий докладчик");
    page.select(6);
    EXPECT_EQ(page.conflict_text(),
              "# Конфликт планирования  Янв 24\nВасилий Волков\nПредседатель - Уходящий докладчик");
}

TEST_F(OutgoingTest, AddReplaceAndRemoveKeepTheSlotsPacked) {
    open();
    OutgoingModel page(*doc);
    page.select(0);
    page.select_slot(2);
    page.remove();  // slot 2 of three
    page.select_slot(0);
    page.remove();  // slot 0: Волков moves down with his congregation and talk
    EXPECT_EQ(slots(1406), (Slots{{8, 3, 34}, {}, {}, {}, {}, {}}));

    page.replace(brother_pos(8));  // himself: nothing changes
    EXPECT_EQ(slots(1406)[0], (OutgoingSlot{8, 3, 34}));
    page.replace(brother_pos(7));  // another: without congregation and talk
    EXPECT_EQ(slots(1406)[0], (OutgoingSlot{7, 0, 0}));

    for (std::uint16_t id : {6, 8, 9, 4, 1}) {
        page.add(brother_pos(id));
        EXPECT_EQ(page.selected_slot(), schedule::used_slots(week(1406)) - 1);
    }
    page.select_slot(3);
    page.add(brother_pos(3));  // a seventh: nothing, slot 0 selected
    EXPECT_EQ(page.selected_slot(), 0u);
    EXPECT_EQ(slots(1406),
              (Slots{{7, 0, 0}, {6, 0, 0}, {8, 0, 0}, {9, 0, 0}, {4, 0, 0}, {1, 0, 0}}));

    schedule::SheetModel(*doc).accept();
    const auto file = read_bytes(dir / "history.dat");
    const auto expected = with_slot(
        with_slot(with_slot(with_slot(with_slot(with_slot(week_bytes(1406).u16(20, 1), 0, 7, 0, 0),
                                                1, 6, 0, 0),
                                      2, 8, 0, 0),
                            3, 9, 0, 0),
                  4, 4, 0, 0),
        5, 1, 0, 0);
    ASSERT_GE(file.size(), 64u);
    EXPECT_EQ(std::vector<std::uint8_t>(file.begin(), file.begin() + 64), expected.bytes());
}

TEST_F(OutgoingTest, ExchangeTwoSlotsBetweenWeeksAndMoveOneToAnEmptyWeek) {
    open();
    OutgoingModel page(*doc);
    page.select(0);
    page.select_slot(2);
    page.press_exchange();
    ASSERT_TRUE(page.exchange_pending());
    EXPECT_EQ(page.exchange_prompt(),
              "Выбор докладчика для обмена с Алексей Андреев (Дек 13) или -> ");
    EXPECT_EQ(page.exchange_caption(), "Отменить обмен");
    EXPECT_FALSE(page.add_visible());
    EXPECT_FALSE(page.edit_visible());
    EXPECT_FALSE(page.exchange_confirm_visible());  // still the source week
    EXPECT_EQ(page.slot_lines().back(), " +...");

    page.select(6);
    EXPECT_EQ(page.slot_lines(), (std::vector<std::string>{"Василий Волков", " +..."}));
    ASSERT_TRUE(page.exchange_confirm_visible());
    EXPECT_EQ(page.exchange_confirm_caption(),
              "Алексей Андреев (Дек 13) <-> Василий Волков (Янв 24) Обмен");
    page.confirm_exchange();
    EXPECT_FALSE(page.exchange_pending());
    EXPECT_EQ(slots(1406)[2], (OutgoingSlot{8, 2, 0}));
    EXPECT_EQ(slots(1412)[0], (OutgoingSlot{6, 2, 56}));

    // Slot 0 of row 0 to a week without speakers: it moves, and row 0 is packed again.
    page.select(0);
    page.press_exchange();
    page.select(7);
    EXPECT_TRUE(page.slot_lines().empty());
    EXPECT_EQ(page.exchange_confirm_caption(), "Борис Борисов (Дек 13) <->  (Янв 31) Обмен");
    page.confirm_exchange();
    EXPECT_EQ(slots(1406), (Slots{{8, 3, 34}, {8, 2, 0}, {}, {}, {}, {}}));
    EXPECT_EQ(slots(1413)[0], (OutgoingSlot{7, 2, 12}));

    schedule::SheetModel(*doc).accept();
    const auto file = read_bytes(dir / "history.dat");
    const auto record = [&](std::size_t n) {
        return std::vector<std::uint8_t>(file.begin() + static_cast<std::ptrdiff_t>(64 * n),
                                         file.begin() + static_cast<std::ptrdiff_t>(64 * n + 64));
    };
    ASSERT_EQ(file.size(), 8u * 64u);
    EXPECT_EQ(record(0),
              with_slot(with_slot(week_bytes(1406).u16(20, 1), 0, 8, 3, 34), 1, 8, 2, 0).bytes());
    EXPECT_EQ(record(6), with_slot(week_bytes(1412).u16(14, 8).u16(20, 1), 0, 6, 2, 56).bytes());
    EXPECT_EQ(record(7), with_slot(week_bytes(1413).u16(20, 1), 0, 7, 2, 12).bytes());
}

TEST_F(OutgoingTest, CancelledExchangeChangesNothingAndPackingWaitsForIt) {
    open();
    OutgoingModel page(*doc);
    page.select(0);
    page.press_exchange();
    page.select(6);
    // Another page leaves a gap meanwhile: not packed while the exchange is pending.
    week(1412).out_speaker_id[0] = 0;
    week(1412).out_speaker_id[2] = 9;
    page.refresh();
    EXPECT_EQ(slots(1412)[2].speaker, 9);
    page.press_exchange();
    EXPECT_FALSE(page.exchange_pending());
    EXPECT_FALSE(page.exchange_confirm_visible());
    EXPECT_EQ(slots(1412)[0].speaker, 9);
    EXPECT_EQ(slots(1406)[0], (OutgoingSlot{7, 2, 12}));
}

TEST_F(OutgoingTest, TalkChooserWritesTheSpeakerBackAndCongregationIsSet) {
    open();
    OutgoingModel page(*doc);
    page.select(0);
    auto record = page.talk_chooser_record();
    ASSERT_TRUE(record);
    record->talks.set(99);  // the chooser edited his talks
    ChangeLog changes(*doc);
    page.apply_talk(*record, 55);
    EXPECT_TRUE(changes.saw(store::Change::brothers));
    page.apply_congregation(cong_pos(4));
    EXPECT_EQ(slots(1406)[0], (OutgoingSlot{7, 4, 56}));
    const auto speakers = read_bytes(dir / "speakers.dat");
    EXPECT_EQ(std::vector<std::uint8_t>(speakers.begin() + 7 * 256, speakers.begin() + 8 * 256),
              with_talks(local_brother(7, "Борис", "Борисов", 0x06), {12, 56, 99}).bytes());

    // Cancelled: the talk stays, and his unchanged record is neither written nor announced.
    changes.clear();
    page.apply_talk(*page.talk_chooser_record(), std::nullopt);
    EXPECT_EQ(slots(1406)[0].talk, 56);
    EXPECT_TRUE(changes.quiet());
}
