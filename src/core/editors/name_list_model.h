#pragma once
// The name-list editor: the circuit table ("Районы", Command::circuits), the hospitality list
// ("Гостеприимство") or the topics ("Темы"), edited one entry at a time; the circuits and the
// hosts also have a chooser. Every add, rename or delete rewrites the table's file at once.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/editors/entry_editing.h"
#include "core/store/document.h"
#include "core/text/list_line.h"

namespace vorla::editors {

enum class NamedList { circuits, hosts, topics };

// The buttons beside the list, in the order they stand.
enum class NameListButton { ok, close, add };

class NameListModel {
  public:
    // preselect (choosers of circuits and hosts only): the 1-based position to select, -1 for
    // none.
    NameListModel(store::Document& doc, NamedList which, bool choose = false, int preselect = -1);

    std::string title() const;
    std::string add_caption() const;
    std::string cancel_caption() const;
    std::vector<NameListButton> buttons() const;
    // How many characters the name edit takes.
    std::size_t name_max() const {
        return which_ == NamedList::topics ? store::TopicRecord::kNameMax
                                           : store::NamedRecord::kNameMax;
    }
    bool choosing() const { return choose_; }

    // The names as stored, a host's "~" included.
    const std::vector<text::ListLine>& lines() const { return lines_; }
    std::optional<std::size_t> selection() const { return state_.selection(); }

    bool edit_visible() const { return state_.edit_visible(); }
    bool add_visible() const { return state_.add_visible(); }
    bool ok_visible() const { return state_.editing() || choose_; }
    // What the name edit shows.
    const std::string& edit_text() const { return state_.edit_text(); }

    // A click on a line: in editing mode its name goes into the edit.
    void select(std::size_t line);
    // The add button: an empty edit for a new name.
    void add();
    // OK with the edit's text: adds, renames, or deletes the entry when the name is empty.
    // True when the dialog closes (a chooser's choice).
    bool ok(const std::string& typed);

    // A chooser's result: the entry's id (0 when no line was selected) and its position.
    std::uint16_t chosen_id() const { return chosen_id_; }
    std::optional<std::size_t> chosen_position() const { return state_.selection(); }
    // The ids of the topics deleted here (an open talk editor drops them from its copy).
    const std::vector<std::uint16_t>& deleted_ids() const { return deleted_; }

  private:
    void fill();
    void store_name(const std::string& name);
    std::uint16_t id_at_line(std::size_t line) const;

    store::Document& doc_;
    NamedList which_;
    bool choose_;
    std::vector<text::ListLine> lines_;
    EntryEditing state_;
    std::uint16_t chosen_id_ = 0;
    std::vector<std::uint16_t> deleted_;
};

}  // namespace vorla::editors
