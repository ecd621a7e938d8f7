#include "core/reports/report_request.h"

#include "core/reports/invitation_letter.h"
#include "core/reports/outgoing_notice.h"
#include "core/reports/page_metrics.h"
#include "core/reports/schedule_report.h"
#include "core/reports/wish_list_print.h"
#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::reports {

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
        case ReportKind::wish_list:
            return layout_wish_list(doc, fonts, doc.wish_list(), device);
        case ReportKind::schedule:
        default:  // LIST-KINDS: each list adds its case here
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
        case ReportKind::wish_list:
            return wish_list_title();
        case ReportKind::schedule:
        default:  // LIST-KINDS: each list adds its case here
            break;
    }
    const std::string title(text::trim(doc.settings().schedule_title));
    return title.empty() ? text::text(text::TextId::default_schedule_title) : title;
}

int screen_page_tenths(ReportKind kind) {
    return kind == ReportKind::talk_speakers ? 120 : kPageHeightTenths;
}

}  // namespace vorla::reports
