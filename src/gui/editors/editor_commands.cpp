#include "gui/editors/editor_commands.h"

#include "gui/app/main_frame.h"

namespace vorla::gui {

void install_editor_commands(CMainFrame&) {}

}  // namespace vorla::gui
