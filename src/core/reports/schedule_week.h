#pragma once
// What the printed schedule and the text export say about one week, where the two agree.
#include <string>

#include "core/calendar/date_label.h"
#include "core/calendar/week.h"
#include "core/store/document.h"

namespace vorla::reports {

// The date-label style of schedules and lists: short month names with the year.
inline constexpr auto kScheduleLabelStyle =
    calendar::LabelStyle::short_month | calendar::LabelStyle::with_year;

// The week's special-event record; nullptr for an ordinary week or when none is stored.
const store::SpecialEventRecord* event_of(const store::Document& doc, calendar::WeekIndex week);

// The incoming talk: the talk's title in an ordinary week. In a special week the event's talk
// title, its name when that is empty or the week is a convention, and when both are empty
// the kind's own name ("Конгресс", "РН Визит", "Особое событие").
std::string incoming_talk_text(const store::Document& doc, calendar::WeekIndex week);

// The name of an overseer visit: its event name, "РН Визит" when it has none.
std::string overseer_visit_name(const store::Document& doc, calendar::WeekIndex week);

}  // namespace vorla::reports
