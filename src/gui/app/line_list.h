#pragma once
// The one list view of the dialogs and pages: a multi-column tree filled from the model's line
// texts split at their tabs, each row standing for its line. Without captions it is a plain
// list without a header (the editors); with captions each column has its heading (the pickers
// and the scheduling pages). With type-ahead on, typed letters search the lines as the brother
// and congregation lists do.
#include <QTreeWidget>
#include <optional>
#include <string>
#include <vector>

#include "core/editors/type_ahead.h"
#include "core/text/list_line.h"

namespace vorla::gui {

class LineList : public QTreeWidget {
    Q_OBJECT
  public:
    explicit LineList(int columns = 1, QWidget* parent = nullptr);
    LineList(const std::vector<std::string>& captions, QWidget* parent);

    // Replaces the rows by the lines, each split at its tabs.
    void set_lines(const std::vector<text::ListLine>& lines) { set_lines(text::texts_of(lines)); }
    void set_lines(const std::vector<std::string>& texts);
    // Sets the cells of an existing row (a page whose rows stay).
    void set_row_cells(int row, const std::vector<std::string>& cells);
    // Selects a line (none clears the selection) and brings it into view.
    void select_line(std::optional<std::size_t> line);
    std::optional<std::size_t> current_line() const;
    // The line as the model gave it: the columns joined by tabs.
    QString line_text(int line) const;
    void enable_type_ahead(bool on) { type_ahead_on_ = on; }
    // Makes the columns as wide as their contents and captions need, and at least as wide as
    // given (pixels, by column); the last column takes the room left.
    void fit_columns(const std::vector<int>& least = {});

  signals:
    // The user selected a line (clicks, arrows, type-ahead); filling the list says nothing.
    void line_selected(int line);
    // A double-click on a line.
    void line_activated(int line);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    void keep_current_on_selection();

    editors::TypeAhead type_ahead_;
    std::vector<std::string> texts_;
    bool type_ahead_on_ = false;
};

}  // namespace vorla::gui
