#pragma once
// The assignments of a run of weeks as calendar events: one per assignment, at the meeting's
// day and local wall-clock time, for the iCalendar export.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/clock.h"
#include "core/calendar/week.h"
#include "core/store/document.h"

namespace vorla::schedule {

// What a weekend meeting lasts: the public talk and the Watchtower study.
inline constexpr int kMeetingMinutes = 105;

// A clock time of a meeting, local wall-clock.
struct ClockTime {
    int hour = 0;
    int minute = 0;
    friend constexpr auto operator<=>(const ClockTime&, const ClockTime&) = default;
};

struct CalendarEvent {
    // The same for the same week, role and outgoing slot, whatever the week holds: a calendar
    // that imports a newer file replaces the event instead of adding a second one.
    std::string uid;
    calendar::Date date;  // the meeting's day
    // Local wall-clock times; without a start the event lasts the whole day.
    std::optional<calendar::LocalTime> start;
    std::optional<calendar::LocalTime> end;
    std::string summary;
    std::string location;
    std::string description;

    friend bool operator==(const CalendarEvent&, const CalendarEvent&) = default;
};

// A meeting time as congregations write it: "10:00", "9.30", "18-30", "10 00", "1000" or a
// bare hour "10"; blanks around it are allowed. Nothing for anything else (an empty field,
// "утро", "25:00").
std::optional<ClockTime> parse_meeting_time(std::string_view text);

// The events of weeks first .. first + count - 1 in week order, our hall's first in a week.
// With a brother: only his assignments (speaker in our hall, chairman, reader, outgoing).
std::vector<CalendarEvent> calendar_events(const store::Document& doc, calendar::WeekIndex first,
                                           int count, std::uint16_t brother_id = 0);

}  // namespace vorla::schedule
