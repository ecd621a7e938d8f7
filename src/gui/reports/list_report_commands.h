#pragma once
// The list reports of the "Смотреть" menu and the work panel: each asks for its selection
// (a congregation, a local brother, a run of weeks, or nothing) and shows the list.
namespace vorla::gui {

class MainWindow;

void install_list_report_commands(MainWindow& window);

}  // namespace vorla::gui
