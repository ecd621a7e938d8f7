#include "core/schedule/calendar_file.h"

#include <gtest/gtest.h>
#include <libical/ical.h>

#include <ctime>
#include <memory>
#include <sstream>

#include "core/reports/report_fixture.h"

using namespace vorla;
using namespace vorla::schedule;
using namespace vorla::testing;
using calendar::LocalTime;

namespace {

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Parsed = std::unique_ptr<icalcomponent, ComponentFree>;

Parsed parse(const std::string& text) {
    return Parsed(icalparser_parse_string(text.c_str()));
}

std::vector<icalcomponent*> vevents(icalcomponent* calendar) {
    std::vector<icalcomponent*> out;
    for (icalcomponent* c = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT); c;
         c = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT))
        out.push_back(c);
    return out;
}

std::string tzid_of(icalcomponent* event, icalproperty_kind kind) {
    icalproperty* p = icalcomponent_get_first_property(event, kind);
    icalparameter* tzid = p ? icalproperty_get_first_parameter(p, ICAL_TZID_PARAMETER) : nullptr;
    return tzid ? icalparameter_get_tzid(tzid) : "";
}

std::time_t utc(int year, int month, int day, int hour, int minute) {
    std::tm t{};
    t.tm_year = year - 1900;
    t.tm_mon = month - 1;
    t.tm_mday = day;
    t.tm_hour = hour;
    t.tm_min = minute;
    return timegm(&t);
}

CalendarEvent timed(std::string uid, LocalTime start, LocalTime end) {
    CalendarEvent e;
    e.uid = std::move(uid);
    e.date = start.date;
    e.start = start;
    e.end = end;
    e.summary = "Докладчик: Иван Петров";
    return e;
}

const LocalTime kStamp{{2026, 12, 8}, 21, 15};

TEST(CalendarFile, TextsSurviveTheLibrarysEscapingAndFoldingUnchanged) {
    CalendarEvent e =
        timed("w1406-talk-c1@vorla", {{2026, 12, 13}, 10, 0}, {{2026, 12, 13}, 11, 45});
    // Commas, semicolons, a backslash, line breaks and a long Cyrillic line that must be
    // folded (two bytes a letter).
    e.summary = "Докладчик: Иван Петров; речь 12, \"Как найти мир\" \\ часть";
    e.location = "Центральное, ул. Ленина, 5, Казань, " + std::string(40, 'x');
    e.description =
        "Докладчик: Иван Петров\nСобрание: Северное\nРечь 12: Как найти мир в "
        "беспокойном мире, полном тревог и забот каждого дня";
    const std::string text = calendar_text({e}, "Europe/Berlin", kStamp);

    // Every line ends in CR LF and none is longer than 75 octets.
    std::istringstream lines(text);
    std::string line;
    int count = 0;
    while (std::getline(lines, line)) {
        ++count;
        ASSERT_FALSE(line.empty());
        EXPECT_EQ(line.back(), '\r');
        EXPECT_LE(line.size() - 1, 75u) << line;
    }
    EXPECT_GT(count, 10);

    const Parsed calendar = parse(text);
    ASSERT_TRUE(calendar);
    const auto events = vevents(calendar.get());
    ASSERT_EQ(events.size(), 1u);
    icalcomponent* v = events[0];
    EXPECT_STREQ(icalcomponent_get_uid(v), e.uid.c_str());
    EXPECT_EQ(icalcomponent_get_summary(v), e.summary);
    EXPECT_EQ(icalcomponent_get_location(v), e.location);
    EXPECT_EQ(icalcomponent_get_description(v), e.description);
    // SEQUENCE counts the minutes from 2000 to the moment of writing, 20:15Z.
    EXPECT_EQ(icalcomponent_get_sequence(v), 14167935);
    // DTSTAMP is the moment of writing in UTC: 21:15 in Berlin's winter is 20:15Z.
    const icaltimetype stamp = icalcomponent_get_dtstamp(v);
    EXPECT_TRUE(icaltime_is_utc(stamp));
    EXPECT_EQ(icaltime_as_timet(stamp), utc(2026, 12, 8, 20, 15));
    icalproperty* method = icalcomponent_get_first_property(calendar.get(), ICAL_METHOD_PROPERTY);
    ASSERT_TRUE(method);
    EXPECT_EQ(icalproperty_get_method(method), ICAL_METHOD_PUBLISH);
}

TEST(CalendarFile, ALaterExportNeverLowersTheSequence) {
    // The same event written now, a minute later and after the clocks went back an hour:
    // a calendar takes each newer file's event only when its SEQUENCE is not lower.
    const CalendarEvent e =
        timed("w1406-talk-c1@vorla", {{2027, 11, 7}, 10, 0}, {{2027, 11, 7}, 11, 45});
    const LocalTime stamps[] = {kStamp,
                                {{2026, 12, 8}, 21, 16},
                                {{2027, 10, 31}, 1, 59},
                                {{2027, 10, 31}, 3, 1},
                                {{2037, 1, 1}, 0, 0}};
    int previous = -1;
    for (const LocalTime& stamp : stamps) {
        const Parsed calendar = parse(calendar_text({e}, "Europe/Berlin", stamp));
        ASSERT_TRUE(calendar);
        const int sequence = icalcomponent_get_sequence(vevents(calendar.get()).at(0));
        EXPECT_GT(sequence, previous);
        previous = sequence;
    }
    EXPECT_EQ(calendar_sequence(0), 0);  // a clock before 2000 cannot go below zero
}

TEST(CalendarFile, WallClockTimesKeepTheirHourAcrossADaylightSavingChange) {
    // Saturday 17:30 before and after the change of 28 March 2027 in Berlin.
    const std::string text =
        calendar_text({timed("a@vorla", {{2027, 3, 27}, 17, 30}, {{2027, 3, 27}, 19, 15}),
                       timed("b@vorla", {{2027, 4, 3}, 17, 30}, {{2027, 4, 3}, 19, 15})},
                      "Europe/Berlin", kStamp);
    const Parsed calendar = parse(text);
    ASSERT_TRUE(calendar);
    // The zone the times name is described in the file itself.
    icalcomponent* vtimezone =
        icalcomponent_get_first_component(calendar.get(), ICAL_VTIMEZONE_COMPONENT);
    ASSERT_TRUE(vtimezone);
    icaltimezone* zone = icalcomponent_get_timezone(calendar.get(), "Europe/Berlin");
    ASSERT_TRUE(zone);

    const auto events = vevents(calendar.get());
    ASSERT_EQ(events.size(), 2u);
    const std::time_t expected_start[] = {utc(2027, 3, 27, 16, 30), utc(2027, 4, 3, 15, 30)};
    const std::time_t expected_end[] = {utc(2027, 3, 27, 18, 15), utc(2027, 4, 3, 17, 15)};
    for (std::size_t k = 0; k < events.size(); ++k) {
        EXPECT_EQ(tzid_of(events[k], ICAL_DTSTART_PROPERTY), "Europe/Berlin");
        EXPECT_EQ(tzid_of(events[k], ICAL_DTEND_PROPERTY), "Europe/Berlin");
        const icaltimetype start = icalcomponent_get_dtstart(events[k]);
        EXPECT_EQ(start.hour, 17);
        EXPECT_EQ(icaltime_as_timet_with_zone(start, zone), expected_start[k]);
        EXPECT_EQ(icaltime_as_timet_with_zone(icalcomponent_get_dtend(events[k]), zone),
                  expected_end[k]);
    }
}

TEST(CalendarFile, AllDayEventsEndOnTheNextDayAndAnUnknownZoneLeavesTimesFloating) {
    CalendarEvent day;
    day.uid = "w1409-out2-c1@vorla";
    day.date = {2026, 12, 31};
    day.summary = "Уходящий докладчик: Борис Волков";
    CalendarEvent evening =
        timed("w1409-talk-c1@vorla", {{2026, 12, 31}, 23, 0}, {{2027, 1, 1}, 0, 45});
    const Parsed calendar = parse(calendar_text({day, evening}, "Nowhere/Atlantis", kStamp));
    ASSERT_TRUE(calendar);
    EXPECT_FALSE(icalcomponent_get_first_component(calendar.get(), ICAL_VTIMEZONE_COMPONENT));
    const auto events = vevents(calendar.get());
    ASSERT_EQ(events.size(), 2u);

    const icaltimetype start = icalcomponent_get_dtstart(events[0]);
    const icaltimetype end = icalcomponent_get_dtend(events[0]);
    EXPECT_TRUE(start.is_date);
    EXPECT_EQ(std::string(icaltime_as_ical_string(start)), "20261231");
    EXPECT_EQ(std::string(icaltime_as_ical_string(end)), "20270101");
    EXPECT_FALSE(icalcomponent_get_first_property(events[0], ICAL_LOCATION_PROPERTY));

    EXPECT_EQ(tzid_of(events[1], ICAL_DTSTART_PROPERTY), "");
    EXPECT_EQ(std::string(icaltime_as_ical_string(icalcomponent_get_dtstart(events[1]))),
              "20261231T230000");
    EXPECT_EQ(std::string(icaltime_as_ical_string(icalcomponent_get_dtend(events[1]))),
              "20270101T004500");
}

TEST(CalendarFile, TheZoneIsTakenFromTzOrTheLocaltimeLink) {
    TempDir dir;
    const auto link = dir / "localtime";
    std::filesystem::create_symlink("/usr/share/zoneinfo/Europe/Moscow", link);
    EXPECT_EQ(zone_name("", link), "Europe/Moscow");
    EXPECT_EQ(zone_name(":Asia/Tokyo", link), "Asia/Tokyo");
    EXPECT_EQ(zone_name("/usr/share/zoneinfo/America/New_York", link), "America/New_York");
    EXPECT_EQ(zone_name("", dir / "missing"), "");
}

TEST_F(ReportData, CalendarExportWritesTheWeeksEventsOrNothingWhenThereAreNone) {
    write_reference_data();
    weeks.push_back(week_record(kThisWeek).u16(week_at::kSpeaker, 1).u16(week_at::kChairman, 3));
    auto doc = open();
    const calendar::WeekIndex first(kThisWeek - 1);
    const auto path = write_calendar_export(*doc, first, 2, 0, {}, "Europe/Moscow");
    ASSERT_TRUE(path);
    EXPECT_EQ(*path, dir / "schedule.ics");
    const std::vector<std::uint8_t> bytes = read_bytes(*path);
    const Parsed calendar = parse(std::string(bytes.begin(), bytes.end()));
    ASSERT_TRUE(calendar);
    EXPECT_EQ(vevents(calendar.get()).size(), 2u);
    EXPECT_TRUE(prompter.messages.empty());

    // Brother 2 has nothing in these weeks: he is told so, and no file is written.
    const auto out = dir / "his.ics";
    EXPECT_FALSE(write_calendar_export(*doc, first, 2, 2, out, "Europe/Moscow"));
    EXPECT_FALSE(std::filesystem::exists(out));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "В выбранные недели нет ни одного назначения: файл календаря не записан.");
}

}  // namespace
