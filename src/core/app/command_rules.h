#pragma once
// Which commands the data allows. The window asks this whenever the data may have changed;
// commands whose feature the program does not have yet are disabled by the window itself.
#include "core/store/document.h"

namespace vorla::app {

// The data rule of a menu or tool-bar command (true for commands without one).
bool data_allows(const store::Document& doc, int command);

// Work-panel buttons that have rules of their own.
namespace panel {
inline constexpr int kEditHistory = 116;  // "Редактировать историю": only with our congregation
}
bool panel_button_allowed(const store::Document& doc, int button);

}  // namespace vorla::app
