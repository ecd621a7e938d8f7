#pragma once
// The schedule as tab-separated text for mail merge and spreadsheets: ptsched.txt in the
// data folder, Windows-1251 with CR LF line ends, a 33-column header, an empty line and one
// line per week.
#include <filesystem>
#include <optional>
#include <string>

#include "core/calendar/week.h"
#include "core/store/document.h"

namespace vorla::reports {

inline constexpr const char* kScheduleExportName = "ptsched.txt";

// The file's text (UTF-8, "\r\n" line ends) for the weeks first .. first + count - 1.
std::string schedule_export_text(const store::Document& doc, calendar::WeekIndex first, int count);

// Replaces ptsched.txt in the data folder, or the file `to` when one is named; its path, or
// nothing when it could not be written (then the user has been told with the full path). A
// count of 0 does nothing.
std::optional<std::filesystem::path> write_schedule_export(const store::Document& doc,
                                                           calendar::WeekIndex first, int count,
                                                           const std::filesystem::path& to = {});

// "Экспорт" of the week-range dialog: writes the file and tells the user where it is
// ("Расписание экспортировалось в..."). True when the file was written.
bool export_schedule(const store::Document& doc, calendar::WeekIndex first, int count);

}  // namespace vorla::reports
