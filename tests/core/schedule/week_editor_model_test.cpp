#include "core/schedule/week_editor_model.h"

#include "history_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::WeekEditorModel;

namespace {

// The window of 2026 starts at index 884: line k is week number 885 + k.
int line_of(int number) {
    return number - 885;
}

struct WeekEditorTest : HistoryTest {
    std::vector<std::uint8_t> file() const { return read_bytes(dir / "history.dat"); }
    std::vector<std::uint8_t> record_of(int number) const {
        const auto bytes = file();
        for (std::size_t at = 0; at + 64 <= bytes.size(); at += 64) {
            if ((bytes[at] | bytes[at + 1] << 8) == number)
                return {bytes.begin() + static_cast<std::ptrdiff_t>(at),
                        bytes.begin() + static_cast<std::ptrdiff_t>(at + 64)};
        }
        return {};
    }
};

TEST_F(WeekEditorTest, OpensTwoLinesBeforeTheFirstLaterWeekAndListsThirtyOneMore) {
    open();
    WeekEditorModel editor(*doc);
    // W = 1406: the first later week is 1407, two lines before it 1405.
    EXPECT_EQ(editor.week_line(), line_of(1405));
    EXPECT_EQ(editor.week().number().value, 1405);
    EXPECT_EQ(editor.week_lines().size(), static_cast<std::size_t>(line_of(1405) + 32));
    EXPECT_EQ(editor.week_lines().front(),
              doc->date_label(calendar::WeekNumber(885),
                              calendar::LabelStyle::short_month | calendar::LabelStyle::with_year));
    EXPECT_EQ(editor.title(), "Наше - Дек 06, 2026");
    // "Пред." and "След." stop at the ends.
    editor.select_week_line(0);
    editor.step_week(-1);
    EXPECT_EQ(editor.week_line(), 0);
    editor.select_week_line(static_cast<int>(editor.week_lines().size()) - 1);
    editor.step_week(1);
    EXPECT_EQ(editor.week_line(), static_cast<int>(editor.week_lines().size()) - 1);
}

TEST_F(WeekEditorTest, CaptionsNameWhoIsAssignedAndClearShowsOnlyWithAssignments) {
    open();
    WeekEditorModel editor(*doc);
    EXPECT_EQ(editor.speaker_caption(), "Докладчик");
    EXPECT_EQ(editor.chairman_caption(), "Председатель");
    EXPECT_EQ(editor.reader_caption(), "Чтец");
    EXPECT_EQ(editor.host_caption(), "Гостеприимство");
    EXPECT_EQ(editor.talk_caption(), "Речь");
    EXPECT_FALSE(editor.clear_visible());
    EXPECT_FALSE(editor.outgoing_buttons_visible());

    editor.select_week_line(line_of(1404));
    EXPECT_EQ(editor.speaker_caption(), "Докладчик - Павел Орлов");
    EXPECT_EQ(editor.chairman_caption(), "Председатель - Василий Волков");
    EXPECT_EQ(editor.talk_caption(), "Любите ближнего ( 12 ) ");
    EXPECT_TRUE(editor.clear_visible());
    // The host's name loses its "~"; an id that names no entry shows no name.
    editor.apply_host(30001);
    EXPECT_EQ(editor.host_caption(), "Гостеприимство - Иванов");
    EXPECT_EQ(editor.host_preselect(), 1);
    editor.apply_host(30999);
    EXPECT_EQ(editor.host_caption(), "Гостеприимство");
    EXPECT_EQ(editor.host_preselect(), -1);

    // A convention alone is not an assignment.
    editor.select_week_line(line_of(1412));
    EXPECT_FALSE(editor.clear_visible());

    settings::Settings s = doc->settings();
    s.readers_scheduled = false;
    s.hospitality_scheduled = true;
    doc->set_settings(s);
    EXPECT_FALSE(editor.reader_visible());
    EXPECT_TRUE(editor.hospitality_visible());
}

TEST_F(WeekEditorTest, PastWeekEditedAndStoredWithBitZeroIsWrittenByteForByte) {
    open();
    WeekEditorModel editor(*doc);
    editor.select_week_line(line_of(1300));
    editor.apply_speaker(brother_pos(3));
    editor.apply_talk(56);
    editor.apply_chairman(brother_pos(6));
    editor.apply_reader(brother_pos(8));
    editor.apply_host(30002);
    editor.add_outgoing(brother_pos(7));
    editor.select_outgoing_line(0);
    editor.apply_outgoing_congregation(cong_pos(2));
    EXPECT_TRUE(editor.changed());
    // Nothing reaches the file before the editor closes.
    EXPECT_EQ(file(), history_weeks().bytes());
    editor.ok();
    const FixtureBytes expected = with_slot(
        week_bytes(1300).u16(2, 3).u16(4, 56).u16(6, 3).u16(14, 6).u16(16, 8).u16(18, 30002).u16(20,
                                                                                                 1),
        0, 7, 2, 0);
    EXPECT_EQ(record_of(1300), expected.bytes());
    // It goes in ascending order before the weeks that were there.
    const auto bytes = file();
    ASSERT_EQ(bytes.size(), 8u * 64u);
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 64), expected.bytes());
}

TEST_F(WeekEditorTest, CancelKeepsWeeksStoredOnTheWayAndDropsTheShownOne) {
    open();
    WeekEditorModel editor(*doc);
    editor.select_week_line(line_of(1404));
    editor.apply_talk(34);
    // Switching stores A ...
    editor.select_week_line(line_of(1404) + 1);
    editor.apply_talk(56);
    // ... and Cancel drops B but writes the file.
    editor.cancel();
    EXPECT_EQ(record_of(1404), planned_week(1404, 3, 34, 3).u16(14, 8).bytes());
    EXPECT_TRUE(record_of(1405).empty());
    EXPECT_EQ(file().size(), 7u * 64u);
}

TEST_F(WeekEditorTest, ClearEmptiesTheWeekAtOnceAndAnEventOnlyWeekLeavesTheFile) {
    open();
    WeekEditorModel editor(*doc);
    editor.select_week_line(line_of(1412));
    editor.clear();
    EXPECT_EQ(week(1412).week_flags, 0);
    EXPECT_FALSE(editor.changed());
    // Stored already: Cancel writes it without the convention week.
    editor.select_week_line(line_of(1400));
    editor.clear();
    editor.cancel();
    EXPECT_TRUE(record_of(1412).empty());
    EXPECT_TRUE(record_of(1400).empty());
    EXPECT_EQ(file().size(), 5u * 64u);
}

TEST_F(WeekEditorTest, OutgoingSlotsAddOnceUpToSixAndCloseUpWhenOneGoes) {
    open();
    WeekEditorModel editor(*doc);
    editor.select_week_line(line_of(1400));
    EXPECT_EQ(editor.outgoing_lines(),
              (std::vector<std::string>{"Борис Борисов", "Василий Волков"}));
    EXPECT_TRUE(editor.outgoing_updown_visible());
    // The same brother twice: nothing.
    editor.add_outgoing(brother_pos(7));
    EXPECT_EQ(editor.outgoing_lines().size(), 2u);
    for (std::uint16_t id : {6, 4, 9, 1})
        editor.add_outgoing(brother_pos(id));
    EXPECT_EQ(editor.outgoing_lines().size(), 6u);
    // A seventh: nothing.
    editor.add_outgoing(brother_pos(2));
    EXPECT_EQ(editor.outgoing_lines().back(), "Иван Петров");

    // Deleting the second moves the third up with his congregation and talk.
    WeekEditorModel fresh(*doc);
    fresh.select_week_line(line_of(1400));
    fresh.add_outgoing(brother_pos(6));
    fresh.select_outgoing_line(2);
    fresh.apply_outgoing_congregation(cong_pos(3));
    fresh.select_outgoing_line(1);
    EXPECT_EQ(fresh.outgoing_talk_caption(), "Речь - Вера и надежда ( 34 ) ");
    EXPECT_EQ(fresh.outgoing_congregation_caption(), "Собрание - Лесное");
    fresh.remove_outgoing();
    EXPECT_EQ(fresh.outgoing_lines(),
              (std::vector<std::string>{"Борис Борисов", "Алексей Андреев"}));
    EXPECT_EQ(fresh.copy().out_speaker_id, (store::WeekRecord::Ids{7, 6, 0, 0, 0, 0}));
    EXPECT_EQ(fresh.copy().out_cong_id, (store::WeekRecord::Ids{3, 3, 0, 0, 0, 0}));
    EXPECT_EQ(fresh.copy().out_talk_no, (store::WeekRecord::Ids{12, 0, 0, 0, 0, 0}));
    // The selection stays, or moves to the last line.
    EXPECT_EQ(fresh.outgoing_line(), 1u);
    fresh.remove_outgoing();
    EXPECT_EQ(fresh.outgoing_line(), 0u);
    EXPECT_EQ(fresh.outgoing_talk_caption(), "Речь - Любите ближнего ( 12 ) ");
}

TEST_F(WeekEditorTest, GapInTheSlotsIsClosedWhenShownAndReplaceEmptiesTheSlot) {
    open();
    WeekEditorModel editor(*doc);
    editor.select_week_line(line_of(1420));
    EXPECT_EQ(editor.outgoing_lines(), (std::vector<std::string>{"Борис Борисов"}));
    EXPECT_EQ(editor.copy().out_speaker_id, (store::WeekRecord::Ids{7, 0, 0, 0, 0, 0}));
    EXPECT_EQ(editor.copy().out_talk_no, (store::WeekRecord::Ids{56, 0, 0, 0, 0, 0}));
    EXPECT_FALSE(editor.outgoing_updown_visible());
    // The same brother again changes nothing; another one comes without congregation and talk.
    editor.replace_outgoing(brother_pos(7));
    EXPECT_FALSE(editor.changed());
    editor.replace_outgoing(brother_pos(8));
    EXPECT_EQ(editor.copy().out_speaker_id[0], 8);
    EXPECT_EQ(editor.copy().out_cong_id[0], 0);
    EXPECT_EQ(editor.copy().out_talk_no[0], 0);
    editor.ok();
    EXPECT_EQ(record_of(1420), with_slot(week_bytes(1420).u16(20, 1), 0, 8, 0, 0).bytes());
}

TEST_F(WeekEditorTest, OutgoingTalkWritesHisRecordBackAndTakesTheChosenTalk) {
    open();
    WeekEditorModel editor(*doc);
    editor.select_week_line(line_of(1400));
    auto record = editor.outgoing_talk_record();
    ASSERT_TRUE(record.has_value());
    EXPECT_EQ(record->brother_id, 7);
    // The chooser added talk 34 to his list and chose it (catalogue position 33).
    record->talks.set(34, true);
    editor.apply_outgoing_talk(*record, 33);
    EXPECT_EQ(editor.copy().out_talk_no[0], 34);
    EXPECT_TRUE(doc->brothers().at(brother_pos(7)).talks.has(34));
    const auto speakers = read_bytes(dir / "speakers.dat");
    EXPECT_EQ(speakers.at(7 * 256 + 136 + 4), 0x02);
    // Cancelled: his record as it was, the talk unchanged.
    editor.apply_outgoing_talk(*editor.outgoing_talk_record(), std::nullopt);
    EXPECT_EQ(editor.copy().out_talk_no[0], 34);
}

}  // namespace
