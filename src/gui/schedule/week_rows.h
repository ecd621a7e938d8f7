#pragma once
// The week list of a scheduling page: one row for each of the 26 weeks its model shows, the
// cells of a row cut from the model's row text, the line under the mouse pointer framed.
#include <string>
#include <string_view>
#include <vector>

#include "core/schedule/week_list.h"
#include "gui/app/line_list.h"

namespace vorla::gui {

class WeekRows : public LineList {
    Q_OBJECT
  public:
    // How a page cuts its model's row text into the cells of its columns.
    using Cells = std::vector<std::string> (*)(std::string_view row);

    WeekRows(const std::vector<std::string>& captions, Cells cells, QWidget* parent);

    // The model's rows and its selected row; filling says nothing.
    void show_rows(const schedule::WeekListModel& model);
    // Columns as wide as their contents and at least `least` pixels each (by column), and
    // room for every week without scrolling.
    void fit(const std::vector<int>& least);

  private:
    Cells cells_;
};

}  // namespace vorla::gui
