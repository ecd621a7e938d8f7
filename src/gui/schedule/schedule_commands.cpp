#include "gui/schedule/schedule_commands.h"

#include "gui/app/main_frame.h"

namespace vorla::gui {

void install_schedule_commands(CMainFrame&) {}

}  // namespace vorla::gui
