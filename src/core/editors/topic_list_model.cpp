#include "core/editors/topic_list_model.h"

#include "core/editors/table_save.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::editors {

TopicListModel::TopicListModel(store::CVrDoc& doc) : doc_(doc) { fill(); }

void TopicListModel::fill() {
    lines_.clear();
    const store::TopicTable& topics = doc_.topics();
    for (std::size_t i = 0; i < topics.size(); ++i) lines_.push_back({topics.at(i).topic_name, i});
    selection_.reset();
}

void TopicListModel::select(std::size_t line) {
    if (line >= lines_.size()) return;
    selection_ = line;
    edit_text_ = lines_[line].text;
    editing_ = true;
    adding_ = false;
}

void TopicListModel::add() {
    adding_ = true;
    editing_ = true;
    edit_text_.clear();
}

void TopicListModel::ok(const std::string& typed) {
    if (!editing_) return;
    const std::string name(text::trim(text::left(typed, kNameMax)));
    store::TopicTable& topics = doc_.topics();
    store::NameChange change;
    if (adding_) {
        if (!name.empty()) change = topics.add(name, doc_.collator());
    } else if (selection_ && name.empty()) {
        doc_.delete_topic(*selection_);
    } else if (selection_) {
        change = topics.rename(*selection_, name, doc_.collator());
    }
    if (!change.duplicate_notice.empty()) doc_.prompter().inform(change.duplicate_notice, io::Icon::warning);
    if (change.done) doc_.set_modified();
    adding_ = false;
    editing_ = false;
    topics.sort(doc_.collator());
    save_topics(doc_);
    edit_text_.clear();
    fill();
}

}  // namespace vorla::editors
