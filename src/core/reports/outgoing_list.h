#pragma once
// Our outgoing speakers: every outgoing slot with a speaker in the 55 weeks from the current
// one, with the day, time and place he goes to, 18 to a page.
#include <string>

#include "core/reports/destination_meeting.h"
#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

inline constexpr int kOutgoingWeeks = 55;
inline constexpr int kOutgoingRowsPerPage = 18;

// The line under a row: the time ("(time)" in French), then " - " and the weekday when the
// destination meets on another day than we; the weekday alone when it has no time.
std::string outgoing_time_line(const DestinationMeeting& meeting, std::string_view language);

DisplayList layout_outgoing_list(const store::Document& doc, const settings::ReportFonts& fonts,
                                 const Device& device);

}  // namespace vorla::reports
