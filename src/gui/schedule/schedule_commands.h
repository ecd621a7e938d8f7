#pragma once
// Connects the schedule commands of the menus, tool bar and work panel to their dialogs.
#include "core/schedule/sheet_model.h"

namespace vorla::gui {

class MainWindow;

void install_schedule_commands(MainWindow& window);
// Runs the scheduling sheet on a page; what OK or Cancel leave in the document stays.
void open_schedule_sheet(MainWindow& window, schedule::PageKind page);

}  // namespace vorla::gui
