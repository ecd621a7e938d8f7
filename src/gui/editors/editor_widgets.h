#pragma once
// Small pieces the editor dialogs share.
#include <QLineEdit>
#include <QPushButton>

#include "gui/app/string_helpers.h"
#include "gui/app/text_guard.h"

namespace vorla::gui {

// An edit that takes only what its field can hold.
inline QLineEdit* guarded_edit(QWidget* parent, int max_chars) {
    auto* edit = new QLineEdit(parent);
    guard_text(edit, max_chars);
    return edit;
}

// The congregation name edit: also no folder separators, since the name names a file.
class CongregationNameValidator : public Cp1251Validator {
  public:
    using Cp1251Validator::Cp1251Validator;
    State validate(QString& input, int& pos) const override {
        if (input.contains(QLatin1Char('/')) || input.contains(QLatin1Char('\\'))) return Invalid;
        return Cp1251Validator::validate(input, pos);
    }
};

// The controls under a list whose entries are edited one at a time (circuits, hosts,
// topics): the name edit and the add and OK buttons, shown as the model says.
template <class Model>
void show_entry_state(const Model& model, QLineEdit* edit, QPushButton* add, QPushButton* ok) {
    edit->setText(qs(model.edit_text()));
    edit->setVisible(model.edit_visible());
    add->setVisible(model.add_visible());
    ok->setVisible(model.ok_visible());
}

}  // namespace vorla::gui
