#pragma once
// A button beside a list or beside an editor's fields: Enter keeps going to the dialog's
// default button.
#include <QPushButton>

namespace vorla::gui {

inline QPushButton* side_button(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}

}  // namespace vorla::gui
