#pragma once
// Which report the view shows, with what its selection dialog returned, and the one entry
// that lays any of them out for a device.
#include <cstdint>

#include "core/calendar/week.h"
#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

// Report kinds as the view numbers them.
enum class ReportKind : int {
    schedule = 1,
    speaker_talks = 2,  // each speaker with the talks he gives
    talk_speakers = 3,  // each talk with the speakers who give it
    annual_check = 4,   // six years of when each talk was heard
    outgoing_notice = 5,
    invitation_letter = 6,
    exchange = 7,           // the exchange with one congregation
    local_assignments = 8,  // one local brother's assignments
    invited = 9,            // the visiting speakers of chosen weeks
    outgoing = 10,          // our outgoing speakers
    readers = 11,           // the Watchtower readers
    worksheet = 12,         // the local talks worksheet
    local_speakers = 13,    // our speakers and the talks none of them gives
    coordinators = 14,      // every congregation's talk coordinator
    wish_list = 15,         // printed straight from its dialog, never shown in the view
};

struct ReportRequest {
    ReportKind kind = ReportKind::schedule;
    calendar::WeekIndex first;  // schedule and week lists; the week of a letter
    int weeks = 1;
    int slot = 0;  // the notice's outgoing slot, 0..5
    // The selectors of the lists made for one congregation, circuit or brother; 0: none
    // (for the speaker list: all).
    std::uint16_t congregation = 0;
    std::uint16_t circuit = 0;
    std::uint16_t brother = 0;
};

// The letter of a week, and the notice of one of its outgoing slots (0..5).
ReportRequest invitation_letter_request(calendar::WeekIndex week);
ReportRequest outgoing_notice_request(calendar::WeekIndex week, int slot);

DisplayList layout_report(const store::Document& doc, const settings::ReportFonts& fonts,
                          const ReportRequest& request, const Device& device);

// The report's name on a print job and in a PDF's properties, so that the printer's queue
// shows what is printing: the schedule's heading, or its default when the heading is blank;
// the letters' names as the work panel has them.
std::string report_title(const store::Document& doc, const ReportRequest& request);

// The height of one page on the screen in tenths of an inch: the page's 11 inches, but 12 for
// the talk list, whose pages run longer on the screen.
int screen_page_tenths(ReportKind kind);

}  // namespace vorla::reports
