#include "core/editors/topic_list_model.h"

#include "core/editors/table_save.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::editors {

TopicListModel::TopicListModel(store::Document& doc) : doc_(doc) {
    fill();
}

void TopicListModel::fill() {
    lines_.clear();
    const store::TopicTable& topics = doc_.topics();
    for (std::size_t i = 0; i < topics.size(); ++i)
        lines_.push_back({topics.at(i).topic_name, i});
    state_.forget_selection();
}

void TopicListModel::select(std::size_t line) {
    if (line < lines_.size()) state_.edit(line, lines_[line].text);
}

void TopicListModel::add() {
    state_.add();
}

void TopicListModel::ok(const std::string& typed) {
    if (!state_.editing()) return;
    const std::string name(text::trim(text::left(typed, kNameMax)));
    store::TopicTable& topics = doc_.topics();
    store::NameChange change;
    const auto selected = state_.selection();
    if (state_.adding()) {
        if (!name.empty()) change = topics.add(name, doc_.collator());
    } else if (selected && name.empty()) {
        deleted_.push_back(topics.at(*selected).topic_id);
        doc_.delete_topic(*selected);
    } else if (selected) {
        change = topics.rename(*selected, name, doc_.collator());
    }
    if (!change.duplicate_notice.empty())
        doc_.prompter().inform(change.duplicate_notice, io::Icon::warning);
    state_.finish();
    topics.sort(doc_.collator());
    save_topics(doc_);
    if (change.done) doc_.announce(store::Change::talks);
    fill();
}

}  // namespace vorla::editors
