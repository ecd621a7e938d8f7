#include "core/schedule/weekly_role_model.h"

#include <algorithm>

#include "core/schedule/rotation.h"
#include "core/text/texts.h"

namespace vorla::schedule {

using calendar::LabelStyle;
using calendar::WeekIndex;
using text::TextId;

namespace {

constexpr auto kButtonStyle = LabelStyle::short_month;
constexpr auto kLegendStyle = LabelStyle::with_year;

}  // namespace

WeeklyRoleModel::WeeklyRoleModel(store::Document& doc, WeeklyRole role)
    : WeekListModel(doc), role_(role) {
    rebuild();
}

PageKind WeeklyRoleModel::kind() const {
    switch (role_) {
        case WeeklyRole::chairman:
            return PageKind::chairmen;
        case WeeklyRole::reader:
            return PageKind::readers;
        case WeeklyRole::hospitality:
            break;
    }
    return PageKind::hospitality;
}

std::vector<std::string> WeeklyRoleModel::column_captions() const {
    switch (role_) {
        case WeeklyRole::chairman:
            return {text::text(text::TextId::week), text::text(text::TextId::chairmen)};
        case WeeklyRole::reader:
            return {text::text(text::TextId::week), text::text(text::TextId::readers)};
        case WeeklyRole::hospitality:
            break;
    }
    return {text::text(text::TextId::week), text::text(text::TextId::hospitality_caption)};
}

std::vector<std::string> WeeklyRoleModel::cells(std::string_view row) {
    std::vector<std::string> out = split_tabs(row);
    out.resize(2);
    return out;
}

std::string WeeklyRoleModel::name_of(std::uint16_t person) const {
    if (role_ == WeeklyRole::hospitality)
        return store::NamedTable::shown_name(doc().hosts().name_of(person), true);
    return doc().brothers().name_of(person);
}

std::string WeeklyRoleModel::row_text(WeekIndex w, ListMarks& marks) const {
    const store::Document& d = doc();
    const store::WeekRecord& week = d.weeks().at(w);
    std::string row = row_date(w) + "\t  ";
    if (!role_allowed(week, role_)) return row + event_text(week);
    const std::uint16_t person = person_of(week, role_);
    if (role_ != WeeklyRole::hospitality)
        row += person_marker(d, person, w, assignment_type_of(role_), marks);
    return row + name_of(person);
}

std::optional<int> WeeklyRoleModel::row_to_select() const {
    for (int r = 0; r < kRows; ++r) {
        if (is_open(doc().weeks().at(week_of(r)), role_)) return r;
    }
    return 0;
}

void WeeklyRoleModel::select(int row) {
    set_row(row);
    if (!exchange_ || selected_week() == *exchange_ || person() == 0) return;
    store::WeekRecord& a = record(*exchange_);
    store::WeekRecord& b = record(selected_week());
    const std::uint16_t pa = person_of(a, role_);
    set_person(a, role_, person_of(b, role_));
    set_person(b, role_, pa);
    exchange_.reset();
    rebuild();
}

bool WeeklyRoleModel::choice_visible() const {
    return role_allowed(selected_record(), role_) && !exchange_pending();
}

WeekIndex WeeklyRoleModel::fill_start() const {
    const store::WeekTable& weeks = doc().weeks();
    const int s = doc().current_week().value;
    const WeekIndex fallback(role_ == WeeklyRole::hospitality ? s - 1 : s);
    for (WeekIndex w = selected_week() - 1; w >= WeekIndex(s - 2); --w) {
        // Event weeks in between belong to the run: the role stays empty there.
        if (person_of(weeks.at(w), role_) != 0) return w + 1;
    }
    return fallback;
}

std::optional<WeekIndex> WeeklyRoleModel::clear_run_end() const {
    const WeekIndex after_last_row = week_of(kRows);
    for (WeekIndex w = selected_week() + 1; w <= after_last_row; ++w) {
        if (person_of(doc().weeks().at(w), role_) == 0) return w - 1;
    }
    return std::nullopt;
}

std::string WeeklyRoleModel::auto_or_clear_caption() const {
    const WeekIndex i = selected_week();
    const auto label = [this](WeekIndex w) { return doc().date_label(w.number(), kButtonStyle); };
    if (clears()) {
        std::string s = text::text(TextId::clear) + label(i);
        if (const auto end = clear_run_end(); end && *end > i) s += " - " + label(*end);
        return s;
    }
    std::string s = text::text(TextId::auto_choose);
    const WeekIndex first = fill_start();
    if (first < i) s += label(first) + " - ";
    return s + label(i);
}

bool WeeklyRoleModel::exchange_visible() const {
    return exchanges() && (person() != 0 || exchange_pending());
}

std::string WeeklyRoleModel::exchange_caption() const {
    if (exchange_pending()) return text::text(TextId::cancel_exchange);
    return text::format(TextId::exchange_with, name_of(person()));
}

std::string WeeklyRoleModel::exchange_prompt() const {
    if (!exchange_) return {};
    const std::string name = name_of(person_of(doc().weeks().at(*exchange_), role_));
    return text::format(role_ == WeeklyRole::chairman ? TextId::choose_exchange_chairman
                                                      : TextId::choose_exchange_reader,
                        name);
}

bool WeeklyRoleModel::legend_visible() const {
    return role_ != WeeklyRole::hospitality && marks().unavailable;
}

std::string WeeklyRoleModel::legend() const {
    const std::uint16_t p = person();
    if (p != 0 && !doc().brother_available(p, selected_week().number())) {
        std::string s = name_of(p) + " " +
                        text::format(TextId::unavailable_on,
                                     doc().date_label(selected_week().number(), kLegendStyle));
        std::replace(s.begin(), s.end(), '*', '-');
        return s;
    }
    return text::text(role_ == WeeklyRole::chairman ? TextId::note_chairman_unavailable
                                                    : TextId::note_reader_unavailable);
}

bool WeeklyRoleModel::conflict_visible() const {
    return role_ != WeeklyRole::hospitality && marks().conflict;
}

std::string WeeklyRoleModel::conflict_text() const {
    const store::AssignmentType own = assignment_type_of(role_);
    const store::AssignmentType other = doc().assignment_type(person(), selected_week(), own);
    if (other == store::AssignmentType::none) return text::text(TextId::scheduling_conflict);
    return role_conflict_detail(doc(), selected_week(), name_of(person()), role_name(other),
                                role_name(own));
}

void WeeklyRoleModel::press_auto_or_clear() {
    if (!choice_visible()) return;
    if (clears()) {
        clear_run();
    } else {
        auto_fill();
    }
    rebuild();
}

void WeeklyRoleModel::auto_fill() {
    // On the first row the chairmen's and readers' run starts after it: the week alone.
    const WeekIndex last = selected_week();
    const WeekIndex first = std::min(fill_start(), last);
    Rotation rotation(doc(), role_, first);
    for (WeekIndex w = first; w <= last; ++w) {
        const std::uint16_t chosen = rotation.choose(w);
        set_person(record(w), role_, chosen);
        store(w);
        rotation.served(chosen, w);
    }
}

void WeeklyRoleModel::clear_run() {
    const WeekIndex i = selected_week();
    if (const auto end = clear_run_end()) {
        for (WeekIndex w = *end; w > i; --w) {
            set_person(record(w), role_, 0);
            store(w);
        }
    }
    set_person(record(i), role_, 0);
    store(i);
}

void WeeklyRoleModel::press_exchange() {
    if (!exchanges()) return;
    if (exchange_) {
        exchange_.reset();
    } else if (person() != 0) {
        exchange_ = selected_week();
    }
}

LocalRoleChoice WeeklyRoleModel::manual_choice() const {
    LocalRoleChoice c;
    c.role = local_role_of(role_).value_or(store::LocalRole::chairman);
    c.week = selected_week();
    if (const auto pos = doc().brothers().find(person())) c.current = *pos + 1;
    return c;
}

void WeeklyRoleModel::assign(WeekIndex w, std::uint16_t person) {
    if (person == 0) return;
    set_person(record(w), role_, person);
    store(w);
    rebuild();
}

void WeeklyRoleModel::apply_brother(WeekIndex w, std::size_t brother_pos) {
    if (role_ == WeeklyRole::hospitality || brother_pos >= doc().brothers().size()) return;
    assign(w, doc().brothers().at(brother_pos).brother_id);
}

void WeeklyRoleModel::apply_host(WeekIndex w, std::size_t host_pos) {
    if (role_ != WeeklyRole::hospitality || host_pos >= doc().hosts().size()) return;
    assign(w, doc().hosts().at(host_pos).id);
}

}  // namespace vorla::schedule
