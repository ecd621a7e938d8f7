#pragma once
// Qt's own dialogs (fonts, printing, files, colours) speak the program's language.
#include <string_view>

class QCoreApplication;

namespace vorla::gui {

// Installs Qt's translation of its dialogs for the language code ("rus": Russian); false when
// the language has none or its file is not on this machine, and the dialogs stay in English.
bool install_qt_translations(QCoreApplication& app, std::string_view language);

}  // namespace vorla::gui
