#pragma once
// A number field gaining focus, by Tab or by a click, has its value selected, so that what
// the user types replaces it instead of being refused beside the old digits.
class QApplication;

namespace vorla::gui {

// Installs the habit for every spin box of the application.
void select_numbers_on_focus(QApplication& app);

}  // namespace vorla::gui
