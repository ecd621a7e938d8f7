#include "core/reports/report_request.h"

#include "core/reports/page_metrics.h"
#include "core/reports/schedule_report.h"
#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::reports {

DisplayList layout_report(const store::Document& doc, const settings::ReportFonts& fonts,
                          const ReportRequest& request, const Device& device) {
    switch (request.kind) {
        case ReportKind::schedule:
            break;
    }
    return layout_schedule(doc, fonts, {request.first, request.weeks}, device);
}

std::string report_title(const store::Document& doc, ReportKind kind) {
    switch (kind) {
        case ReportKind::schedule:
            break;
    }
    const std::string title(text::trim(doc.settings().schedule_title));
    return title.empty() ? text::text(text::TextId::default_schedule_title) : title;
}

int screen_page_tenths(ReportKind) {
    return kPageHeightTenths;
}

}  // namespace vorla::reports
