#pragma once
// The tool-bar icons of our own set, by command.
#include <QIcon>

namespace vorla::gui {

// The command's icon; a null icon for commands without one.
QIcon command_icon(int command);
QIcon program_icon();

}  // namespace vorla::gui
