#include "core/editors/brother_list_model.h"

#include "core/text/texts.h"

namespace vorla::editors {

using text::TextId;

namespace {

// The word of a role in "Выбрать %1".
TextId role_word(BrotherRole role) {
    switch (role) {
        case BrotherRole::cobe:
            return TextId::office_coordinator;
        case BrotherRole::talk_coordinator:
            return TextId::office_talk_coordinator;
        case BrotherRole::secretary:
            return TextId::office_secretary;
        case BrotherRole::speaker:
            return TextId::role_speaker;
        case BrotherRole::outgoing_speaker:
            return TextId::role_outgoing_speaker;
        case BrotherRole::chairman:
            return TextId::role_chairman;
        case BrotherRole::reader:
        case BrotherRole::editing:
            break;
    }
    return TextId::role_reader;
}
constexpr auto kOutgoingDateStyle = calendar::LabelStyle::short_month;
constexpr auto kStatusDateStyle = calendar::LabelStyle::with_year;

bool goes_out(const store::Document& doc, std::uint16_t brother_id, calendar::WeekIndex week) {
    if (!doc.weeks().in_window(week)) return false;
    for (const std::uint16_t s : doc.weeks().at(week).out_speaker_id) {
        if (s == brother_id) return true;
    }
    return false;
}

}  // namespace

std::optional<calendar::WeekIndex> nearest_outgoing_week(const store::Document& doc,
                                                         std::uint16_t brother_id,
                                                         calendar::WeekIndex week) {
    if (brother_id == 0) return std::nullopt;
    for (int d = 0; d <= 7; ++d) {
        if (goes_out(doc, brother_id, week - d)) return week - d;
        if (d > 0 && goes_out(doc, brother_id, week + d)) return week + d;
    }
    return std::nullopt;
}

BrotherListModel::BrotherListModel(store::Document& doc, BrotherListParams params)
    : doc_(doc), params_(params) {
    fill();
}

std::uint16_t BrotherListModel::filter() const {
    // Chairmen and readers come from our own congregation.
    if (params_.cong_filter == 0 &&
        (params_.role == BrotherRole::chairman || params_.role == BrotherRole::reader)) {
        return doc_.our_congregation();
    }
    return params_.cong_filter;
}

std::string BrotherListModel::title() const {
    if (role_mode()) return text::format(TextId::choose_what, text::text(role_word(params_.role)));
    if (speaker_chooser()) return text::text(TextId::choose_speaker);
    return text::text(text::TextId::brothers);
}

std::string BrotherListModel::ok_caption() const {
    return role_mode() || speaker_chooser() || params_.availability
               ? "&" + text::text(TextId::choose)
               : text::text(text::TextId::edit_ellipsis);
}

std::string BrotherListModel::close_caption() const {
    return role_mode() || speaker_chooser() ? "&" + text::text(TextId::cancel)
                                            : text::text(text::TextId::close_mnemonic);
}

std::string BrotherListModel::add_caption() const {
    return role_mode() || speaker_chooser() ? "&" + text::text(TextId::new_speaker)
                                            : text::text(text::TextId::add_brother);
}

bool BrotherListModel::add_visible() const {
    return !role_mode() && !params_.hide_add && !params_.availability;
}

std::string BrotherListModel::line_text(std::size_t pos, int& no_cong, int& discontinued) {
    const store::BrotherEntry& e = doc_.brothers().at(pos);
    std::string text = doc_.brothers().display_name(pos, filter() == 0);
    if (e.cong_id == 0) {
        text = "* " + text;
        ++no_cong;
        star_listed_ = true;
    }
    if (e.discontinued()) {
        text = "(§) " + text;
        ++discontinued;
    }
    if (params_.week != 0 &&
        !doc_.brother_available(e.brother_id, calendar::WeekIndex(params_.week).number())) {
        text = "* " + text;
        star_listed_ = true;
    }
    if (params_.role == BrotherRole::outgoing_speaker && params_.week != 0) {
        if (e.ministerial_servant())
            text += " (" + text::text(TextId::ministerial_servant_mark) + ")";
        if (const auto out =
                nearest_outgoing_week(doc_, e.brother_id, calendar::WeekIndex(params_.week))) {
            text += "\t # " + doc_.date_label(out->number(), kOutgoingDateStyle);
        }
    }
    return text;
}

void BrotherListModel::fill() {
    const store::BrotherIndex& brothers = doc_.brothers();
    if (selection_ > static_cast<int>(brothers.size()) - 2) selection_ = 0;
    lines_.clear();
    star_listed_ = false;
    int no_cong = 0;
    int discontinued = 0;
    const std::uint16_t only = filter();
    for (std::size_t pos = 0; pos < brothers.size(); ++pos) {
        const store::BrotherEntry& e = brothers.at(pos);
        if (only != 0 && e.cong_id != only) continue;
        if (params_.excluded_cong != 0 && e.cong_id == params_.excluded_cong) continue;
        if (params_.role == BrotherRole::outgoing_speaker &&
            (!doc_.is_local_outgoing_speaker(pos) || e.talks.empty()))
            continue;
        lines_.push_back(text::ListLine{line_text(pos, no_cong, discontinued), pos});
        if (role_mode() && params_.current_brother != 0 &&
            e.brother_id == params_.current_brother) {
            selection_ = static_cast<int>(lines_.size()) - 1;
        }
    }
    if (selection_ >= static_cast<int>(lines_.size())) selection_ = 0;

    if (params_.week != 0) {
        star_note_ = text::format(
            TextId::unavailable_on,
            doc_.date_label(calendar::WeekIndex(params_.week).number(), kStatusDateStyle));
    } else {
        star_note_ =
            text::text(TextId::no_congregation_note) + " ( " + std::to_string(no_cong) + " )";
    }
    discontinued_note_ = discontinued > 0 ? "(§) " + text::text(TextId::discontinued) + " ( " +
                                                std::to_string(discontinued) + " )"
                                          : "";
}

std::optional<std::size_t> BrotherListModel::selection() const {
    if (lines_.empty()) return std::nullopt;
    return static_cast<std::size_t>(selection_);
}

void BrotherListModel::select(std::size_t line) {
    if (line < lines_.size()) selection_ = static_cast<int>(line);
}

std::optional<std::size_t> BrotherListModel::selected_position() const {
    const auto line = selection();
    if (!line) return std::nullopt;
    return lines_[*line].position;
}

std::optional<std::size_t> BrotherListModel::step(int delta) {
    if (lines_.empty()) return std::nullopt;
    selection_ = static_cast<int>(
        text::wrap_step(static_cast<std::size_t>(selection_), lines_.size(), delta));
    return selected_position();
}

BrotherListModel::Action BrotherListModel::ok() {
    Action a;
    if ((speaker_chooser() && !adding_) || role_mode()) {
        chosen_ = selected_position();
        if (chosen_) a.kind = Action::choose;
        return a;
    }
    if (params_.availability) {
        if (const auto pos = selected_position()) {
            a.kind = Action::availability;
            a.position = *pos;
        }
        return a;
    }
    if (lines_.empty()) adding_ = true;
    a.kind = Action::edit;
    a.is_new = adding_;
    a.position = adding_ ? 0 : lines_[static_cast<std::size_t>(selection_)].position;
    a.preset_cong = params_.excluded_cong != 0 ? params_.excluded_cong : params_.cong_filter;
    return a;
}

BrotherListModel::Action BrotherListModel::add() {
    if (!add_visible()) return {};
    if (params_.cong_filter == 0) {
        adding_ = true;
        return ok();
    }
    Action a;
    a.kind = Action::pull_in;
    return a;
}

BrotherListParams BrotherListModel::pull_in_params() const {
    BrotherListParams p;
    p.excluded_cong = params_.cong_filter;
    return p;
}

bool BrotherListModel::pull_in(std::size_t position) {
    const bool moved = params_.cong_filter != 0 && doc_.move_brother(position, params_.cong_filter);
    fill();
    return moved;
}

bool BrotherListModel::editor_closed(bool saved) {
    const bool close = speaker_chooser() && adding_ && saved;
    adding_ = false;
    fill();
    doc_.unavailable().save(doc_.folder());
    return close;
}

void BrotherListModel::closed() {
    if (params_.availability) doc_.unavailable().save(doc_.folder());
}

}  // namespace vorla::editors
