#pragma once
// Connects the schedule commands of the menus, tool bar and work panel to their dialogs.
#include "core/schedule/sheet_model.h"

namespace vorla::gui {

class CMainFrame;

void install_schedule_commands(CMainFrame& frame);
// Runs the scheduling sheet on a page; what OK or Cancel leave in the document stays.
void open_schedule_sheet(CMainFrame& frame, schedule::PageKind page);

}  // namespace vorla::gui
