#include "core/editors/name_list_model.h"

#include "core/text/texts.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::editors {

using text::TextId;

namespace {

// Runs f on the table the list edits; the three tables share their interface.
template <class F>
decltype(auto) on_table(store::Document& doc, NamedList which, F&& f) {
    switch (which) {
        case NamedList::circuits:
            return f(doc.circuits());
        case NamedList::hosts:
            return f(doc.hosts());
        case NamedList::topics:
            break;
    }
    return f(doc.topics());
}

// What an edit of each list touches, for the document's notice.
store::Change change_of(NamedList which) {
    switch (which) {
        case NamedList::circuits:
            return store::Change::congregations;
        case NamedList::hosts:
            return store::Change::hosts;
        case NamedList::topics:
            break;
    }
    return store::Change::talks;
}

}  // namespace

NameListModel::NameListModel(store::Document& doc, NamedList which, bool choose, int preselect)
    : doc_(doc), which_(which), choose_(choose && which != NamedList::topics) {
    fill();
    if (choose_ && preselect >= 1 && static_cast<std::size_t>(preselect) <= lines_.size()) {
        state_.remember(static_cast<std::size_t>(preselect - 1));
    }
}

std::string NameListModel::title() const {
    switch (which_) {
        case NamedList::circuits:
            return text::text(text::TextId::circuits_caption);
        case NamedList::hosts:
            return text::text(TextId::hospitality);
        case NamedList::topics:
            break;
    }
    return text::text(text::TextId::topics_caption);
}

std::string NameListModel::add_caption() const {
    switch (which_) {
        case NamedList::circuits:
            return text::text(text::TextId::add_circuit);
        case NamedList::hosts:
            return text::text(TextId::add_hosts);
        case NamedList::topics:
            break;
    }
    return text::text(text::TextId::add_topic);
}

std::string NameListModel::cancel_caption() const {
    return choose_ ? text::text(TextId::cancel) : text::text(text::TextId::close);
}

std::vector<NameListButton> NameListModel::buttons() const {
    using enum NameListButton;
    if (which_ == NamedList::topics) return {ok, add, close};
    return {ok, close, add};
}

std::uint16_t NameListModel::id_at_line(std::size_t line) const {
    return on_table(doc_, which_, [&](const auto& t) { return t.id_at(lines_[line].position); });
}

void NameListModel::fill() {
    lines_.clear();
    on_table(doc_, which_, [&](const auto& t) {
        for (std::size_t i = 0; i < t.size(); ++i)
            lines_.push_back({t.name_at(i), i});
    });
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
    std::uint16_t chosen = choose_ && selected ? id_at_line(*selected) : 0;
    if (state_.adding()) {
        if (!name.empty())
            change = on_table(doc_, which_, [&](auto& t) { return t.add(name, order); });
    } else if (selected && name.empty()) {
        // Deleting a circuit or a topic also clears it where it is used, and tells so.
        switch (which_) {
            case NamedList::circuits:
                doc_.delete_circuit(*selected);
                break;
            case NamedList::hosts:
                doc_.hosts().remove(*selected);
                removed = true;
                break;
            case NamedList::topics:
                deleted_.push_back(doc_.topics().id_at(*selected));
                doc_.delete_topic(*selected);
                break;
        }
        state_.forget_selection();
    } else if (selected) {
        change = on_table(doc_, which_, [&](auto& t) { return t.rename(*selected, name, order); });
    }
    if (!change.duplicate_notice.empty())
        doc_.prompter().inform(change.duplicate_notice, io::Icon::warning);
    state_.finish();
    on_table(doc_, which_, [&](auto& t) {
        t.sort(order);
        t.save_edited(doc_.folder());
    });
    if (change.done || removed) doc_.announce(change_of(which_));
    fill();
    // Editing leaves no line selected, so that a click on any line edits it; a chooser
    // selects the entry just added so that it can be chosen at once.
    state_.forget_selection();
    if (!choose_) return;
    if (change.done) chosen = change.id;
    const std::size_t pos =
        on_table(doc_, which_, [&](const auto& t) { return t.find_by_id(chosen); });
    if (pos != 0) state_.remember(pos - 1);
}

bool NameListModel::ok(const std::string& typed) {
    if (!choose_ || state_.adding()) {
        if (state_.editing()) store_name(std::string(text::trim(text::left(typed, name_max()))));
        return false;
    }
    const auto selected = state_.selection();
    chosen_id_ = selected ? id_at_line(*selected) : 0;
    return true;
}

}  // namespace vorla::editors
