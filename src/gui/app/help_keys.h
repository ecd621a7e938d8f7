#pragma once
// Help inside dialogs: F1 opens the help section of the dialog it is pressed in, Shift+F1
// starts What's This there, and What's This on a control without a text of its own opens its
// window's section instead of swallowing the click.
class QApplication;
class QWidget;

namespace vorla::gui {

// A window whose help page depends on what it shows (the sheet's page, the week-range
// dialog's use) names the page in this property; others are looked up by their class.
inline constexpr const char* kHelpPageProperty = "vorlaHelpPage";

void install_help_keys(QApplication& app);
// Opens the help section of `window` (a dialog or a page) in a help window over it.
void open_help_for(QWidget* window);

}  // namespace vorla::gui
