#include "core/reports/report_request.h"

#include "core/reports/page_metrics.h"
#include "core/reports/schedule_report.h"

namespace vorla::reports {

DisplayList layout_report(const store::Document& doc, const settings::ReportFonts& fonts,
                          const ReportRequest& request, const Device& device) {
    switch (request.kind) {
        case ReportKind::schedule:
            break;
    }
    return layout_schedule(doc, fonts, {request.first, request.weeks}, device);
}

int screen_page_tenths(ReportKind) {
    return kPageHeightTenths;
}

}  // namespace vorla::reports
