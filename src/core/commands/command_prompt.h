#pragma once
// What the status bar and the tool-bar tip say about a command: the lines of the string-table
// text that has the command's number.
#include <string>

#include "core/commands/command.h"

namespace vorla::commands {

// The status-bar prompt: the first line of the command's text.
std::string command_prompt(Command command);
// The tool-bar tip: the second line, empty when the text has none.
std::string command_tip(Command command);

}  // namespace vorla::commands
