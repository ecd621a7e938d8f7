#pragma once
// Connects the reports commands of the menus, tool bar and work panel to their dialogs.
namespace vorla::reports {
struct ReportRequest;
}

namespace vorla::gui {

class CMainFrame;

void install_report_commands(CMainFrame& frame);

// Shows a report in the frame's view, laid out from the frame's document and fonts.
void show_report(CMainFrame& frame, const reports::ReportRequest& request);

}  // namespace vorla::gui
