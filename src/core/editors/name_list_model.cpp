#include "core/editors/name_list_model.h"

#include "core/editors/table_save.h"
#include "core/text/string_table.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::editors {

NameListModel::NameListModel(store::CVrDoc& doc, NamedList which, bool choose, int preselect)
    : doc_(doc), which_(which), choose_(choose) {
    fill();
    if (choose_ && preselect >= 1 && static_cast<std::size_t>(preselect) <= lines_.size()) {
        selection_ = static_cast<std::size_t>(preselect - 1);
    }
}

store::NamedTable& NameListModel::table() {
    return which_ == NamedList::circuits ? doc_.circuits() : doc_.hosts();
}

std::string NameListModel::title() const {
    return which_ == NamedList::circuits ? "Районы" : text::text(1192);
}

std::string NameListModel::add_caption() const {
    return which_ == NamedList::circuits ? "Добавить район" : text::text(1193);
}

std::string NameListModel::cancel_caption() const { return choose_ ? text::text(1260) : "Закрыть"; }

void NameListModel::fill() {
    lines_.clear();
    const store::NamedTable& t = table();
    for (std::size_t i = 0; i < t.size(); ++i) lines_.push_back({t.at(i).name, i});
    if (selection_ && *selection_ >= lines_.size()) selection_.reset();
}

void NameListModel::select(std::size_t line) {
    if (line >= lines_.size()) return;
    selection_ = line;
    if (choose_) return;
    edit_text_ = lines_[line].text;
    editing_ = true;
    adding_ = false;
}

void NameListModel::add() {
    adding_ = true;
    editing_ = true;
    edit_text_.clear();
}

void NameListModel::store_name(const std::string& name) {
    const text::NameCollator& order = doc_.collator();
    store::NameChange change;
    if (adding_) {
        if (!name.empty()) change = table().add(name, order);
    } else if (selection_ && name.empty()) {
        if (which_ == NamedList::circuits) {
            doc_.delete_circuit(*selection_);
        } else {
            table().remove(*selection_);
        }
        selection_.reset();
        doc_.set_modified();
    } else if (selection_) {
        change = table().rename(*selection_, name, order);
    }
    if (!change.duplicate_notice.empty()) doc_.prompter().inform(change.duplicate_notice, io::Icon::warning);
    if (change.done) doc_.set_modified();
    adding_ = false;
    editing_ = false;
    table().sort(order);
    if (which_ == NamedList::circuits) {
        save_circuits(doc_);
    } else {
        save_hosts(doc_);
    }
    edit_text_.clear();
    fill();
}

bool NameListModel::ok(const std::string& typed) {
    if (!choose_ || adding_) {
        if (editing_) store_name(std::string(text::trim(text::left(typed, kNameMax))));
        return false;
    }
    chosen_id_ = selection_ ? table().at(lines_[*selection_].position).id : 0;
    return true;
}

}  // namespace vorla::editors
