#pragma once
// Connects the reports commands of the menus, tool bar and work panel to their dialogs.
namespace vorla::reports {
struct ReportRequest;
}

namespace vorla::gui {

class MainWindow;

void install_report_commands(MainWindow& window);

// Shows a report in the main window's view, laid out from the main window's document and fonts.
void show_report(MainWindow& window, const reports::ReportRequest& request);

}  // namespace vorla::gui
