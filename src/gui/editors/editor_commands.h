#pragma once
// Connects the editors commands of the menus, tool bar and work panel to their dialogs.
namespace vorla::gui {

class CMainFrame;

void install_editor_commands(CMainFrame& frame);

}  // namespace vorla::gui
