#pragma once
// A schedule with every place filled, for the report benchmarks: in the weeks given, an
// incoming speaker with talk, chairman, reader, host and six outgoing speakers, talk titles
// and the settings that print readers and hospitality.
#include "core/calendar/week.h"
#include "core/store/document.h"

namespace vorla::bench {

// Changes the document in memory only.
void fill_schedule(store::Document& doc, calendar::WeekIndex first, int weeks);

}  // namespace vorla::bench
