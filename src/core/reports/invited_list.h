#pragma once
// The invited speakers: for each chosen week with a visiting speaker, his name, talk,
// congregation, phones and e-mail, at most 18 of them on one page.
#include "core/calendar/week.h"
#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

inline constexpr int kInvitedRows = 18;

// The weeks first .. first + weeks - 1; weeks without a visiting speaker are passed over.
DisplayList layout_invited_list(const store::Document& doc, const settings::ReportFonts& fonts,
                                calendar::WeekIndex first, int weeks, const Device& device);

}  // namespace vorla::reports
