#pragma once
// The congregation list "Выбор собрания": the congregations editor's list (Command::congregations)
// and the congregation chooser.
#include <optional>
#include <string>
#include <vector>

#include "core/store/document.h"
#include "core/text/list_line.h"
#include "core/text/texts.h"

namespace vorla::editors {

class CongregationListModel {
  public:
    struct Action {
        enum Kind { none, choose, edit };
        Kind kind = none;
        std::optional<std::size_t> position;  // nothing: a new congregation
    };

    // choose: the list is a chooser; preselect: the index position to select first.
    CongregationListModel(store::Document& doc, bool choose,
                          std::optional<std::size_t> preselect = std::nullopt);

    store::Document& doc() { return doc_; }
    bool choosing() const { return choose_; }
    std::string title() const { return text::text(text::TextId::choose_congregation); }
    std::string ok_caption() const {
        return text::text(choose_ ? text::TextId::ok : text::TextId::edit);
    }
    std::string close_caption() const { return text::text(text::TextId::close); }
    std::string add_caption() const { return text::text(text::TextId::add_congregation); }

    void fill();
    const std::vector<text::ListLine>& lines() const { return lines_; }
    std::optional<std::size_t> selection() const;
    void select(std::size_t line);
    // Selects the line of an index position (the first line when it is not listed).
    void select_position(std::optional<std::size_t> position);
    std::optional<std::size_t> selected_position() const;
    std::optional<std::size_t> step(int delta);
    // With no congregations the add button takes the focus.
    bool focus_on_add() const { return lines_.empty(); }

    Action ok();
    Action add();
    // The editor closed; the list is filled again when it saved anything.
    void editor_closed(bool saved);
    // "Применить" turned the new congregation into an edited one.
    void adding_done() { adding_ = false; }

    // The chooser's result: an index position.
    std::optional<std::size_t> chosen() const { return chosen_; }

  private:
    store::Document& doc_;
    bool choose_;
    std::vector<text::ListLine> lines_;
    int selection_ = 0;
    bool adding_ = false;
    std::optional<std::size_t> chosen_;
};

}  // namespace vorla::editors
