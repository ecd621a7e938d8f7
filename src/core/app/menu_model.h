#pragma once
// The main window's menu, tool bar and work panel as data: texts with their mnemonics,
// commands and order. The window builds its widgets from these.
#include <string>
#include <vector>

#include "core/commands/command.h"
#include "core/text/texts.h"

namespace vorla::app {

using commands::Command;

struct MenuItem {
    std::string text;                 // with "&" before the mnemonic; "\t" and the shortcut
    Command command = Command::none;  // none for a sub-menu or a separator
    std::vector<MenuItem> children;
    bool separator() const { return text.empty() && command == Command::none; }
};

// The menu bar: top-level items in order; "&Настройки" is a command on the bar itself.
const std::vector<MenuItem>& main_menu();
// The tool bar: commands in order, Command::none for a separator.
const std::vector<Command>& toolbar_commands();

// The work panel's buttons, by their numbers in the panel's resources.
enum class PanelButtonId : int {
    congregations = 109,
    exit = 110,
    brothers = 114,
    local_talks = 115,
    edit_history = 116,
    summary = 117,
    circuits = 118,
    assignment_lists = 119,
    talks = 120,
    our_congregation = 121,
    schedule = 122,
    talks_we_need = 123,
    outgoing = 124,
    chairmen = 125,
    hospitality = 126,
    readers = 127,
    speaker_notices = 128,
    histories = 129,
    speaker_talks = 130,
    talk_speakers = 131,
    annual_check = 132,
};

struct PanelChoice {
    text::TextId text;  // the pop-up item
    Command command = Command::none;
};

struct PanelButton {
    PanelButtonId id;
    std::string caption;
    Command command = Command::none;  // none when the button opens a pop-up
    std::vector<PanelChoice> popup;   // the pop-up's items
};

struct PanelGroup {
    std::string caption;
    std::vector<PanelButton> buttons;
};

// The work panel's three groups of buttons.
const std::vector<PanelGroup>& work_panel();

}  // namespace vorla::app
