#pragma once
// The summary's drawn table: a header row and 20 week rows, the columns at the lines the
// model gives, each cell as the model says (text, ink, fill, the status sign). The table
// never gets smaller than its font needs, so large fonts stay readable; it draws on the
// palette's base, so a dark theme keeps its contrast. A left-button release reports the row
// and column under the pointer.
#include <QWidget>
#include <optional>

#include "core/schedule/summary_model.h"

namespace vorla::gui {

class SummaryTable : public QWidget {
    Q_OBJECT
  public:
    SummaryTable(const schedule::SummaryModel& model, QWidget* parent = nullptr);

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

    // The cell under a point: the row (nothing for the header) and the column.
    struct Hit {
        std::optional<int> row;
        schedule::SummaryColumn column;
    };
    std::optional<Hit> hit(QPoint p) const;

  signals:
    void cell_clicked(std::optional<int> row, schedule::SummaryColumn column);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    int row_height() const;
    int line_x(const schedule::ColumnEdge& edge) const;

    const schedule::SummaryModel& model_;
};

// The colour of a status as the legend and the table fill it.
QColor status_fill(schedule::WeekStatus status);
// An icon of the status's colour with its sign, for the legend buttons.
QIcon status_icon(schedule::WeekStatus status, int size);

}  // namespace vorla::gui
