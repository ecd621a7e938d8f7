#include "gui/reports/report_commands.h"

#include "gui/app/main_frame.h"

namespace vorla::gui {

void install_report_commands(CMainFrame&) {}

}  // namespace vorla::gui
