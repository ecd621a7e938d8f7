#pragma once
// Connects the schedule commands of the menus, tool bar and work panel to their dialogs.
namespace vorla::gui {

class CMainFrame;

void install_schedule_commands(CMainFrame& frame);

}  // namespace vorla::gui
