#pragma once
// A button beside a list or beside an editor's fields: Enter keeps going to the dialog's
// default button.
#include <QPushButton>
#include <initializer_list>

namespace vorla::gui {

inline QPushButton* side_button(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}

// Side buttons whose captions change with the selection keep one width, and their places
// while one of them is hidden, so that the dialog does not jump: the column is as wide as
// `widest` needs.
void keep_side_column(std::initializer_list<QPushButton*> buttons, const QString& widest);
// A caption longer than the column is shortened with "…"; the whole of it is the tool tip.
void set_side_text(QPushButton* button, const QString& text);

}  // namespace vorla::gui
