#include "core/app/help_pages.h"

#include <array>
#include <utility>

namespace vorla::app {

namespace {

constexpr std::array<std::pair<std::string_view, std::string_view>, 35> kPages = {{
    {"MainWindow", "start.html"},
    {"AboutDialog", "index.html"},
    {"SettingsDialog", "settings.html"},
    {"AvailabilityDialog", "availability.html"},
    {"BrotherEditorDialog", "brother.html"},
    {"BrotherListDialog", "brothers.html"},
    {"CongregationEditorDialog", "congregation.html"},
    {"CongregationListDialog", "congregations.html"},
    {"MapDialog", "map.html"},
    {"NameListDialog", "names.html"},
    {"TalkChooserDialog", "talks.html"},
    {"TalkEditorDialog", "talk.html"},
    {"OurCongregationDialog", "our-congregation.html"},
    {"LocalRoleListDialog", "role-lists.html"},
    {"WishListDialog", "talks-we-need.html"},
    {"WeekEditorDialog", "week-editor.html"},
    {"SpeakerHistoryDialog", "speaker-history.html"},
    {"TalkHistoryDialog", "talk-history.html"},
    {"FontChooser", "fonts.html"},
    {"WeekRangeDialog", "schedule.html"},
    {"ReportView", "view.html"},
    {"QPrintDialog", "printing.html"},
    {"QPrintPreviewDialog", "printing.html"},
    {"ScheduleSheet", "planning.html"},
    {"CongregationChooserDialog", "congregation-chooser.html"},
    {"SpeakerPickerDialog", "speaker-picker.html"},
    {"TalkPickerDialog", "talk-picker.html"},
    {"WeekCongregationDialog", "week-congregation.html"},
    {"ContactsDialog", "contacts.html"},
    {"EventDialog", "event.html"},
    {"PackageImportDialog", "packages.html"},
    {"PackageExportedDialog", "packages.html"},
    {"BackupDialog", "backup.html"},
    {"FolderChooserDialog", "folder.html"},
    {"HelpWindow", "index.html"},
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

std::string help_page_for(schedule::PageKind page) {
    using enum schedule::PageKind;
    switch (page) {
        case local_talks:
            return "local-talks.html";
        case chairmen:
            return "chairmen.html";
        case hospitality:
            return "hospitality.html";
        case readers:
            return "readers.html";
        case outgoing:
            return "outgoing.html";
        case summary:
            return "summary.html";
        case events:
            return "events.html";
    }
    return "planning.html";
}

std::string help_page_for(reports::WeekRangeForm form) {
    switch (form) {
        case reports::WeekRangeForm::calendar:
            return "calendar.html";
        case reports::WeekRangeForm::short_list:
        case reports::WeekRangeForm::long_list:
            return "lists.html";
        case reports::WeekRangeForm::schedule:
            break;
    }
    return "schedule.html";
}

}  // namespace vorla::app
