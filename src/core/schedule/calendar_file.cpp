#include "core/schedule/calendar_file.h"

#include <libical/ical.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <system_error>

#include "core/text/texts.h"

namespace vorla::schedule {

using text::TextId;

namespace {

struct ComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentFree>;

icaltimetype ical_time(const calendar::LocalTime& t, icaltimezone* zone) {
    icaltimetype out = icaltime_null_time();
    out.year = t.date.year;
    out.month = t.date.month;
    out.day = t.date.day;
    out.hour = t.hour;
    out.minute = t.minute;
    return zone ? icaltime_set_timezone(&out, zone) : out;
}

icaltimetype ical_date(const calendar::Date& d) {
    icaltimetype out = icaltime_null_date();
    out.year = d.year;
    out.month = d.month;
    out.day = d.day;
    return out;
}

// A wall-clock time property, naming its zone when it has one.
icalproperty* zoned(icalproperty* property, icaltimezone* zone, const std::string& name) {
    if (zone) icalproperty_add_parameter(property, icalparameter_new_tzid(name.c_str()));
    return property;
}

icalcomponent* vevent(const CalendarEvent& e, icaltimezone* zone, const std::string& name,
                      icaltimetype stamp, int sequence) {
    icalcomponent* v = icalcomponent_new(ICAL_VEVENT_COMPONENT);
    icalcomponent_add_property(v, icalproperty_new_uid(e.uid.c_str()));
    icalcomponent_add_property(v, icalproperty_new_dtstamp(stamp));
    icalcomponent_add_property(v, icalproperty_new_sequence(sequence));
    if (e.start && e.end) {
        icalcomponent_add_property(
            v, zoned(icalproperty_new_dtstart(ical_time(*e.start, zone)), zone, name));
        icalcomponent_add_property(
            v, zoned(icalproperty_new_dtend(ical_time(*e.end, zone)), zone, name));
    } else {
        // The whole day: DTEND is the next day, which an all-day event does not include.
        icaltimetype day = ical_date(e.date);
        icalcomponent_add_property(v, icalproperty_new_dtstart(day));
        icaltime_adjust(&day, 1, 0, 0, 0);
        icalcomponent_add_property(v, icalproperty_new_dtend(day));
    }
    icalcomponent_add_property(v, icalproperty_new_summary(e.summary.c_str()));
    if (!e.location.empty())
        icalcomponent_add_property(v, icalproperty_new_location(e.location.c_str()));
    if (!e.description.empty())
        icalcomponent_add_property(v, icalproperty_new_description(e.description.c_str()));
    icalcomponent_add_property(v, icalproperty_new_transp(ICAL_TRANSP_OPAQUE));
    return v;
}

}  // namespace

std::string zone_name(std::string_view tz_variable, const std::filesystem::path& localtime_link) {
    std::string_view tz = tz_variable;
    if (!tz.empty() && tz.front() == ':') tz.remove_prefix(1);
    if (!tz.empty()) {
        // A path to a zoneinfo file names the zone after its zoneinfo folder.
        const std::string_view marker = "zoneinfo/";
        if (const auto at = tz.rfind(marker); at != std::string_view::npos)
            tz.remove_prefix(at + marker.size());
        return std::string(tz);
    }
    std::error_code error;
    const std::string target = std::filesystem::read_symlink(localtime_link, error).string();
    if (error) return {};
    const std::string marker = "zoneinfo/";
    const auto at = target.rfind(marker);
    return at == std::string::npos ? std::string() : target.substr(at + marker.size());
}

std::string machine_zone_name() {
    const char* tz = std::getenv("TZ");
    return zone_name(tz ? tz : "", "/etc/localtime");
}

int calendar_sequence(std::time_t written) {
    constexpr std::time_t kFrom = 946684800;  // 2000-01-01 00:00 UTC
    return written <= kFrom
               ? 0
               : static_cast<int>(std::min<std::time_t>((written - kFrom) / 60, INT32_MAX));
}

std::string calendar_text(const std::vector<CalendarEvent>& events, const std::string& zone,
                          const calendar::LocalTime& stamp) {
    icaltimezone* tz = zone.empty() ? nullptr : icaltimezone_get_builtin_timezone(zone.c_str());
    icaltimezone* utc = icaltimezone_get_utc_timezone();
    const icaltimetype stamp_utc = icaltime_convert_to_zone(ical_time(stamp, tz ? tz : utc), utc);

    const Component calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(),
                               icalproperty_new_prodid("-//Vorla//Vorla " VORLA_VERSION "//RU"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_calscale("GREGORIAN"));
    icalcomponent_add_property(calendar.get(), icalproperty_new_method(ICAL_METHOD_PUBLISH));
    if (tz) {
        // The zone is named "Europe/Moscow" rather than by the library's own prefixed TZID:
        // the plain zoneinfo name is what calendar programs recognise without the VTIMEZONE.
        icalcomponent* vtimezone = icalcomponent_new_clone(icaltimezone_get_component(tz));
        icalproperty* tzid = icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY);
        if (tzid) icalproperty_set_tzid(tzid, zone.c_str());
        icalcomponent_add_component(calendar.get(), vtimezone);
    }
    const int sequence = calendar_sequence(icaltime_as_timet(stamp_utc));
    for (const CalendarEvent& e : events)
        icalcomponent_add_component(calendar.get(), vevent(e, tz, zone, stamp_utc, sequence));
    char* written = icalcomponent_as_ical_string_r(calendar.get());
    std::string out = written ? written : "";
    std::free(written);
    return out;
}

std::optional<std::filesystem::path> write_calendar_export(const store::Document& doc,
                                                           calendar::WeekIndex first, int count,
                                                           std::uint16_t brother_id,
                                                           const std::filesystem::path& to,
                                                           const std::string& zone) {
    if (count <= 0) return std::nullopt;
    const std::vector<CalendarEvent> events = calendar_events(doc, first, count, brother_id);
    if (events.empty()) {
        doc.prompter().inform(text::text(TextId::calendar_nothing_to_export));
        return std::nullopt;
    }
    const std::filesystem::path path =
        to.empty() ? doc.folder().file(std::string_view(kCalendarExportName)) : to;
    if (!doc.folder().replace(path, calendar_text(events, zone, doc.now()))) return std::nullopt;
    return path;
}

}  // namespace vorla::schedule
