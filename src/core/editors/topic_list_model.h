#pragma once
// The topic list "Темы": adds, renames and deletes topics; topic.dat is written at once.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/editors/entry_editing.h"
#include "core/editors/list_line.h"
#include "core/store/document.h"

namespace vorla::editors {

class TopicListModel {
  public:
    static constexpr int kNameMax = 45;

    explicit TopicListModel(store::Document& doc);

    std::string title() const { return "Темы"; }
    const std::vector<ListLine>& lines() const { return lines_; }
    std::optional<std::size_t> selection() const { return state_.selection(); }

    bool edit_visible() const { return state_.edit_visible(); }
    bool add_visible() const { return state_.add_visible(); }
    bool ok_visible() const { return state_.editing(); }
    const std::string& edit_text() const { return state_.edit_text(); }

    void select(std::size_t line);
    void add();
    // OK with the edit's text: adds, renames, or deletes the topic when the name is empty.
    void ok(const std::string& typed);
    // The ids of the topics deleted here (an open talk editor drops them from its copy).
    const std::vector<std::uint16_t>& deleted_ids() const { return deleted_; }

  private:
    void fill();

    store::Document& doc_;
    std::vector<ListLine> lines_;
    EntryEditing state_;
    std::vector<std::uint16_t> deleted_;
};

}  // namespace vorla::editors
