#pragma once
// The rules of the week-range dialog "Выбор недели": which start weeks and counts it offers,
// what it preselects, and the caption that follows the selection. The schedule uses it with
// its "Экспорт" button; two lists use it in a short and a long form.
#include <string>
#include <vector>

#include "core/calendar/week.h"
#include "core/store/document.h"

namespace vorla::reports {

enum class WeekRangeForm {
    schedule,    // 26 start weeks from four before the current one, 1..52 weeks, "Экспорт"
    calendar,    // the schedule's weeks for the calendar export, without "Экспорт"
    short_list,  // 39 start weeks from four before the current one, 1..18 weeks
    long_list,   // every week from index 0 to 26 after the current one, 1..144 weeks
};

class WeekRangeModel {
  public:
    WeekRangeModel(const store::Document& doc, WeekRangeForm form);

    WeekRangeForm form() const { return form_; }
    // "Стартовая неделя": the weeks' date labels, short month names with the year.
    const std::vector<std::string>& start_lines() const { return start_lines_; }
    // "# из недель": 1 .. the form's largest count.
    int max_count() const { return max_count_; }
    std::vector<std::string> count_lines() const;
    bool export_visible() const { return form_ == WeekRangeForm::schedule; }

    int start_row() const { return start_row_; }
    int count_row() const { return count_ - 1; }
    void select_start(int row);
    void select_count_row(int row);

    calendar::WeekIndex first_week() const { return first_listed_ + start_row_; }
    int week_count() const { return count_; }
    // The number of weeks, a space and "Стартовая неделя %1" with the first week's label.
    std::string caption() const;

  private:
    const store::Document& doc_;
    WeekRangeForm form_;
    calendar::WeekIndex first_listed_;
    std::vector<std::string> start_lines_;
    int max_count_ = 52;
    int start_row_ = 0;
    int count_ = 1;
};

// The schedule's preselected count from the current week t: the weeks t + 2 .. t + 20 are
// looked at in turn, and the schedule ends just before the first without an incoming speaker
// that is no special week; 2 when every one of them is filled.
int preselected_schedule_weeks(const store::Document& doc, calendar::WeekIndex current);

}  // namespace vorla::reports
