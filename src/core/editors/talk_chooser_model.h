#pragma once
// The talk chooser in its four modes: editing the titles of the catalogue (Command::talks),
// choosing any talk, choosing one of a speaker's talks (and editing his list), and choosing
// the set of talks a brother gives.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/store/brother_record.h"
#include "core/store/document.h"
#include "core/text/list_line.h"
#include "core/text/talk_set.h"

namespace vorla::editors {

enum class TalkChooserMode { titles, any_talk, speaker, brother };

// A cell of the talk grid: "  " and the number text; position is the talk index (0-255).
struct GridCell {
    std::string text;
    std::size_t position = 0;
    bool selected = false;
};

class TalkChooserModel {
  public:
    enum class Action { stay, close_ok, close_cancel, open_editor };

    static TalkChooserModel titles(store::Document& doc);
    // talk_no: the present talk, 0 for none.
    static TalkChooserModel any_talk(store::Document& doc, int talk_no);
    static TalkChooserModel speaker(store::Document& doc, const store::BrotherRecord& record,
                                    int talk_no);
    static TalkChooserModel brother(store::Document& doc, const store::BrotherRecord& record);

    TalkChooserMode mode() const { return mode_; }
    std::string title() const;
    std::string ok_caption() const;
    std::string cancel_caption() const;
    // In the titles mode Enter closes the chooser.
    bool close_is_default() const { return mode_ == TalkChooserMode::titles; }
    std::string action_caption() const;
    bool action_visible() const { return action_visible_; }

    bool grid_view() const { return grid_view_; }
    const std::vector<GridCell>& grid() const { return grid_; }
    const std::vector<text::ListLine>& lines() const { return lines_; }
    std::optional<std::size_t> selection() const { return selection_; }
    // The line to bring into view as the tenth visible line (the first empty place), if any.
    std::optional<std::size_t> top_line() const { return top_line_; }

    // "Добавленный n" and "Удаленный n", each shown only above zero.
    std::string added_text() const;
    std::string removed_text() const;
    bool added_visible() const { return added_ > 0; }
    bool removed_visible() const { return removed_ > 0; }
    // The hover line over the grid: title ( number ); empty for none and for talk 256.
    std::string hover_text(std::optional<std::size_t> talk_index) const;

    void select_line(std::size_t line);
    void set_cell(std::size_t cell, bool selected);
    Action double_click(std::size_t line);
    void run_action();
    Action ok();
    Action cancel();

    // The chosen talk index (0-255) and the record with his talks as edited.
    std::optional<std::size_t> chosen_talk() const { return chosen_; }
    const store::BrotherRecord& record() const { return record_; }

    // The talk editor's "Пред."/"След.": the current line moves, wrapping; its talk index.
    std::optional<std::size_t> step(int delta);

    // Fills the list and grid again (after the talk editor).
    void fill();

  private:
    TalkChooserModel(store::Document& doc, TalkChooserMode mode, store::BrotherRecord record,
                     int talk_no);
    bool lists_titles() const {
        return mode_ == TalkChooserMode::titles || mode_ == TalkChooserMode::any_talk;
    }
    void talks_from_grid();
    void count_changes();

    store::Document& doc_;
    TalkChooserMode mode_;
    store::BrotherRecord record_;
    text::TalkSet starting_;
    std::string name_;
    bool grid_view_ = false;
    bool show_empty_ = false;
    bool action_visible_ = true;
    int current_line_ = 0;  // 1-based, titles and any-talk modes
    std::optional<std::size_t> chosen_;
    std::vector<GridCell> grid_;
    std::vector<text::ListLine> lines_;
    std::optional<std::size_t> selection_;
    std::optional<std::size_t> top_line_;
    int added_ = 0;
    int removed_ = 0;
};

}  // namespace vorla::editors
