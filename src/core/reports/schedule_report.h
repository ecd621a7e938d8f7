#pragma once
// The printed schedule: one block per week (date and incoming talk, speaker and his
// congregation, chairman, reader, host, and our outgoing speakers), packed onto pages under
// the schedule title.
#include <vector>

#include "core/calendar/week.h"
#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

struct ScheduleRange {
    calendar::WeekIndex first;
    int weeks = 1;  // 1..52
};

// The line height: the larger of the Speakers and Text fonts, at least a sixth of an inch.
int schedule_line_height(const DisplayList& list);

// How many weeks each page holds. A week fits while (outgoing lines + 4 x weeks) lines and
// the top margin stay within 9.75 inches (9.5 on paper), less what of the page its sheet
// cannot print; the half-line gaps between blocks are not counted. A week too tall for an
// empty page gets a page of its own.
std::vector<int> paginate_schedule(const store::Document& doc, const ScheduleRange& range,
                                   int line_height, int top_margin, const Device& device);

// The whole schedule for the device; today's date is the print date on paper.
DisplayList layout_schedule(const store::Document& doc, const settings::ReportFonts& fonts,
                            const ScheduleRange& range, const Device& device);

}  // namespace vorla::reports
