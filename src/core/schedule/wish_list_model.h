#pragma once
// The talks-we-need dialog: the wanted talks with their priority and when each was last heard,
// the priority of the selected talk, adding talks through the talk picker and removing them.
// It edits a copy of the list; OK writes wishlist.dat once, Cancel leaves everything as it was.
#include <optional>
#include <string>
#include <vector>

#include "core/schedule/talk_picker_model.h"
#include "core/store/document.h"
#include "core/store/wanted_talks.h"
#include "core/store/wish_list.h"

namespace vorla::schedule {

class WishListModel {
  public:
    using Priority = store::WishList::Priority;

    explicit WishListModel(store::Document& doc);

    // The dialog's title, also the printed list's heading and its print job's name.
    static std::string title();
    // "Печать": the button says what the print command's tool-bar button says.
    static std::string print_caption();

    // One line per wanted talk 1..200: "%3d\t%s\t%s" of its number, the priority letter ("В",
    // "С", "Н") and the last-heard date.
    const std::vector<std::string>& lines() const { return lines_; }
    const std::vector<store::WantedTalk>& talks() const { return talks_; }

    // The remembered line; none only when the list is empty.
    std::optional<std::size_t> selected_line() const;
    void select(std::size_t line);
    // The talk of the selected line, 0 without one.
    int selected_talk() const;
    // The line under the list: the selected talk's title.
    std::string title_line() const;
    // The priority buttons show the selected talk's priority; nothing without a selection.
    std::optional<Priority> selected_priority() const;
    // A priority button pressed: the high bit takes "Высокий", the low bit "Низкий"
    // ("Средний" clears both).
    void set_priority(Priority priority);

    // "Удалить" is hidden when the list is empty.
    bool remove_visible() const { return !lines_.empty(); }
    // Takes the selected talk off the list (its wanted and priority bits).
    void remove_selected();

    // "Добавить": the picker in its talks-we-need grid with a copy of the wanted set, and
    // what it hands back. Newly wanted talks keep priority bits they already had.
    TalkPickerParams picker_params() const;
    void take_wanted(const text::TalkSet& wanted);

    // The dialog's copy of the list, as printed.
    const store::WishList& list() const { return list_; }

    // OK: writes wishlist.dat and hands the list to the document. False when the file could
    // not be written (the user was told); the document keeps its list then.
    bool accept();

  private:
    void fill();

    store::Document& doc_;
    store::WishList list_;
    std::vector<store::WantedTalk> talks_;
    std::vector<std::string> lines_;
    std::size_t remembered_ = 0;
};

}  // namespace vorla::schedule
