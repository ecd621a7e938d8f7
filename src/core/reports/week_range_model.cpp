#include "core/reports/week_range_model.h"

#include <algorithm>

#include "core/reports/schedule_week.h"
#include "core/text/texts.h"

namespace vorla::reports {

using text::TextId;

using calendar::WeekIndex;

int preselected_schedule_weeks(const store::Document& doc, WeekIndex current) {
    for (int i = 1; i <= 19; ++i) {
        const store::WeekRecord& w = doc.weeks().at(current + 1 + i);
        if (w.speaker_id == 0 && !w.is_special()) return i + 1;
    }
    return 2;
}

WeekRangeModel::WeekRangeModel(const store::Document& doc, WeekRangeForm form)
    : doc_(doc), form_(form) {
    const WeekIndex current = doc.current_week().index();
    int lines = 26;
    switch (form) {
        case WeekRangeForm::schedule:
        case WeekRangeForm::calendar:
            first_listed_ = current - 4;
            max_count_ = 52;
            count_ = preselected_schedule_weeks(doc, current);
            break;
        case WeekRangeForm::short_list:
            first_listed_ = current - 4;
            lines = 39;
            max_count_ = 18;
            count_ = 18;
            break;
        case WeekRangeForm::long_list:
            first_listed_ = WeekIndex(0);
            lines = current.value + 27;
            max_count_ = 144;
            count_ = 36;
            break;
    }
    // No week before the first of all (index 0) is offered.
    if (first_listed_ < WeekIndex(0)) {
        lines -= -first_listed_.value;
        first_listed_ = WeekIndex(0);
    }
    lines = std::max(lines, 1);
    start_lines_.reserve(static_cast<std::size_t>(lines));
    for (int k = 0; k < lines; ++k) {
        start_lines_.push_back(doc.date_label((first_listed_ + k).number(), kScheduleLabelStyle));
    }
    start_row_ = std::clamp(current - first_listed_, 0, lines - 1);
    count_ = std::clamp(count_, 1, max_count_);
}

std::vector<std::string> WeekRangeModel::count_lines() const {
    std::vector<std::string> out;
    for (int n = 1; n <= max_count_; ++n)
        out.push_back(std::to_string(n));
    return out;
}

void WeekRangeModel::select_start(int row) {
    if (row >= 0 && row < static_cast<int>(start_lines_.size())) start_row_ = row;
}

void WeekRangeModel::select_count_row(int row) {
    if (row >= 0 && row < max_count_) count_ = row + 1;
}

std::string WeekRangeModel::caption() const {
    return std::to_string(count_) + " " +
           text::format(TextId::first_week_of,
                        doc_.date_label(first_week().number(), calendar::LabelStyle::with_year));
}

}  // namespace vorla::reports
