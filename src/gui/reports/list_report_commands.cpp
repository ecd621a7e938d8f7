#include "gui/reports/list_report_commands.h"

#include "core/commands/command.h"
#include "core/reports/report_request.h"
#include "gui/app/main_window.h"
#include "gui/editors/local_role_list_dialog.h"
#include "gui/reports/report_commands.h"
#include "gui/reports/week_range_dialog.h"
#include "gui/schedule/congregation_chooser_dialog.h"

namespace vorla::gui {

using commands::Command;
using reports::ReportKind;
using reports::ReportRequest;

namespace {

ReportRequest of_kind(ReportKind kind) {
    ReportRequest request;
    request.kind = kind;
    return request;
}

// The speakers of one congregation, of one circuit, or of all of them.
void open_speaker_talks(MainWindow& window) {
    CongregationChooserDialog dialog(window.doc(), schedule::ChooserMode::all, &window);
    if (dialog.exec() != QDialog::Accepted) return;
    const auto congregation = dialog.model().accept();
    if (!congregation) return;
    ReportRequest request = of_kind(ReportKind::speaker_talks);
    request.congregation = *congregation;
    request.circuit = dialog.model().circuit_filter();
    show_report(window, request);
}

void open_exchange(MainWindow& window) {
    const auto congregation =
        CongregationChooserDialog::choose(window.doc(), schedule::ChooserMode::exchange, &window);
    if (!congregation || *congregation == 0) return;
    ReportRequest request = of_kind(ReportKind::exchange);
    request.congregation = *congregation;
    show_report(window, request);
}

void open_local_assignments(MainWindow& window) {
    editors::LocalRoleListParams params;
    params.assignments = true;
    const auto position = LocalRoleListDialog::choose(window.doc(), params, &window);
    if (!position) return;
    ReportRequest request = of_kind(ReportKind::local_assignments);
    request.brother = window.doc().brothers().at(*position).brother_id;
    show_report(window, request);
}

void open_week_list(MainWindow& window, ReportKind kind, reports::WeekRangeForm form) {
    WeekRangeDialog dialog(window.doc(), form, &window);
    if (dialog.choose() != WeekRangeDialog::Choice::show) return;
    show_report(window, {kind, dialog.model().first_week(), dialog.model().week_count()});
}

}  // namespace

void install_list_report_commands(MainWindow& window) {
    CommandSet& c = window.commands();
    c.set_handler(Command::speaker_talks, [&window] { open_speaker_talks(window); });
    c.set_handler(Command::exchange_list, [&window] { open_exchange(window); });
    c.set_handler(Command::local_assignments, [&window] { open_local_assignments(window); });
    c.set_handler(Command::invited_list, [&window] {
        open_week_list(window, ReportKind::invited, reports::WeekRangeForm::short_list);
    });
    c.set_handler(Command::local_talks_worksheet, [&window] {
        open_week_list(window, ReportKind::worksheet, reports::WeekRangeForm::long_list);
    });
    // The lists without a selection.
    const std::pair<Command, ReportKind> plain[] = {
        {Command::talk_speakers, ReportKind::talk_speakers},
        {Command::annual_check, ReportKind::annual_check},
        {Command::outgoing_list, ReportKind::outgoing},
        {Command::readers_list, ReportKind::readers},
        {Command::local_speakers, ReportKind::local_speakers},
        {Command::talk_coordinators, ReportKind::coordinators},
    };
    for (const auto& [command, kind] : plain)
        c.set_handler(command, [&window, kind] { show_report(window, of_kind(kind)); });
}

}  // namespace vorla::gui
