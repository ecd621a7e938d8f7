#include "core/reports/schedule_week.h"

#include "core/store/special_events.h"
#include "core/text/texts.h"

namespace vorla::reports {

using text::TextId;

const store::SpecialEventRecord* event_of(const store::Document& doc, calendar::WeekIndex week) {
    return doc.weeks().at(week).is_special() ? doc.events().of_week(week) : nullptr;
}

std::string incoming_talk_text(const store::Document& doc, calendar::WeekIndex week) {
    const store::WeekRecord& w = doc.weeks().at(week);
    if (!w.is_special()) return doc.talks().title(w.talk_no);
    const store::SpecialEventRecord* event = event_of(doc, week);
    std::string text = event ? event->event_talk_title : std::string();
    if (event && (text.empty() || w.event_kind() == store::EventKind::convention))
        text = event->event_title;
    if (text.empty()) text = store::default_event_title(w.week_flags);
    return text;
}

std::string overseer_visit_name(const store::Document& doc, calendar::WeekIndex week) {
    const store::SpecialEventRecord* event = event_of(doc, week);
    if (event && !event->event_title.empty()) return event->event_title;
    return text::text(TextId::event_circuit_visit);
}

}  // namespace vorla::reports
