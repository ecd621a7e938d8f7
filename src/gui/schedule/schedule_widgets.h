#pragma once
// What the scheduling pages and pickers build alike: buttons that Enter never presses, the
// pickers' OK and "Отмена", and lists that frame the line under the mouse pointer.
#include <QAbstractItemView>
#include <QDialog>

#include "gui/app/side_button.h"

namespace vorla::gui {

// The OK and "Отмена" buttons under a picker, at the end of its layout: OK (the default)
// calls the picker's accept(), "Отмена" closes it. Returns OK.
QPushButton* add_ok_cancel(QDialog* picker, QLayout* layout);

// A list whose pointer matters: the line under the mouse pointer gets a black frame, gone
// when the pointer leaves.
void frame_hovered_line(QAbstractItemView* list);

}  // namespace vorla::gui
