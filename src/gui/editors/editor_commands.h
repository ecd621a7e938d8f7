#pragma once
// Connects the editors commands of the menus, tool bar and work panel to their dialogs.
namespace vorla::gui {

class MainWindow;

void install_editor_commands(MainWindow& window);

}  // namespace vorla::gui
