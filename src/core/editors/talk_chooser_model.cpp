#include "core/editors/talk_chooser_model.h"

#include <algorithm>

#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::editors {

using text::TextId;

namespace {

constexpr std::size_t kTenthLine = 9;
constexpr std::size_t kLastTopLine = 236;

}  // namespace

TalkChooserModel TalkChooserModel::titles(store::Document& doc) {
    return TalkChooserModel(doc, TalkChooserMode::titles, {}, 0);
}

TalkChooserModel TalkChooserModel::any_talk(store::Document& doc, int talk_no) {
    return TalkChooserModel(doc, TalkChooserMode::any_talk, {}, talk_no);
}

TalkChooserModel TalkChooserModel::speaker(store::Document& doc, const store::BrotherRecord& record,
                                           int talk_no) {
    return TalkChooserModel(doc, TalkChooserMode::speaker, record, talk_no);
}

TalkChooserModel TalkChooserModel::brother(store::Document& doc,
                                           const store::BrotherRecord& record) {
    return TalkChooserModel(doc, TalkChooserMode::brother, record, 0);
}

TalkChooserModel::TalkChooserModel(store::Document& doc, TalkChooserMode mode,
                                   store::BrotherRecord record, int talk_no)
    : doc_(doc),
      mode_(mode),
      record_(std::move(record)),
      starting_(record_.talks),
      name_(record_.first_name + " " + record_.last_name),
      grid_view_(mode == TalkChooserMode::brother),
      action_visible_(mode != TalkChooserMode::any_talk),
      current_line_(1) {
    if (talk_no >= 1 && talk_no <= store::TalkCatalogue::kTalks)
        chosen_ = static_cast<std::size_t>(talk_no - 1);
    if (mode_ == TalkChooserMode::any_talk) {
        // The line of the present talk, else the first.
        const auto wanted = chosen_;
        fill();
        for (std::size_t i = 0; i < lines_.size(); ++i) {
            if (wanted && lines_[i].position == *wanted) current_line_ = static_cast<int>(i) + 1;
        }
    }
    fill();
}

std::string TalkChooserModel::title() const {
    switch (mode_) {
        case TalkChooserMode::titles:
            return text::text(TextId::choose_talk_to_edit);
        case TalkChooserMode::any_talk:
            return text::text(TextId::choose_a_talk);
        case TalkChooserMode::speaker:
            if (!grid_view_) return text::text(TextId::choose_a_talk);
            break;
        case TalkChooserMode::brother:
            break;
    }
    return name_ + " - " + std::to_string(record_.talks.count()) + " " +
           text::text(TextId::talks_word);
}

std::string TalkChooserModel::ok_caption() const {
    return mode_ == TalkChooserMode::titles ? text::text(TextId::edit) : "OK";
}

std::string TalkChooserModel::cancel_caption() const {
    return mode_ == TalkChooserMode::titles ? text::text(text::TextId::close)
                                            : text::text(TextId::cancel);
}

std::string TalkChooserModel::action_caption() const {
    if (lists_titles()) return text::text(TextId::add_talk);
    if (grid_view_) return text::text(TextId::view_list);
    return text::text(mode_ == TalkChooserMode::speaker ? TextId::edit_list : TextId::choose_talks);
}

std::string TalkChooserModel::added_text() const {
    return text::text(TextId::added_count) + " " + std::to_string(added_);
}

std::string TalkChooserModel::removed_text() const {
    return text::text(TextId::removed_count) + " " + std::to_string(removed_);
}

std::string TalkChooserModel::hover_text(std::optional<std::size_t> talk_index) const {
    if (!talk_index || *talk_index + 1 >= static_cast<std::size_t>(store::TalkCatalogue::kTalks))
        return {};
    const store::TalkRecord& t = doc_.talks().entries()[*talk_index];
    return t.title + " ( " + t.number_text + " )";
}

void TalkChooserModel::fill() {
    const std::vector<store::TalkRecord>& talks = doc_.talks().entries();
    grid_.clear();
    if (!lists_titles()) {
        for (std::size_t i = 0; i < talks.size(); ++i) {
            if (text::trim_left(talks[i].title).empty()) continue;
            grid_.push_back(
                {"  " + talks[i].number_text, i, record_.talks.has(static_cast<int>(i) + 1)});
        }
    }
    lines_.clear();
    std::optional<std::size_t> first_empty;
    std::optional<std::size_t> remembered;
    for (std::size_t i = 0; i < talks.size(); ++i) {
        std::string title = talks[i].title;
        if (lists_titles()) {
            if (!store::TalkCatalogue::has_title(talks[i])) {
                if (!show_empty_) continue;
                title = text::text(TextId::free_for_new_talk);
                if (!first_empty) first_empty = lines_.size();
            }
        } else if (!record_.talks.has(static_cast<int>(i) + 1)) {
            continue;
        }
        if (chosen_ && *chosen_ == i) remembered = lines_.size();
        lines_.push_back({talks[i].number_text + "\t" + title, i});
    }
    top_line_.reset();
    if (lists_titles()) {
        const std::size_t line =
            first_empty ? *first_empty : static_cast<std::size_t>(std::max(current_line_ - 1, 0));
        selection_.reset();
        if (line < lines_.size()) select_line(line);
        if (first_empty) {
            top_line_ =
                std::min(*first_empty >= kTenthLine ? *first_empty - kTenthLine : 0, kLastTopLine);
            action_visible_ = false;
        }
        show_empty_ = false;
    } else {
        selection_ = remembered;
    }
    count_changes();
}

void TalkChooserModel::count_changes() {
    added_ = 0;
    removed_ = 0;
    for (int n = 1; n <= text::TalkSet::kMaxTalk; ++n) {
        if (record_.talks.has(n) && !starting_.has(n)) ++added_;
        if (!record_.talks.has(n) && starting_.has(n)) ++removed_;
    }
}

void TalkChooserModel::talks_from_grid() {
    // Talks the grid does not show keep their bits.
    for (const GridCell& c : grid_)
        record_.talks.set(static_cast<int>(c.position) + 1, c.selected);
}

void TalkChooserModel::select_line(std::size_t line) {
    if (line >= lines_.size()) return;
    selection_ = line;
    if (lists_titles()) {
        current_line_ = static_cast<int>(line) + 1;
        chosen_ = lines_[line].position;
    }
}

void TalkChooserModel::set_cell(std::size_t cell, bool selected) {
    if (cell >= grid_.size()) return;
    grid_[cell].selected = selected;
    if (grid_view_) talks_from_grid();
    count_changes();
}

TalkChooserModel::Action TalkChooserModel::double_click(std::size_t line) {
    if (mode_ == TalkChooserMode::brother) {
        grid_view_ = true;
        fill();
        return Action::stay;
    }
    select_line(line);
    return ok();
}

void TalkChooserModel::run_action() {
    if (lists_titles()) {
        if (!action_visible_) return;
        show_empty_ = true;
        fill();
        return;
    }
    if (grid_view_) talks_from_grid();
    grid_view_ = !grid_view_;
    fill();
}

TalkChooserModel::Action TalkChooserModel::ok() {
    if (selection_) chosen_ = lines_[*selection_].position;
    if (mode_ == TalkChooserMode::speaker && grid_view_) {
        // The edited list is kept and shown to choose from.
        talks_from_grid();
        grid_view_ = false;
        fill();
        return Action::stay;
    }
    if (mode_ == TalkChooserMode::speaker && !selection_) return cancel();
    if (!lists_titles()) {
        if (grid_view_) talks_from_grid();
        return Action::close_ok;
    }
    if (mode_ == TalkChooserMode::titles) return chosen_ ? Action::open_editor : Action::stay;
    return Action::close_ok;
}

TalkChooserModel::Action TalkChooserModel::cancel() {
    if (lists_titles()) {
        doc_.talks().save(doc_.folder());
        return Action::close_cancel;
    }
    if (mode_ == TalkChooserMode::speaker && grid_view_) {
        record_.talks = starting_;
        grid_view_ = false;
        fill();
        return Action::stay;
    }
    return Action::close_cancel;
}

std::optional<std::size_t> TalkChooserModel::step(int delta) {
    if (lines_.empty()) return std::nullopt;
    const std::size_t from = selection_.value_or(0);
    select_line(text::wrap_step(from, lines_.size(), delta));
    return chosen_;
}

}  // namespace vorla::editors
