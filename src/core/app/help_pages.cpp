#include "core/app/help_pages.h"

#include <array>
#include <utility>

namespace vorla::app {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 27> kPages = {{
    {"MainWindow", "start.html"},
    {"AboutDialog", "index.html"},
    {"SettingsDialog", "settings.html"},
    {"AvailabilityDialog", "editing.html#availability"},
    {"BrotherEditorDialog", "editing.html#brothers"},
    {"BrotherListDialog", "editing.html#brothers"},
    {"CongregationEditorDialog", "editing.html#congregations"},
    {"CongregationListDialog", "editing.html#congregations"},
    {"MapDialog", "editing.html#map"},
    {"NameListDialog", "editing.html#names"},
    {"TalkChooserDialog", "editing.html#talks"},
    {"TalkEditorDialog", "editing.html#talks"},
    {"WeekEditorDialog", "editing.html#history"},
    {"SpeakerHistoryDialog", "editing.html#histories"},
    {"TalkHistoryDialog", "editing.html#histories"},
    {"FontChooser", "reports.html#fonts"},
    {"WeekRangeDialog", "reports.html#schedule"},
    {"ReportView", "reports.html#view"},
    {"QPrintDialog", "reports.html#printing"},
    {"QPrintPreviewDialog", "reports.html#printing"},
    {"ScheduleSheet", "planning.html#local-talks"},
    {"CongregationChooserDialog", "planning.html#choosing"},
    {"SpeakerPickerDialog", "planning.html#choosing"},
    {"TalkPickerDialog", "planning.html#choosing"},
    {"WeekCongregationDialog", "planning.html#choosing"},
    {"ContactsDialog", "planning.html#choosing"},
    {"PackageImportDialog", "files.html#packages"},
}};

}  // namespace

std::string help_page_for(std::string_view window_class) {
    if (const auto colons = window_class.rfind("::"); colons != std::string_view::npos)
        window_class.remove_prefix(colons + 2);
    for (const auto& [name, page] : kPages) {
        if (name == window_class) return std::string(page);
    }
    return "index.html";
}

}  // namespace vorla::app
