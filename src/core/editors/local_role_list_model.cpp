#include "core/editors/local_role_list_model.h"

#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::editors {

using text::TextId;

LocalRoleListModel::LocalRoleListModel(store::Document& doc, LocalRoleListParams params)
    : doc_(doc), params_(params) {
    fill();
}

std::string LocalRoleListModel::title() const {
    if (params_.assignments) return text::text(TextId::choose);
    switch (params_.role) {
        case store::LocalRole::outgoing_speaker:
            return text::text(TextId::outgoing_speakers);
        case store::LocalRole::chairman:
            return text::text(TextId::chairmen);
        case store::LocalRole::reader:
            return text::text(TextId::readers);
    }
    return {};
}

std::string LocalRoleListModel::ok_caption() const {
    return chooser() ? text::text(TextId::choose) : "OK";
}

std::string LocalRoleListModel::edit_caption() const {
    return text::text(edit_view_ ? TextId::view_list : TextId::edit_list);
}

std::string LocalRoleListModel::base_line(const store::LocalBrother& local) const {
    const auto pos = doc_.brothers().find(local.brother_id);
    if (!pos) return {};
    const store::BrotherEntry& e = doc_.brothers().at(*pos);
    std::string line = e.first_last();
    if (text::trim_left(line).empty()) return {};
    if (e.discontinued()) line += " (" + text::text(TextId::discontinued) + ")";
    return line;
}

void LocalRoleListModel::fill() {
    lines_.clear();
    ticked_.clear();
    status_visible_ = false;
    const std::vector<store::LocalBrother>& locals = doc_.local_brothers();
    for (std::size_t k = 0; k < locals.size(); ++k) {
        const store::LocalBrother& l = locals[k];
        if (params_.assignments) {
            const std::string name = doc_.brothers().name_of(l.brother_id);
            if (!name.empty() && doc_.count_assignments(l.brother_id) > 0)
                lines_.push_back({name, k});
            continue;
        }
        std::string line = base_line(l);
        if (line.empty()) continue;
        const bool on_list = store::has_role(l.roles, params_.role);
        if (edit_view_) {
            if (on_list) ticked_.push_back(lines_.size());
            lines_.push_back({line, k});
            continue;
        }
        if (!on_list) continue;
        const auto pos = doc_.brothers().find(l.brother_id);
        if (doc_.brothers().at(*pos).discontinued()) line = "* " + line;
        if (params_.week != 0 &&
            !doc_.brother_available(l.brother_id, calendar::WeekIndex(params_.week).number())) {
            line = "* " + line;
            status_visible_ = true;
        }
        lines_.push_back({line, k});
    }
}

std::optional<std::size_t> LocalRoleListModel::current_line() const {
    if (edit_view_ || params_.current == 0) return std::nullopt;
    const std::size_t pos = params_.current - 1;
    if (pos >= doc_.brothers().size()) return std::nullopt;
    const std::uint16_t id = doc_.brothers().at(pos).brother_id;
    for (std::size_t n = 0; n < lines_.size(); ++n) {
        if (doc_.local_brothers()[lines_[n].position].brother_id == id) return n;
    }
    return std::nullopt;
}

std::string LocalRoleListModel::status_text() const {
    return text::format(TextId::unavailable_on,
                        doc_.date_label(calendar::WeekIndex(params_.week).number(),
                                        calendar::LabelStyle::with_year));
}

void LocalRoleListModel::set_ticked(const std::vector<std::size_t>& lines) {
    if (!edit_view_) return;
    std::vector<bool> on(lines_.size(), false);
    for (std::size_t n : lines) {
        if (n < on.size()) on[n] = true;
    }
    ticked_.clear();
    for (std::size_t n = 0; n < lines_.size(); ++n) {
        if (on[n]) ticked_.push_back(n);
        const std::size_t k = lines_[n].position;
        doc_.set_local_roles(k,
                             store::with_role(doc_.local_brothers()[k].roles, params_.role, on[n]));
    }
}

void LocalRoleListModel::toggle_view() {
    if (params_.assignments) return;
    edit_view_ = !edit_view_;
    fill();
}

LocalRoleListModel::Close LocalRoleListModel::ok(std::optional<std::size_t> line) {
    // The choice is read before the write: its notice rebuilds the local-brother table.
    if (!edit_view_ && line && *line < lines_.size()) {
        const std::uint16_t id = doc_.local_brothers()[lines_[*line].position].brother_id;
        chosen_ = doc_.brothers().find(id);
    }
    doc_.write_local_roles();
    if (params_.assignments && !chosen_) return Close::cancel;
    return Close::ok;
}

}  // namespace vorla::editors
