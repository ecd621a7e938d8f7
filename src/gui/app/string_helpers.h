#pragma once
// Texts between the core (UTF-8 std::string) and Qt (QString).
#include <QString>
#include <string>
#include <string_view>

namespace vorla::gui {

// A core text as a QString.
QString qs(std::string_view utf8);
// A QString as a core text.
std::string us(const QString& s);

}  // namespace vorla::gui
