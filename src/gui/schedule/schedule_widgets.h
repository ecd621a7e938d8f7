#pragma once
// What the scheduling pages and pickers build alike: buttons that Enter never presses, the
// pickers' OK and "Отмена", warning labels, and lists that frame the line under the mouse
// pointer.
#include <QAbstractItemView>
#include <QDialog>
#include <QLabel>
#include <QVBoxLayout>
#include <string_view>

#include "gui/app/side_button.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

// The OK and "Отмена" buttons under a picker, at the end of its layout: OK (the default)
// calls the picker's accept(), "Отмена" closes it. Returns OK.
QPushButton* add_ok_cancel(QDialog* picker, QLayout* layout);

// A label in the dark red of warnings (conflicts, a pending exchange), its text wrapped.
QLabel* alert_label(QWidget* parent);

// A label or button shown or hidden, with its text, as the model says.
template <class Widget>
void show_text(Widget* widget, bool visible, std::string_view text) {
    widget->setVisible(visible);
    widget->setText(qs(text));
}

// The frame every week-list page shares: `top` (none: nullptr) above the week list, the
// `side` column beside it. Returns the page's layout, for what goes under them.
QVBoxLayout* frame_week_page(QWidget* page, QLayout* top, QWidget* weeks, QLayout* side);

// A list whose pointer matters: the line under the mouse pointer gets a black frame, gone
// when the pointer leaves.
void frame_hovered_line(QAbstractItemView* list);

}  // namespace vorla::gui
