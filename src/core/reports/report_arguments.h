#pragma once
// The reports of the command line: each kind by a readable name, with the selection its
// dialog would make given as options (--start/--weeks, --week/--slot, --congregation,
// --circuit, --brother). Dates and counts are checked before the data folder is opened; names
// are looked up in the data afterwards.
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/reports/report_request.h"

namespace vorla::reports {

struct NamedReport {
    std::string_view name;  // "speakers", "talk-grid" ...
    ReportKind kind;
    std::string_view options;  // its selection, for the list: "[--congregation NAME] ..."
    std::string_view what;     // one line for `vorla report --list`
};

// Every report the command line renders, in the order the list shows them.
const std::vector<NamedReport>& named_reports();
const NamedReport* named_report(std::string_view name);
// `vorla report --list`: one line per report, its name, selection and what it shows.
std::string named_reports_text();

struct ReportArguments {
    ReportRequest request;
    // As given, looked up in the data by resolve_report_selection.
    std::optional<std::string> congregation;
    std::optional<std::string> circuit;
    std::optional<std::string> brother;
    std::string error;   // non-empty: what is wrong, for the user
    bool usage = false;  // the error is in the command's form: the usage follows
};

// The report's name (the first plain argument) and its options. An option the report does
// not take is an error, so that a mistyped selection is never silently ignored.
ReportArguments parse_report_arguments(std::string_view name,
                                       const std::map<std::string, std::string>& options);

// Looks up the names or ids given for --congregation, --circuit and --brother, and checks what
// the report needs of the data; the error says what is wrong, empty when all is well.
std::string resolve_report_selection(const store::Document& doc, ReportArguments& args);

}  // namespace vorla::reports
