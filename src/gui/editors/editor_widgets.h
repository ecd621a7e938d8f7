#pragma once
// Small pieces the editor dialogs share.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <string>
#include <utility>
#include <vector>

#include "gui/app/string_helpers.h"
#include "gui/app/text_guard.h"

class QLayout;

namespace vorla::gui {

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

// The text edits of a record editor (brother, congregation), each bound to a text field of
// the model's fields: they show the fields when the editor loads a record and give them back
// before the model saves.
template <class Fields>
class FieldEdits {
  public:
    // A new edit for the field, taking at most max_chars characters.
    QLineEdit* add(QWidget* parent, std::string Fields::*field, std::size_t max_chars) {
        auto* edit = new QLineEdit(parent);
        guard_text(edit, max_chars);
        edits_.emplace_back(edit, field);
        return edit;
    }
    // Every edit shows its field.
    void show(const Fields& fields) const {
        for (const auto& [edit, field] : edits_)
            edit->setText(qs(fields.*field));
    }
    // Every field takes its edit's text.
    void collect(Fields& fields) const {
        for (const auto& [edit, field] : edits_)
            fields.*field = us(edit->text());
    }

  private:
    std::vector<std::pair<QLineEdit*, std::string Fields::*>> edits_;
};

// The frame of a record editor: its fields on the left, its buttons stacked on the right in
// the order given, the dialog at least 520 pixels wide.
void frame_record_editor(QDialog* dialog, QLayout* fields,
                         const std::vector<QPushButton*>& buttons);
// The order Tab (and Enter, where the editor says so) takes through the widgets.
void set_tab_order(const std::vector<QWidget*>& order);

}  // namespace vorla::gui
