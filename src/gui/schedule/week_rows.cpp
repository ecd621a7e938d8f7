#include "gui/schedule/week_rows.h"

#include <QHeaderView>
#include <QSignalBlocker>

#include "gui/schedule/schedule_widgets.h"

namespace vorla::gui {

WeekRows::WeekRows(const std::vector<std::string>& captions, Cells cells, QWidget* parent)
    : LineList(captions, parent), cells_(cells) {
    setObjectName(QStringLiteral("weeks"));
    frame_hovered_line(this);
    for (int r = 0; r < schedule::kRows; ++r)
        new QTreeWidgetItem(this);
}

void WeekRows::show_rows(const schedule::WeekListModel& model) {
    const QSignalBlocker quiet(this);
    for (int r = 0; r < schedule::kRows; ++r)
        set_row_cells(r, cells_(model.rows()[static_cast<std::size_t>(r)]));
    setCurrentItem(topLevelItem(model.selected_row()));
}

void WeekRows::fit(const std::vector<int>& least) {
    fit_columns(least);
    setMinimumHeight(sizeHintForRow(0) * schedule::kRows + header()->sizeHint().height() +
                     2 * frameWidth() + 4);
}

}  // namespace vorla::gui
