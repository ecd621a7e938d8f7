#include "core/schedule/calendar_events.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/reports/report_fixture.h"

using namespace vorla;
using namespace vorla::schedule;
using namespace vorla::testing;
using calendar::Date;
using calendar::LocalTime;
using calendar::WeekIndex;

namespace {

constexpr std::uint16_t kYearEndWeek = kThisWeek + 3;  // Monday 28 December 2026

struct CalendarEventsTest : ReportData {
    // Our hall: Sunday 10:00 in even years, Saturday 17:30 in odd ones, with an address.
    // Северное: Sunday 10:00 even, Saturday 18:30 odd; Южное: Wednesday, no time written.
    void write_data() {
        write_reference_data();
        write_bytes(dir / "cong.dat",
                    slot_file({congregation_bytes(1, "Центральное")
                                   .text(50, "ул. Ленина, 5")
                                   .text(91, " Казань ")
                                   .text(164, "17:30")
                                   .text(188, "10:00")
                                   .u8(226, 6)
                                   .u8(227, 0),
                               congregation_bytes(2, "Северное")
                                   .text(50, "Лесная 1")
                                   .text(164, "18:30")
                                   .text(188, "10:00")
                                   .u8(226, 6)
                                   .u8(227, 0),
                               congregation_bytes(3, "Южное").u8(226, 3).u8(227, 3),
                               congregation_bytes(4, "Западное").text(188, "утром")}));
    }
    std::unique_ptr<store::Document> open_ours() {
        auto doc = open();
        doc->set_our_congregation(1);
        doc->rebuild_our_congregation();
        change_settings(*doc, [](settings::Settings& s) {
            s.readers_scheduled = true;
            s.hospitality_scheduled = true;
        });
        set_talk_title(*doc, 12, "Как найти мир");
        return doc;
    }
};

std::vector<std::string> uids(const std::vector<CalendarEvent>& events) {
    std::vector<std::string> out;
    for (const auto& e : events)
        out.push_back(e.uid);
    return out;
}

TEST(MeetingTime, ReadsTheWaysCongregationsWriteATimeAndNothingElse) {
    EXPECT_EQ(parse_meeting_time("10:00"), (ClockTime{10, 0}));
    EXPECT_EQ(parse_meeting_time(" 9.30 "), (ClockTime{9, 30}));
    EXPECT_EQ(parse_meeting_time("18-05"), (ClockTime{18, 5}));
    EXPECT_EQ(parse_meeting_time("1730"), (ClockTime{17, 30}));
    EXPECT_EQ(parse_meeting_time("7"), (ClockTime{7, 0}));
    EXPECT_EQ(parse_meeting_time("23:59"), (ClockTime{23, 59}));
    for (const char* bad : {"", "   ", "утро", "24:00", "10:60", "10:5", "10:000", "10ч", "1:2:3"})
        EXPECT_FALSE(parse_meeting_time(bad)) << bad;
}

TEST_F(CalendarEventsTest, AnOrdinaryWeekGivesAnEventPerAssignmentAtOurHallsTimeAndAddress) {
    write_data();
    weeks.push_back(fully_planned_week());
    auto doc = open_ours();
    const auto events = calendar_events(*doc, kThisIndex, 1);
    ASSERT_EQ(uids(events),
              (std::vector<std::string>{"w1406-talk-c1@vorla", "w1406-chairman-c1@vorla",
                                        "w1406-reader-c1@vorla", "w1406-host-c1@vorla"}));
    const std::string about = "Докладчик: Иван Петров\nСобрание: Северное\nРечь 12: Как найти мир";
    for (const CalendarEvent& e : events) {
        EXPECT_EQ(e.date, (Date{2026, 12, 13}));
        EXPECT_EQ(e.start, (LocalTime{{2026, 12, 13}, 10, 0}));
        EXPECT_EQ(e.end, (LocalTime{{2026, 12, 13}, 11, 45}));
        EXPECT_EQ(e.location, "Центральное, ул. Ленина, 5, Казань");
        EXPECT_EQ(e.description, about);
    }
    EXPECT_EQ(events[0].summary, "Докладчик: Иван Петров");
    EXPECT_EQ(events[1].summary, "Председатель: Пётр Иванов");
    EXPECT_EQ(events[2].summary, "Чтец: Андрей Смирнов");
    EXPECT_EQ(events[3].summary, "Гостеприимство: Орловы");

    // Without readers and hospitality in the schedule, their stale ids give no events.
    change_settings(*doc, [](settings::Settings& s) {
        s.readers_scheduled = false;
        s.hospitality_scheduled = false;
    });
    EXPECT_EQ(calendar_events(*doc, kThisIndex, 1).size(), 2u);
}

TEST_F(CalendarEventsTest, SixOutgoingSlotsMeetAtTheVisitedHallsOwnDayAndTime) {
    write_data();
    // Slot 3 visits no congregation; slot 5 a congregation whose time is words.
    weeks.push_back(week_record(kThisWeek)
                        .u16(week_at::out_speaker(0), 5)
                        .u16(week_at::out_cong(0), 2)
                        .u16(week_at::out_talk(0), 12)
                        .u16(week_at::out_speaker(1), 6)
                        .u16(week_at::out_cong(1), 3)
                        .u16(week_at::out_speaker(2), 7)
                        .u16(week_at::out_speaker(3), 8)
                        .u16(week_at::out_cong(3), 2)
                        .u16(week_at::out_talk(3), 13)
                        .u16(week_at::out_speaker(4), 9)
                        .u16(week_at::out_cong(4), 4)
                        .u16(week_at::out_speaker(5), 10)
                        .u16(week_at::out_cong(5), 2));
    auto doc = open_ours();
    const auto events = calendar_events(*doc, kThisIndex, 1);
    ASSERT_EQ(events.size(), 6u);
    for (std::size_t k = 0; k < 6; ++k)
        EXPECT_EQ(events[k].uid, "w1406-out" + std::to_string(k + 1) + "-c1@vorla");

    EXPECT_EQ(events[0].summary, "Уходящий докладчик: Борис Волков");
    EXPECT_EQ(events[0].start, (LocalTime{{2026, 12, 13}, 10, 0}));
    EXPECT_EQ(events[0].location, "Северное, Лесная 1");
    EXPECT_EQ(events[0].description, "Собрание: Северное\nРечь 12: Как найти мир");
    // Южное meets on Wednesday and wrote no time: the whole Wednesday is marked.
    EXPECT_EQ(events[1].date, (Date{2026, 12, 9}));
    EXPECT_FALSE(events[1].start);
    EXPECT_FALSE(events[1].end);
    // No congregation: Sunday, no time, no place.
    EXPECT_EQ(events[2].date, (Date{2026, 12, 13}));
    EXPECT_FALSE(events[2].start);
    EXPECT_EQ(events[2].location, "");
    EXPECT_EQ(events[2].description, "");
    // A time in words is not guessed at; it is passed on in the description.
    EXPECT_FALSE(events[4].start);
    EXPECT_EQ(events[4].description, "Собрание: Западное\nВремя встречи: утром");
    EXPECT_EQ(events[5].start, events[3].start);
    // A talk without a title is named by its number alone.
    EXPECT_EQ(events[3].description, "Собрание: Северное\nРечь 13");

    // One brother's calendar holds only his slot.
    const auto his = calendar_events(*doc, kThisIndex, 1, 8);
    ASSERT_EQ(his.size(), 1u);
    EXPECT_EQ(his[0], events[3]);
}

TEST_F(CalendarEventsTest, AtTheYearsEndTheNextYearsArrangementAndDateApply) {
    write_data();
    // Monday 28 December 2026: the meetings of that week fall in 2027 and follow the odd
    // (2027) arrangement, ours and the visited congregation's alike.
    weeks.push_back(week_record(kYearEndWeek)
                        .u16(week_at::kSpeaker, 1)
                        .u16(week_at::kTalk, 12)
                        .u16(week_at::out_speaker(0), 5)
                        .u16(week_at::out_cong(0), 2));
    auto doc = open_ours();
    const auto events = calendar_events(*doc, WeekIndex(kYearEndWeek - 1), 1);
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0].start, (LocalTime{{2027, 1, 2}, 17, 30}));
    EXPECT_EQ(events[0].end, (LocalTime{{2027, 1, 2}, 19, 15}));
    EXPECT_EQ(events[1].start, (LocalTime{{2027, 1, 2}, 18, 30}));
}

TEST_F(CalendarEventsTest, ConventionsAndOverseerVisitsKeepOnlyTheRolesTheirEventAllows) {
    write_data();
    // Convention: the stale chairman is not kept; an outgoing speaker still goes.
    weeks.push_back(week_record(kThisWeek)
                        .u16(week_at::kFlags, 0x03)
                        .u16(week_at::kChairman, 3)
                        .u16(week_at::out_speaker(0), 5)
                        .u16(week_at::out_cong(0), 2));
    events.push_back(event_record(kThisWeek - 1, 0x02, "Областной конгресс", "Будьте тверды"));
    // Overseer visit that keeps the chairman but not the reader.
    weeks.push_back(week_record(kThisWeek + 1)
                        .u16(week_at::kFlags, 0x15)
                        .u16(week_at::kChairman, 3)
                        .u16(week_at::kReader, 4));
    events.push_back(event_record(kThisWeek, 0x14, "Сергей Орлов", "Будьте бдительны"));
    auto doc = open_ours();
    const auto all = calendar_events(*doc, kThisIndex, 2);
    ASSERT_EQ(uids(all),
              (std::vector<std::string>{"w1406-talk-c1@vorla", "w1406-out1-c1@vorla",
                                        "w1407-talk-c1@vorla", "w1407-chairman-c1@vorla"}));
    // The convention marks our meeting day as a whole, whatever time our hall keeps.
    EXPECT_EQ(all[0].summary, "Конгресс: Областной конгресс");
    EXPECT_EQ(all[0].date, (Date{2026, 12, 13}));
    EXPECT_FALSE(all[0].start);
    EXPECT_EQ(all[0].description, "Речь: Будьте тверды");
    EXPECT_EQ(all[2].summary, "РН Визит: Сергей Орлов");
    EXPECT_EQ(all[2].start, (LocalTime{{2026, 12, 20}, 10, 0}));
    EXPECT_EQ(all[2].description, "Докладчик: Сергей Орлов\nРечь: Будьте бдительны");
    EXPECT_EQ(all[3].description, all[2].description);

    // The chairman's own calendar: the visit's chairmanship, not the convention he was
    // taken off.
    EXPECT_EQ(uids(calendar_events(*doc, kThisIndex, 2, 3)),
              (std::vector<std::string>{"w1407-chairman-c1@vorla"}));
}

TEST_F(CalendarEventsTest, AnUnchangedWeekGivesIdenticalEventsAndAChangeAChangedOne) {
    write_data();
    weeks.push_back(week_record(kThisWeek)
                        .u16(week_at::kSpeaker, 1)
                        .u16(week_at::kTalk, 12)
                        .u16(week_at::out_speaker(0), 5)
                        .u16(week_at::out_cong(0), 2));
    weeks.push_back(week_record(kThisWeek + 1).u16(week_at::kChairman, 3));
    auto doc = open_ours();
    const auto before = calendar_events(*doc, kThisIndex, 2);
    EXPECT_EQ(calendar_events(*doc, kThisIndex, 2), before);

    store::WeekRecord changed = doc->weeks().at(kThisIndex);
    changed.talk_no = 13;
    doc->weeks().at(kThisIndex) = changed;
    const auto after = calendar_events(*doc, kThisIndex, 2);
    ASSERT_EQ(uids(after), uids(before));
    EXPECT_NE(after[0], before[0]);  // the talk changed
    EXPECT_EQ(after[1], before[1]);  // the outgoing speaker did not
    EXPECT_EQ(after[2], before[2]);  // nor the next week
}

}  // namespace
