#pragma once
// Which commands the data allows. The window asks this whenever the data may have changed;
// commands whose feature the program does not have yet are disabled by the window itself.
#include "core/app/menu_model.h"
#include "core/commands/command.h"
#include "core/store/document.h"

namespace vorla::app {

// The data rule of a menu or tool-bar command (true for commands without one).
bool data_allows(const store::Document& doc, commands::Command command);

// The rule of the window's mode: printing, the preview, PDF and the way back only while a
// report is shown; a restore only on the work panel, where no report shows data it replaces.
bool mode_allows(commands::Command command, bool report_shown);

// The rule of a work-panel button beyond its command's: "Редактировать историю" needs our
// congregation.
bool panel_button_allowed(const store::Document& doc, PanelButtonId button);

}  // namespace vorla::app
