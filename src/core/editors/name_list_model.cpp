#include "core/editors/name_list_model.h"

#include "core/editors/table_save.h"
#include "core/text/texts.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::editors {

using text::TextId;

NameListModel::NameListModel(store::Document& doc, NamedList which, bool choose, int preselect)
    : doc_(doc), which_(which), choose_(choose) {
    fill();
    if (choose_ && preselect >= 1 && static_cast<std::size_t>(preselect) <= lines_.size()) {
        state_.remember(static_cast<std::size_t>(preselect - 1));
    }
}

store::NamedTable& NameListModel::table() {
    return which_ == NamedList::circuits ? doc_.circuits() : doc_.hosts();
}

std::string NameListModel::title() const {
    return which_ == NamedList::circuits ? "Районы" : text::text(TextId::hospitality);
}

std::string NameListModel::add_caption() const {
    return which_ == NamedList::circuits ? "Добавить район" : text::text(TextId::add_hosts);
}

std::string NameListModel::cancel_caption() const {
    return choose_ ? text::text(TextId::cancel) : "Закрыть";
}

void NameListModel::fill() {
    lines_.clear();
    const store::NamedTable& t = table();
    for (std::size_t i = 0; i < t.size(); ++i)
        lines_.push_back({t.at(i).name, i});
    if (state_.selection() && *state_.selection() >= lines_.size()) state_.forget_selection();
}

void NameListModel::select(std::size_t line) {
    if (line >= lines_.size()) return;
    if (choose_) {
        state_.remember(line);
    } else {
        state_.edit(line, lines_[line].text);
    }
}

void NameListModel::add() {
    state_.add();
}

void NameListModel::store_name(const std::string& name) {
    const text::NameCollator& order = doc_.collator();
    store::NameChange change;
    bool removed = false;
    const auto selected = state_.selection();
    // The entry a chooser had selected, found again by id once the table is sorted.
    std::uint16_t chosen = choose_ && selected ? table().at(lines_[*selected].position).id : 0;
    if (state_.adding()) {
        if (!name.empty()) change = table().add(name, order);
    } else if (selected && name.empty()) {
        if (which_ == NamedList::circuits) {
            doc_.delete_circuit(*selected);
        } else {
            table().remove(*selected);
        }
        state_.forget_selection();
        removed = true;
    } else if (selected) {
        change = table().rename(*selected, name, order);
    }
    if (!change.duplicate_notice.empty())
        doc_.prompter().inform(change.duplicate_notice, io::Icon::warning);
    state_.finish();
    table().sort(order);
    if (which_ == NamedList::circuits) {
        save_circuits(doc_);
    } else {
        save_hosts(doc_);
    }
    if (change.done || removed)
        doc_.announce(which_ == NamedList::circuits ? store::Change::congregations
                                                    : store::Change::hosts);
    fill();
    // Editing leaves no line selected, so that a click on any line edits it; a chooser
    // selects the entry just added so that it can be chosen at once.
    state_.forget_selection();
    if (!choose_) return;
    if (change.done) chosen = change.id;
    if (const std::size_t pos = table().find_by_id(chosen); pos != 0) state_.remember(pos - 1);
}

bool NameListModel::ok(const std::string& typed) {
    if (!choose_ || state_.adding()) {
        if (state_.editing()) store_name(std::string(text::trim(text::left(typed, kNameMax))));
        return false;
    }
    const auto selected = state_.selection();
    chosen_id_ = selected ? table().at(lines_[*selected].position).id : 0;
    return true;
}

}  // namespace vorla::editors
