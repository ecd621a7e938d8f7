#include "core/schedule/calendar_events.h"

#include <cctype>

#include "core/calendar/parity.h"
#include "core/schedule/weekly_role.h"
#include "core/store/named_table.h"
#include "core/store/special_events.h"
#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::schedule {

using calendar::WeekIndex;
using store::EventKind;
using store::WeekRecord;
using text::TextId;

namespace {

bool digit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// A run of one or two digits at `at`, moving `at` past it; nothing when there is none.
std::optional<int> number_at(std::string_view s, std::size_t& at, std::size_t most) {
    std::size_t end = at;
    while (end < s.size() && end - at < most && digit(s[end]))
        ++end;
    if (end == at) return std::nullopt;
    int value = 0;
    for (std::size_t k = at; k < end; ++k)
        value = value * 10 + (s[k] - '0');
    at = end;
    return value;
}

calendar::Date from_date6(const calendar::Date6& d) {
    return {2000 + d.yy, d.mm, d.dd};
}

// The day `offset` days after the week's Monday.
calendar::Date meeting_date(WeekIndex week, calendar::DayOffset offset) {
    calendar::Date6 d = calendar::week_date(week.number());
    for (int k = 0; k < offset.value; ++k)
        d = calendar::add_day(d);
    return from_date6(d);
}

calendar::LocalTime later(const calendar::Date& date, ClockTime at, int minutes) {
    const int total = at.hour * 60 + at.minute + minutes;
    calendar::Date day = date;
    if (total >= 24 * 60) day = from_date6(calendar::add_day(calendar::to_date6(date)));
    return {day, (total / 60) % 24, total % 60};
}

void add_line(std::string& to, const std::string& line) {
    if (line.empty()) return;
    if (!to.empty()) to += '\n';
    to += line;
}

std::string labelled(TextId label, const std::string& value) {
    return value.empty() ? std::string()
                         : text::format(TextId::calendar_summary, text::text(label), value);
}

class EventBuilder {
  public:
    EventBuilder(const store::Document& doc, std::uint16_t brother)
        : doc_(doc), brother_(brother), service_year_(doc.settings().service_year) {}

    void week(WeekIndex i, std::vector<CalendarEvent>& out) const {
        const WeekRecord& w = doc_.weeks().at(i);
        const EventKind kind = w.event_kind();
        const bool ordinary = kind == EventKind::none;
        const std::uint16_t ours = doc_.our_congregation();
        const Meeting hall{
            meeting_date(i, calendar::meeting_offset(doc_.calendar(),
                                                     calendar::own_day_parity(i, service_year_))),
            doc_.congregations().meeting_time(ours, i, service_year_), place(ours)};
        const std::string about = hall_description(i, w);

        if (wanted(ordinary ? w.speaker_id : 0) && (!ordinary || w.speaker_id || w.talk_no)) {
            std::string summary = ordinary ? speaker_summary(w) : event_summary(i, w);
            // A convention keeps no meeting in our hall: the day is marked as a whole.
            const Meeting& at =
                kind == EventKind::convention ? Meeting{hall.date, {}, hall.place} : hall;
            out.push_back(event(i, "talk", at, std::move(summary), about));
        }
        struct Weekly {
            WeeklyRole role;
            bool scheduled;  // the settings plan the role at all
            const char* uid_name;
            TextId caption;
        };
        const settings::Settings& settings = doc_.settings();
        for (const Weekly& r :
             {Weekly{WeeklyRole::chairman, true, "chairman", TextId::role_chairman},
              Weekly{WeeklyRole::reader, settings.readers_scheduled, "reader", TextId::role_reader},
              Weekly{WeeklyRole::hospitality, settings.hospitality_scheduled, "host",
                     TextId::hospitality}}) {
            const std::uint16_t person = person_of(w, r.role);
            // The host is a family, not a brother: no brother's own calendar has it.
            const bool brother = r.role != WeeklyRole::hospitality;
            if (!r.scheduled || !person || !role_allowed(w, r.role) ||
                !wanted(brother ? person : 0))
                continue;
            const std::string who =
                brother ? doc_.brothers().name_of(person)
                        : store::NamedTable::shown_name(doc_.hosts().name_of(person), true);
            out.push_back(event(i, r.uid_name, hall, labelled(r.caption, who), about));
        }

        for (std::size_t k = 0; k < WeekRecord::kOutPlaces; ++k) {
            const std::uint16_t speaker = w.out_speaker_id[k];
            if (!speaker || !wanted(speaker)) continue;
            const std::uint16_t cong = w.out_cong_id[k];
            const auto day = doc_.congregations().meeting_day(cong, i, service_year_);
            const Meeting away{
                meeting_date(i, calendar::to_offset(day.value_or(calendar::StoredDay(0)))),
                doc_.congregations().meeting_time(cong, i, service_year_), place(cong)};
            std::string description;
            add_line(description,
                     labelled(TextId::congregation, doc_.congregations().name_of(cong)));
            add_line(description, talk_line(w.out_talk_no[k]));
            out.push_back(
                event(i, "out" + std::to_string(k + 1), away,
                      labelled(TextId::role_outgoing_speaker, doc_.brothers().name_of(speaker)),
                      std::move(description)));
        }
    }

  private:
    struct Meeting {
        calendar::Date date;
        std::string time;  // as the congregation wrote it
        std::string place;
    };

    bool wanted(std::uint16_t person) const { return !brother_ || person == brother_; }

    // The congregation's name and its hall's address, as one line.
    std::string place(std::uint16_t cong_id) const {
        const auto pos = doc_.congregations().find(cong_id);
        if (!pos) return {};
        const auto record = doc_.congregations().read(doc_.folder(), *pos);
        std::string line;
        for (const std::string* part :
             {&doc_.congregations().at(*pos).name, record ? &record->hall_address1 : nullptr,
              record ? &record->hall_address2 : nullptr}) {
            if (!part || text::is_blank(*part)) continue;
            if (!line.empty()) line += ", ";
            line += text::trim(*part);
        }
        return line;
    }

    std::string talk_line(int talk_no) const {
        if (!talk_no) return {};
        if (text::is_blank(doc_.talks().title(talk_no)))
            return text::format(TextId::talk_number, doc_.talks().number_text(talk_no));
        return text::format(TextId::calendar_talk_line, doc_.talks().number_text(talk_no),
                            doc_.talks().title(talk_no));
    }

    std::string speaker_summary(const WeekRecord& w) const {
        if (w.speaker_id)
            return labelled(TextId::role_speaker, doc_.brothers().name_of(w.speaker_id));
        return talk_line(w.talk_no);
    }

    // The event's kind, and its name when it has one: "Конгресс: Областной конгресс".
    std::string event_summary(WeekIndex i, const WeekRecord& w) const {
        const store::SpecialEventRecord* e = doc_.events().of_week(i);
        const std::string kind = store::default_event_title(w.week_flags);
        if (!e || text::is_blank(e->event_title)) return kind;
        return kind + ": " + std::string(text::trim(e->event_title));
    }

    // What every event in our hall says about the meeting: who speaks, from where, on what.
    std::string hall_description(WeekIndex i, const WeekRecord& w) const {
        std::string d;
        switch (w.event_kind()) {
            case EventKind::none:
                add_line(d, labelled(TextId::role_speaker, doc_.brothers().name_of(w.speaker_id)));
                add_line(d, labelled(TextId::congregation,
                                     doc_.congregations().name_of(w.speaker_cong_id)));
                add_line(d, talk_line(w.talk_no));
                break;
            default:
                // A special week: the overseer by his name and the talk by its title, when
                // the event has them; the summary already names the event.
                if (const store::SpecialEventRecord* e = doc_.events().of_week(i)) {
                    if (w.event_kind() == EventKind::overseer_visit)
                        add_line(d, labelled(TextId::role_speaker,
                                             std::string(text::trim(e->event_title))));
                    add_line(d,
                             labelled(TextId::talk, std::string(text::trim(e->event_talk_title))));
                }
                break;
        }
        return d;
    }

    CalendarEvent event(WeekIndex i, const std::string& role, const Meeting& at,
                        std::string summary, std::string description) const {
        CalendarEvent e;
        e.uid = "w" + std::to_string(i.number().value) + "-" + role + "-c" +
                std::to_string(doc_.our_congregation()) + "@vorla";
        e.date = at.date;
        if (const auto time = parse_meeting_time(at.time)) {
            e.start = calendar::LocalTime{at.date, time->hour, time->minute};
            e.end = later(at.date, *time, kMeetingMinutes);
        } else if (!text::is_blank(at.time)) {
            // A time we cannot read still reaches the brother, in words.
            add_line(description,
                     text::format(TextId::calendar_time_line, std::string(text::trim(at.time))));
        }
        e.summary = std::move(summary);
        e.location = at.place;
        e.description = std::move(description);
        return e;
    }

    const store::Document& doc_;
    std::uint16_t brother_;
    bool service_year_;
};

}  // namespace

std::optional<ClockTime> parse_meeting_time(std::string_view text) {
    const std::string_view s = text::trim(text);
    std::size_t at = 0;
    std::optional<int> hour;
    std::optional<int> minute = 0;
    if (s.size() == 4 && digit(s[0]) && digit(s[1]) && digit(s[2]) && digit(s[3])) {
        hour = number_at(s, at, 2);
        minute = number_at(s, at, 2);
    } else {
        hour = number_at(s, at, 2);
        if (hour && at < s.size()) {
            if (s[at] != ':' && s[at] != '.' && s[at] != '-' && s[at] != ' ') return std::nullopt;
            ++at;
            const std::size_t from = at;
            minute = number_at(s, at, 2);
            if (at - from != 2) return std::nullopt;
        }
    }
    if (!hour || !minute || at != s.size() || *hour > 23 || *minute > 59) return std::nullopt;
    return ClockTime{*hour, *minute};
}

std::vector<CalendarEvent> calendar_events(const store::Document& doc, WeekIndex first, int count,
                                           std::uint16_t brother_id) {
    std::vector<CalendarEvent> out;
    const EventBuilder builder(doc, brother_id);
    for (int k = 0; k < count; ++k)
        builder.week(first + k, out);
    return out;
}

}  // namespace vorla::schedule
