#pragma once
// How far a week's planning has come, as the summary colours its date: the first rule that
// applies wins.
#include "core/calendar/week.h"
#include "core/store/document.h"

namespace vorla::schedule {

enum class WeekStatus {
    none,                 // nothing planned
    complete,             // nothing missing
    incomplete,           // a role the week needs is open
    speaker_unavailable,  // the speaker or an outgoing speaker is away that week
    unconfirmed,          // fully planned, the visiting speaker not confirmed yet
    conflict,             // somebody holds two assignments, or goes out in an event week
    outgoing_incomplete,  // our first outgoing speaker lacks his talk or congregation
};

WeekStatus week_status(const store::Document& doc, calendar::WeekIndex w);

}  // namespace vorla::schedule
