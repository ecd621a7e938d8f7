#pragma once
// The two states of the lists whose entries are edited one at a time in a name edit under
// the list (circuits, hosts, topics): browsing, and editing one entry or a new one.
#include <optional>
#include <string>

namespace vorla::editors {

class EntryEditing {
  public:
    bool editing() const { return editing_; }
    bool adding() const { return adding_; }
    // The edit is shown only while editing; the add button only while browsing.
    bool edit_visible() const { return editing_; }
    bool add_visible() const { return !editing_; }
    const std::string& edit_text() const { return edit_text_; }
    std::optional<std::size_t> selection() const { return selection_; }

    // A click on a line: its name goes into the edit.
    void edit(std::size_t line, std::string name) {
        selection_ = line;
        edit_text_ = std::move(name);
        editing_ = true;
        adding_ = false;
    }
    // A chooser only remembers the line.
    void remember(std::size_t line) { selection_ = line; }
    // The add button: an empty edit for a new name.
    void add() {
        adding_ = true;
        editing_ = true;
        edit_text_.clear();
    }
    // After OK: back to browsing with an empty edit.
    void finish() {
        adding_ = false;
        editing_ = false;
        edit_text_.clear();
    }
    void forget_selection() { selection_.reset(); }

  private:
    std::optional<std::size_t> selection_;
    bool adding_ = false;
    bool editing_ = false;
    std::string edit_text_;
};

}  // namespace vorla::editors
