#pragma once
// What the scheduling pages and pickers build alike: lists whose lines carry tab-separated
// columns, shown as multi-column trees (each line of the model one row, its cells the line
// split at its tabs), and buttons that Enter never presses.
#include <QPushButton>
#include <QStringList>
#include <QTreeWidget>
#include <optional>
#include <string>
#include <vector>

namespace vorla::gui {

// A flat, single-selection list with the given column captions.
QTreeWidget* make_column_list(const std::vector<std::string>& captions, QWidget* parent);
// Replaces the rows by the lines, each split at its tabs; row k carries k as its data.
void fill_column_list(QTreeWidget* list, const std::vector<std::string>& lines);
// Sets the cells of an existing row.
void set_row_cells(QTreeWidgetItem* item, const std::vector<std::string>& cells);
// The line number of the selected row, nothing without one.
std::optional<std::size_t> selected_line(const QTreeWidget* list);
// A button beside a list: Enter keeps going to the dialog's OK.
QPushButton* side_button(const QString& text, QWidget* parent);

// A list whose pointer matters: the line under the mouse pointer gets a black frame, gone
// when the pointer leaves.
void frame_hovered_line(QAbstractItemView* list);

// Makes the columns as wide as their contents and captions need, and at least as wide as
// given (pixels, by column); the last column takes the room left.
void fit_columns(QTreeWidget* list, const std::vector<int>& least = {});

}  // namespace vorla::gui
