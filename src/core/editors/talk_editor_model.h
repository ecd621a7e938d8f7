#pragma once
// The talk editor: one talk's number text, title and topics, with the weeks in which it was
// given in our congregation. Edits stay in memory until the talk chooser writes talk.dat.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "core/editors/talk_chooser_model.h"
#include "core/store/document.h"
#include "core/store/talk_record.h"
#include "core/text/list_line.h"

namespace vorla::editors {

// A line of the list of all topics: its name, table position and whether the talk has it.
struct TopicLine {
    std::string text;
    std::size_t position = 0;
    bool selected = false;
};

class TalkEditorModel {
  public:
    TalkEditorModel(store::Document& doc, TalkChooserModel* chooser, std::size_t talk_index);

    // The talk's title ( number ), or the selected week's line of the history.
    const std::string& window_title() const { return window_title_; }
    std::string& number_text() { return number_text_; }
    std::string& title() { return title_; }

    bool topic_selection() const { return topic_selection_; }
    std::string topic_button_caption() const;
    bool edit_topics_visible() const { return topic_selection_; }
    // The multi-selection list of all topics (topic selection on).
    const std::vector<TopicLine>& all_topics() const { return all_topics_; }
    // The topics of the talk, and its weeks in our hall (topic selection off).
    const std::vector<text::ListLine>& talk_topics() const { return talk_topics_; }
    const std::vector<text::ListLine>& history() const { return history_; }
    std::optional<std::size_t> history_selection() const { return history_selection_; }

    void select_history(std::size_t line);
    // The topic button: collects the chosen topics when leaving the selection.
    void toggle_topics();
    // A change in the list of all topics: the talk takes the first 26 selected.
    void set_topic_selected(std::size_t line, bool on);
    // After the topic list: the topics deleted there leave this talk's copy too (so that a new
    // topic that takes the id does not land here), then the lists again.
    void topics_changed(const std::vector<std::uint16_t>& deleted_ids);
    void fill();

    // OK: the entry goes into the catalogue (memory only).
    void store();
    // "Пред." (-1) / "След." (+1): stores and moves to the chooser's neighbouring talk.
    bool step(int delta);

    const store::TalkRecord& entry() const { return entry_; }

  private:
    void load(std::size_t talk_index);
    void collect_topics();

    store::Document& doc_;
    TalkChooserModel* chooser_;
    std::size_t talk_index_ = 0;
    store::TalkRecord entry_;
    std::string number_text_;
    std::string title_;
    std::string window_title_;
    bool topic_selection_ = false;
    std::vector<TopicLine> all_topics_;
    std::vector<text::ListLine> talk_topics_;
    std::vector<text::ListLine> history_;
    std::optional<std::size_t> history_selection_;
};

}  // namespace vorla::editors
