#pragma once
// Connects the reports commands of the menus, tool bar and work panel to their dialogs.
namespace vorla::gui {

class CMainFrame;

void install_report_commands(CMainFrame& frame);

}  // namespace vorla::gui
