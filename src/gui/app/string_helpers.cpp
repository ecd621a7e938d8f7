#include "gui/app/string_helpers.h"

#include "core/text/texts.h"

namespace vorla::gui {

QString qs(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

QString qs(text::TextId id) {
    return qs(text::text(id));
}

std::string us(const QString& s) {
    return s.toUtf8().toStdString();
}

}  // namespace vorla::gui
