#include "core/reports/report_request.h"

#include "core/reports/annual_check.h"
#include "core/reports/coordinator_list.h"
#include "core/reports/exchange_list.h"
#include "core/reports/invitation_letter.h"
#include "core/reports/invited_list.h"
#include "core/reports/local_assignments.h"
#include "core/reports/outgoing_list.h"
#include "core/reports/outgoing_notice.h"
#include "core/reports/page_metrics.h"
#include "core/reports/readers_list.h"
#include "core/reports/schedule_report.h"
#include "core/reports/speaker_list.h"
#include "core/reports/talk_list.h"
#include "core/reports/talk_worksheet.h"
#include "core/reports/wish_list_print.h"
#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::reports {

namespace {

SpeakerSelection speaker_selection(const ReportRequest& request) {
    return {request.kind == ReportKind::local_speakers, request.congregation, request.circuit};
}

}  // namespace

ReportRequest invitation_letter_request(calendar::WeekIndex week) {
    return {ReportKind::invitation_letter, week, 1, 0};
}

ReportRequest outgoing_notice_request(calendar::WeekIndex week, int slot) {
    return {ReportKind::outgoing_notice, week, 1, slot};
}

DisplayList layout_report(const store::Document& doc, const settings::ReportFonts& fonts,
                          const ReportRequest& request, const Device& device) {
    switch (request.kind) {
        case ReportKind::outgoing_notice:
            return layout_outgoing_notice(doc, fonts, request.first, request.slot, device);
        case ReportKind::invitation_letter:
            return layout_invitation_letter(doc, fonts, request.first, device);
        case ReportKind::annual_check:
            return layout_annual_check(doc, fonts, device);
        case ReportKind::worksheet:
            return layout_worksheet(doc, fonts, request.first, request.weeks, device);
        case ReportKind::readers:
            return layout_readers(doc, fonts, device);
        case ReportKind::speaker_talks:
        case ReportKind::local_speakers:
            return layout_speaker_list(doc, fonts, speaker_selection(request), device);
        case ReportKind::talk_speakers:
            return layout_talk_list(doc, fonts, device);
        case ReportKind::coordinators:
            return layout_coordinator_list(doc, fonts, device);
        case ReportKind::invited:
            return layout_invited_list(doc, fonts, request.first, request.weeks, device);
        case ReportKind::outgoing:
            return layout_outgoing_list(doc, fonts, device);
        case ReportKind::local_assignments:
            return layout_local_assignments(doc, fonts, request.brother, device);
        case ReportKind::exchange:
            return layout_exchange_list(doc, fonts, request.congregation, device);
        case ReportKind::wish_list:
            return layout_wish_list(doc, fonts, doc.wish_list(), device);
        case ReportKind::schedule:
            break;
    }
    return layout_schedule(doc, fonts, {request.first, request.weeks}, device);
}

std::string report_title(const store::Document& doc, const ReportRequest& request) {
    switch (request.kind) {
        case ReportKind::outgoing_notice:
            return text::text(text::TextId::panel_outgoing_notice);
        case ReportKind::invitation_letter:
            return text::text(text::TextId::panel_invitation_letter);
        case ReportKind::annual_check:
            return text::text(text::TextId::public_talk_titles);
        case ReportKind::worksheet:
            return text::text(text::TextId::local_talks);
        case ReportKind::readers:
            return text::text(text::TextId::watchtower_readers);
        case ReportKind::speaker_talks:
        case ReportKind::local_speakers:
            return speaker_list_title(doc, speaker_selection(request));
        case ReportKind::talk_speakers:
            return text::text(text::TextId::public_talk_list);
        case ReportKind::coordinators:
            return text::text(text::TextId::talk_coordinators);
        case ReportKind::invited:
            return text::text(text::TextId::invited_speakers_list);
        case ReportKind::outgoing:
            return text::text(text::TextId::outgoing_speakers);
        case ReportKind::local_assignments:
            return local_assignments_title(doc, request.brother);
        case ReportKind::exchange:
            return exchange_title(doc, request.congregation);
        case ReportKind::wish_list:
            return wish_list_title();
        case ReportKind::schedule:
            break;
    }
    const std::string title(text::trim(doc.settings().schedule_title));
    return title.empty() ? text::text(text::TextId::default_schedule_title) : title;
}

int screen_page_tenths(ReportKind kind) {
    return kind == ReportKind::talk_speakers ? 120 : kPageHeightTenths;
}

}  // namespace vorla::reports
