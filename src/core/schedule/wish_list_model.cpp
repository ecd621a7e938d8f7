#include "core/schedule/wish_list_model.h"

#include <cstdio>

#include "core/commands/command_prompt.h"
#include "core/store/change_notices.h"
#include "core/text/texts.h"

namespace vorla::schedule {

using text::TextId;

namespace {

TextId priority_letter(WishListModel::Priority priority) {
    switch (priority) {
        case WishListModel::Priority::high:
            return TextId::priority_letter_high;
        case WishListModel::Priority::low:
            return TextId::priority_letter_low;
        case WishListModel::Priority::medium:
            break;
    }
    return TextId::priority_letter_medium;
}

std::string line_of(const store::WantedTalk& t) {
    char number[8];
    std::snprintf(number, sizeof number, "%3d", t.talk_no);
    return std::string(number) + '\t' + text::text(priority_letter(t.priority)) + '\t' +
           t.last_heard;
}

}  // namespace

WishListModel::WishListModel(store::Document& doc) : doc_(doc), list_(doc.wish_list()) {
    fill();
}

std::string WishListModel::title() {
    return text::text(TextId::talks_we_need_caption);
}

std::string WishListModel::print_caption() {
    return commands::command_tip(commands::Command::print);
}

void WishListModel::fill() {
    talks_ = store::wanted_talks(doc_, list_);
    lines_.clear();
    lines_.reserve(talks_.size());
    for (const store::WantedTalk& t : talks_)
        lines_.push_back(line_of(t));
}

std::optional<std::size_t> WishListModel::selected_line() const {
    if (lines_.empty()) return std::nullopt;
    // A removed last line leaves the line above it selected.
    return std::min(remembered_, lines_.size() - 1);
}

void WishListModel::select(std::size_t line) {
    if (line < lines_.size()) remembered_ = line;
}

int WishListModel::selected_talk() const {
    const auto line = selected_line();
    return line ? talks_[*line].talk_no : 0;
}

std::string WishListModel::title_line() const {
    const store::TalkRecord* talk = doc_.talks().find(selected_talk());
    return talk ? talk->title : std::string();
}

std::optional<WishListModel::Priority> WishListModel::selected_priority() const {
    const auto line = selected_line();
    if (!line) return std::nullopt;
    return talks_[*line].priority;
}

void WishListModel::set_priority(Priority priority) {
    const int n = selected_talk();
    if (n == 0) return;
    store::WishListRecord r = list_.record();
    r.wanted_high.set(n, priority == Priority::high);
    r.wanted_low.set(n, priority == Priority::low);
    list_.set_record(r);
    fill();
}

void WishListModel::remove_selected() {
    const auto line = selected_line();
    if (!line) return;
    list_.remove(talks_[*line].talk_no);
    remembered_ = *line;
    fill();
}

TalkPickerParams WishListModel::picker_params() const {
    TalkPickerParams p;
    p.title = title();
    p.single = false;
    p.needed = list_.record().wanted;
    p.wish_mode = true;
    return p;
}

void WishListModel::take_wanted(const text::TalkSet& wanted) {
    store::WishListRecord r = list_.record();
    r.wanted = wanted;
    list_.set_record(r);
    fill();
}

bool WishListModel::accept() {
    if (!list_.save(doc_.folder())) return false;
    doc_.wish_list().set_record(list_.record());
    doc_.announce(store::Change::talks);
    return true;
}

}  // namespace vorla::schedule
