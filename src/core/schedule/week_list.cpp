#include "core/schedule/week_list.h"

#include "core/calendar/date_label.h"
#include "core/text/string_table.h"

namespace vorla::schedule {

using calendar::WeekIndex;

namespace {
constexpr int kRoleTexts = 1035;  // + assignment type
constexpr int kConflictText = 1162;
}  // namespace

bool has_event(const store::WeekRecord& week) {
    return week.is_special();
}

std::string event_text(const store::WeekRecord& week) {
    switch (week.event_kind()) {
        case store::EventKind::convention:
            return text::text(1117);
        case store::EventKind::overseer_visit:
            return text::text(1118);
        case store::EventKind::other:
            return text::text(1014);
        case store::EventKind::none:
            break;
    }
    return {};
}

std::string role_name(int type) {
    if (type < store::kSpeaker || type > store::kReader) return {};
    return text::text(kRoleTexts + type);
}

std::string person_marker(const store::Document& doc, std::uint16_t brother_id, WeekIndex i,
                          int own_type, ListMarks& marks) {
    if (brother_id == 0) return {};
    const bool other = doc.assignment_type(brother_id, i, own_type) != store::kNoAssignment;
    if (other) marks.conflict = true;
    if (!doc.brother_available(brother_id, i.number())) {
        marks.unavailable = true;
        return "* ";
    }
    return other ? "# " : "";
}

std::string speaker_conflict_detail(const store::Document& doc, WeekIndex i, int other_type) {
    return text::text(kConflictText) + " - " + doc.date_label(i.number(), calendar::kShortMonth) +
           " - " + role_name(other_type) + " - " + role_name(store::kSpeaker);
}

std::string role_conflict_detail(const store::Document& doc, WeekIndex i, std::string_view name,
                                 std::string_view other_role, std::string_view own_role) {
    std::string s =
        text::text(kConflictText) + "  " + doc.date_label(i.number(), calendar::kShortMonth);
    s += "\n";
    s += name;
    s += "\n";
    s += other_role;
    s += " - ";
    s += own_role;
    return s;
}

WeekListModel::WeekListModel(store::Document& doc)
    : doc_(doc), first_(doc.current_week().index()) {}

void WeekListModel::set_row(int row) {
    row_ = row < 0 || row >= kRows ? 0 : row;
}

void WeekListModel::rebuild(bool refreshing) {
    const bool previous = marks_.conflict;
    rows_.clear();
    marks_ = {};
    for (int r = 0; r < kRows; ++r)
        rows_.push_back(row_text(week_of(r), marks_));
    if (!refreshing && marks_.conflict != previous) sibling_request_ = true;
}

void WeekListModel::refresh() {
    first_ = doc_.current_week().index();
    rebuild(true);
}

bool WeekListModel::take_sibling_request() {
    const bool r = sibling_request_;
    sibling_request_ = false;
    return r;
}

void WeekListModel::store_selected() {
    store(selected_week());
}

std::vector<std::string> split_tabs(std::string_view line) {
    std::vector<std::string> cells;
    std::size_t from = 0;
    for (;;) {
        const std::size_t tab = line.find('\t', from);
        cells.emplace_back(
            line.substr(from, tab == std::string_view::npos ? std::string_view::npos : tab - from));
        if (tab == std::string_view::npos) break;
        from = tab + 1;
    }
    return cells;
}

}  // namespace vorla::schedule
