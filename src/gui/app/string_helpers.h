#pragma once
// Texts between the core (UTF-8 std::string) and Qt (QString).
#include <QString>
#include <string>
#include <string_view>

#include "core/text/string_ids.h"

namespace vorla::gui {

// A core text as a QString.
QString qs(std::string_view utf8);
// A text of the string table as a QString.
QString qs(text::TextId id);
// A QString as a core text.
std::string us(const QString& s);

}  // namespace vorla::gui
