#include "gui/app/text_guard.h"

#include <QLineEdit>

#include "core/text/cp1251.h"

namespace vorla::gui {

QValidator::State Cp1251Validator::validate(QString& input, int&) const {
    const QByteArray utf8 = input.toUtf8();
    return text::cp1251_can_hold(
               std::string_view(utf8.constData(), static_cast<std::size_t>(utf8.size())))
               ? Acceptable
               : Invalid;
}

void guard_text(QLineEdit* edit, std::size_t max_chars) {
    edit->setValidator(new Cp1251Validator(edit));
    if (max_chars > 0) edit->setMaxLength(static_cast<int>(max_chars));
}

}  // namespace vorla::gui
