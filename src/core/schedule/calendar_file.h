#pragma once
// The calendar export: the events of a run of weeks as one iCalendar (.ics) file, written
// through libical, which folds, escapes and describes the time zone.
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/clock.h"
#include "core/calendar/week.h"
#include "core/schedule/calendar_events.h"
#include "core/store/document.h"

namespace vorla::schedule {

inline constexpr const char* kCalendarExportName = "schedule.ics";

// The zoneinfo name ("Europe/Moscow") of a TZ value (":Europe/Moscow" too) or, when TZ is
// empty, of the zoneinfo file the /etc/localtime link points to; empty when neither names one.
std::string zone_name(std::string_view tz_variable, const std::filesystem::path& localtime_link);
// The machine's zone: TZ, else /etc/localtime.
std::string machine_zone_name();

// The SEQUENCE every event of a file written at `written` (UTC) carries: the minutes since
// 2000-01-01 00:00 UTC. A later export never lowers it, so a calendar that already holds an
// event takes the newer file's version of it instead of ignoring it as stale.
int calendar_sequence(std::time_t written);

// The iCalendar text of the events. Their times are wall-clock times of `zone`, whose
// VTIMEZONE the file carries; a zone libical does not know leaves them floating (each
// calendar takes them as its own local time). `stamp` is the moment of writing, local time
// of the same zone (DTSTAMP).
std::string calendar_text(const std::vector<CalendarEvent>& events, const std::string& zone,
                          const calendar::LocalTime& stamp);

// Writes the events of weeks first .. first + count - 1 (one brother's only, when given) to
// schedule.ics in the data folder or to `to`, replacing it whole. The path, or nothing when
// there was nothing to write or it could not be written (the user has been told why).
std::optional<std::filesystem::path> write_calendar_export(
    const store::Document& doc, calendar::WeekIndex first, int count, std::uint16_t brother_id = 0,
    const std::filesystem::path& to = {}, const std::string& zone = machine_zone_name());

}  // namespace vorla::schedule
