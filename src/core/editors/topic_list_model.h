#pragma once
// The topic list "Темы": adds, renames and deletes topics; topic.dat is written at once.
#include <optional>
#include <string>
#include <vector>

#include "core/editors/list_line.h"
#include "core/store/vr_doc.h"

namespace vorla::editors {

class TopicListModel {
public:
    static constexpr int kNameMax = 45;

    explicit TopicListModel(store::CVrDoc& doc);

    std::string title() const { return "Темы"; }
    const std::vector<ListLine>& lines() const { return lines_; }
    std::optional<std::size_t> selection() const { return selection_; }

    bool edit_visible() const { return editing_; }
    bool add_visible() const { return !editing_; }
    bool ok_visible() const { return editing_; }
    const std::string& edit_text() const { return edit_text_; }

    void select(std::size_t line);
    void add();
    // OK with the edit's text: adds, renames, or deletes the topic when the name is empty.
    void ok(const std::string& typed);

private:
    void fill();

    store::CVrDoc& doc_;
    std::vector<ListLine> lines_;
    std::optional<std::size_t> selection_;
    bool adding_ = false;
    bool editing_ = false;
    std::string edit_text_;
};

}  // namespace vorla::editors
