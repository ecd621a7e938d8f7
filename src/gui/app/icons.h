#pragma once
// The tool-bar icons of our own set, by command.
#include <QIcon>

#include "core/commands/command.h"

namespace vorla::gui {

// The command's icon; a null icon for commands without one.
QIcon command_icon(commands::Command command);
QIcon program_icon();

}  // namespace vorla::gui
