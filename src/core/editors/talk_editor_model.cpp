#include "core/editors/talk_editor_model.h"

#include <algorithm>

#include "core/text/texts.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::editors {

using text::TextId;

namespace {
constexpr auto kHistoryStyle = calendar::LabelStyle::short_month | calendar::LabelStyle::with_year;
}

TalkEditorModel::TalkEditorModel(store::Document& doc, TalkChooserModel* chooser,
                                 std::size_t talk_index)
    : doc_(doc), chooser_(chooser) {
    load(talk_index);
}

void TalkEditorModel::load(std::size_t talk_index) {
    talk_index_ = talk_index;
    entry_ = doc_.talks().entries().at(talk_index);
    number_text_ = entry_.number_text;
    title_ = entry_.title;
    window_title_ = entry_.title + " ( " + entry_.number_text + " )";
    topic_selection_ = false;
    fill();
}

std::string TalkEditorModel::topic_button_caption() const {
    return text::text(topic_selection_ ? TextId::view_list : TextId::choose_topic) + " " +
           text::text(TextId::for_talk) + " " + entry_.number_text;
}

void TalkEditorModel::fill() {
    const store::TopicTable& topics = doc_.topics();
    const auto carries = [this](std::uint16_t id) {
        return id != 0 && std::find(entry_.topic_ids.begin(), entry_.topic_ids.end(), id) !=
                              entry_.topic_ids.end();
    };
    all_topics_.clear();
    talk_topics_.clear();
    history_.clear();
    history_selection_.reset();
    if (topic_selection_) {
        for (std::size_t i = 0; i < topics.size(); ++i) {
            const store::TopicRecord& t = topics.at(i);
            if (text::trim_left(t.topic_name).empty()) continue;
            all_topics_.push_back({t.topic_name, i, carries(t.topic_id)});
        }
        return;
    }
    for (std::size_t i = 0; i < topics.size(); ++i) {
        if (carries(topics.at(i).topic_id)) talk_topics_.push_back({topics.at(i).topic_name, i});
    }
    // The weeks it was given in our hall, from the start week back to the window's start.
    const store::WeekTable& weeks = doc_.weeks();
    for (calendar::WeekIndex w = doc_.current_week().index(); w >= weeks.first(); --w) {
        if (!weeks.in_window(w) || weeks.at(w).talk_no != entry_.talk_no) continue;
        history_.push_back(
            {doc_.date_label(w.number(), kHistoryStyle), static_cast<std::size_t>(w.value)});
    }
    if (!history_.empty()) select_history(0);
}

void TalkEditorModel::topics_changed(const std::vector<std::uint16_t>& deleted_ids) {
    for (std::uint16_t& id : entry_.topic_ids) {
        if (std::find(deleted_ids.begin(), deleted_ids.end(), id) != deleted_ids.end()) id = 0;
    }
    fill();
}

void TalkEditorModel::select_history(std::size_t line) {
    if (line >= history_.size()) return;
    history_selection_ = line;
    const calendar::WeekIndex w(static_cast<int>(history_[line].position));
    const store::WeekRecord& week = doc_.weeks().at(w);
    window_title_ = history_[line].text;
    if (const auto speaker = doc_.brothers().find(week.speaker_id)) {
        window_title_ += " - " + doc_.brothers().display_name(*speaker, false);
        if (const auto cong = doc_.congregations().find(week.speaker_cong_id)) {
            window_title_ += " - " + doc_.congregations().at(*cong).name;
        }
    }
}

void TalkEditorModel::collect_topics() {
    entry_.topic_ids.fill(0);
    std::size_t place = 0;
    for (const TopicLine& l : all_topics_) {
        if (!l.selected || place == entry_.topic_ids.size()) continue;
        entry_.topic_ids[place++] = doc_.topics().at(l.position).topic_id;
    }
}

void TalkEditorModel::toggle_topics() {
    if (topic_selection_) collect_topics();
    topic_selection_ = !topic_selection_;
    fill();
}

void TalkEditorModel::set_topic_selected(std::size_t line, bool on) {
    if (line >= all_topics_.size()) return;
    all_topics_[line].selected = on;
    collect_topics();
}

void TalkEditorModel::store() {
    if (topic_selection_) collect_topics();
    entry_.number_text = text::left(number_text_, store::TalkRecord::kNumberTextMax);
    entry_.title = text::left(title_, store::TalkRecord::kTitleMax);
    doc_.talks().set(static_cast<int>(talk_index_) + 1, entry_);
    doc_.announce(store::Change::talks);
}

bool TalkEditorModel::step(int delta) {
    store();
    if (!chooser_) return false;
    const auto next = chooser_->step(delta);
    if (!next) return false;
    load(*next);
    return true;
}

}  // namespace vorla::editors
