#include "core/schedule/week_list.h"

#include "core/calendar/date_label.h"
#include "core/text/texts.h"

namespace vorla::schedule {

using text::TextId;

using calendar::WeekIndex;

bool has_event(const store::WeekRecord& week) {
    return week.is_special();
}

std::string event_text(const store::WeekRecord& week) {
    switch (week.event_kind()) {
        case store::EventKind::convention:
            return text::text(TextId::event_convention);
        case store::EventKind::overseer_visit:
            return text::text(TextId::event_circuit_visit);
        case store::EventKind::other:
            return text::text(TextId::special_event);
        case store::EventKind::none:
            break;
    }
    return {};
}

std::string role_name(store::AssignmentType type) {
    switch (type) {
        case store::AssignmentType::speaker:
            return text::text(TextId::role_speaker);
        case store::AssignmentType::outgoing_speaker:
            return text::text(TextId::role_outgoing_speaker);
        case store::AssignmentType::chairman:
            return text::text(TextId::role_chairman);
        case store::AssignmentType::reader:
            return text::text(TextId::role_reader);
        case store::AssignmentType::none:
            break;
    }
    return {};
}

std::string person_marker(const store::Document& doc, std::uint16_t brother_id, WeekIndex i,
                          store::AssignmentType own_type, ListMarks& marks) {
    if (brother_id == 0) return {};
    const bool other = doc.assignment_type(brother_id, i, own_type) != store::AssignmentType::none;
    if (other) marks.conflict = true;
    if (!doc.brother_available(brother_id, i.number())) {
        marks.unavailable = true;
        return "* ";
    }
    return other ? "# " : "";
}

std::string speaker_conflict_detail(const store::Document& doc, WeekIndex i,
                                    store::AssignmentType other_type) {
    return text::text(TextId::scheduling_conflict) + " - " +
           doc.date_label(i.number(), calendar::LabelStyle::short_month) + " - " +
           role_name(other_type) + " - " + role_name(store::AssignmentType::speaker);
}

std::string role_conflict_detail(const store::Document& doc, WeekIndex i, std::string_view name,
                                 std::string_view other_role, std::string_view own_role) {
    std::string s = text::text(TextId::scheduling_conflict) + "  " +
                    doc.date_label(i.number(), calendar::LabelStyle::short_month);
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

std::string WeekListModel::row_date(WeekIndex w) const {
    return doc_.date_label(w.number(),
                           calendar::LabelStyle::short_month | calendar::LabelStyle::with_year);
}

void WeekListModel::set_row(int row) {
    row_ = row < 0 || row >= kRows ? 0 : row;
}

void WeekListModel::rebuild(bool refreshing) {
    const bool previous = marks_.conflict;
    before_build();
    if (const auto row = row_to_select()) set_row(*row);
    rows_.clear();
    marks_ = {};
    for (int r = 0; r < kRows; ++r)
        rows_.push_back(row_text(week_of(r), marks_));
    if (!refreshing && marks_.conflict != previous) ask_siblings_to_refresh();
}

void WeekListModel::refresh() {
    first_ = doc_.current_week().index();
    rebuild(true);
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
