#pragma once
// The list of the editors: a multi-column view filled from the model's line texts split at
// their tabs, each row standing for its line. With type-ahead on, typed letters search the
// lines as the brother and congregation lists do.
#include <QTreeWidget>
#include <optional>
#include <vector>

#include "core/editors/list_line.h"
#include "core/editors/type_ahead.h"

namespace vorla::gui {

class LineList : public QTreeWidget {
    Q_OBJECT
  public:
    explicit LineList(int columns = 1, QWidget* parent = nullptr);

    void set_lines(const std::vector<editors::ListLine>& lines);
    // Selects a line (none clears the selection) and brings it into view.
    void select_line(std::optional<std::size_t> line);
    std::optional<std::size_t> current_line() const;
    // The line as the model gave it: the columns joined by tabs.
    QString line_text(int line) const;
    void enable_type_ahead(bool on) { type_ahead_on_ = on; }

  signals:
    // The user selected a line (clicks, arrows, type-ahead).
    void line_selected(int line);
    // A double-click on a line.
    void line_activated(int line);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

  private:
    editors::TypeAhead type_ahead_;
    std::vector<std::string> texts_;
    bool type_ahead_on_ = false;
    bool filling_ = false;
};

}  // namespace vorla::gui
