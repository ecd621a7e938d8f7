#pragma once
// What the scheduling pages and pickers build alike: buttons that Enter never presses, and
// lists that frame the line under the mouse pointer.
#include <QAbstractItemView>

#include "gui/app/side_button.h"

namespace vorla::gui {

// A list whose pointer matters: the line under the mouse pointer gets a black frame, gone
// when the pointer leaves.
void frame_hovered_line(QAbstractItemView* list);

}  // namespace vorla::gui
