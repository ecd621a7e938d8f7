#include "core/editors/congregation_list_model.h"

namespace vorla::editors {

CongregationListModel::CongregationListModel(store::Document& doc, bool choose,
                                             std::optional<std::size_t> preselect)
    : doc_(doc), choose_(choose), selection_(preselect ? static_cast<int>(*preselect) : 0) {
    fill();
}

void CongregationListModel::fill() {
    const store::CongregationIndex& congregations = doc_.congregations();
    if (selection_ > static_cast<int>(congregations.size()) - 2) selection_ = 0;
    lines_.clear();
    for (std::size_t pos = 0; pos < congregations.size(); ++pos)
        lines_.push_back({congregations.at(pos).name, pos});
}

std::optional<std::size_t> CongregationListModel::selection() const {
    if (lines_.empty()) return std::nullopt;
    return static_cast<std::size_t>(selection_);
}

void CongregationListModel::select(std::size_t line) {
    if (line < lines_.size()) selection_ = static_cast<int>(line);
}

void CongregationListModel::select_position(std::optional<std::size_t> position) {
    selection_ = 0;
    if (!position) return;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].position == *position) selection_ = static_cast<int>(i);
    }
}

std::optional<std::size_t> CongregationListModel::selected_position() const {
    const auto line = selection();
    if (!line) return std::nullopt;
    return lines_[*line].position;
}

std::optional<std::size_t> CongregationListModel::step(int delta) {
    if (lines_.empty()) return std::nullopt;
    selection_ = static_cast<int>(
        text::wrap_step(static_cast<std::size_t>(selection_), lines_.size(), delta));
    return selected_position();
}

CongregationListModel::Action CongregationListModel::ok() {
    Action a;
    if (choose_ && !adding_) {
        chosen_ = selected_position();
        if (chosen_) a.kind = Action::choose;
        return a;
    }
    if (lines_.empty()) adding_ = true;
    a.kind = Action::edit;
    if (!adding_) a.position = selected_position();
    return a;
}

CongregationListModel::Action CongregationListModel::add() {
    adding_ = true;
    return ok();
}

void CongregationListModel::editor_closed(bool saved) {
    adding_ = false;
    if (!saved) return;
    // Keep the line the editor left selected (a new congregation in the chooser).
    const auto position = selected_position();
    fill();
    select_position(position);
}

}  // namespace vorla::editors
