#pragma once
// The main window's menu, tool bar and work panel as data: texts with their mnemonics,
// command ids and order. The window builds its widgets from these.
#include <string>
#include <vector>

namespace vorla::app {

struct MenuItem {
    std::string text;  // with "&" before the mnemonic; "\t" and the shortcut text
    int command = 0;   // 0 for a sub-menu or a separator
    std::vector<MenuItem> children;
    bool separator() const { return text.empty() && command == 0; }
};

// The menu bar: top-level items in order; "&Настройки" is a command on the bar itself.
const std::vector<MenuItem>& main_menu();
// The tool bar: command ids in order, 0 for a separator.
const std::vector<int>& toolbar_commands();

// A command's status-bar prompt (first line of its text) and tool-bar tip (second line).
std::string command_prompt(int command);
std::string command_tip(int command);

struct PanelChoice {
    int text = 0;  // string-table text of the pop-up item
    int command = 0;
};

struct PanelButton {
    int id = 0;
    std::string caption;
    int command = 0;                 // 0 when the button opens a pop-up
    std::vector<PanelChoice> popup;  // the pop-up's items
};

struct PanelGroup {
    std::string caption;
    std::vector<PanelButton> buttons;
};

// The work panel's three groups of buttons.
const std::vector<PanelGroup>& work_panel();

// Button ids of the work panel with actions of their own.
namespace button {
inline constexpr int kExit = 110;
inline constexpr int kBrothers = 114;
inline constexpr int kEditHistory = 116;
}  // namespace button

}  // namespace vorla::app
