#pragma once
// The local talks worksheet: one ruled row per chosen week with its talk, speaker, his
// congregation and phone, and a note on where the arrangement stands.
#include <string>
#include <vector>

#include "core/calendar/week.h"
#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/settings/report_fonts.h"
#include "core/store/document.h"

namespace vorla::reports {

inline constexpr int kWorksheetMaxWeeks = 144;

struct WorksheetRow {
    std::string date;  // short month with the year
    std::string talk;  // the talk number, plain
    std::string speaker;
    std::string congregation;
    std::string phone;  // the first of his phone list
    // Up to the current week his note (20 characters; none when it starts with "!"); later
    // "Запрос" or "Подтверждено" as far as the arrangement has come.
    std::string note;
};

// The rows of `weeks` weeks (1..144) from `first`, ending with the week window.
std::vector<WorksheetRow> worksheet_rows(const store::Document& doc, calendar::WeekIndex first,
                                         int weeks);

DisplayList layout_worksheet(const store::Document& doc, const settings::ReportFonts& fonts,
                             calendar::WeekIndex first, int weeks, const Device& device);

}  // namespace vorla::reports
