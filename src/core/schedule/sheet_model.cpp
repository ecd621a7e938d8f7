#include "core/schedule/sheet_model.h"

#include "core/text/texts.h"

namespace vorla::schedule {

using text::TextId;

std::vector<PageKind> sheet_pages(const settings::Settings& s) {
    std::vector<PageKind> pages{PageKind::summary, PageKind::local_talks, PageKind::chairmen};
    if (s.hospitality_scheduled) pages.push_back(PageKind::hospitality);
    if (s.readers_scheduled) pages.push_back(PageKind::readers);
    pages.push_back(PageKind::outgoing);
    pages.push_back(PageKind::events);
    return pages;
}

std::optional<int> page_position(PageKind page, const settings::Settings& s) {
    const std::vector<PageKind> pages = sheet_pages(s);
    for (std::size_t k = 0; k < pages.size(); ++k) {
        if (pages[k] == page) return static_cast<int>(k);
    }
    return std::nullopt;
}

std::optional<PageKind> page_of_command(commands::Command command) {
    using commands::Command;
    switch (command) {
        case Command::summary:
            return PageKind::summary;
        case Command::local_talks:
            return PageKind::local_talks;
        case Command::chairmen:
            return PageKind::chairmen;
        case Command::hospitality:
            return PageKind::hospitality;
        case Command::readers:
            return PageKind::readers;
        case Command::outgoing:
            return PageKind::outgoing;
        default:
            return std::nullopt;
    }
}

std::string page_title(PageKind page) {
    switch (page) {
        case PageKind::summary:
            return text::text(text::TextId::summary_caption);
        case PageKind::local_talks:
            return text::text(text::TextId::local_talks);
        case PageKind::chairmen:
            return text::text(text::TextId::chairmen);
        case PageKind::hospitality:
            return text::text(text::TextId::hospitality_caption);
        case PageKind::readers:
            return text::text(text::TextId::readers_list_caption);
        case PageKind::outgoing:
            return text::text(text::TextId::outgoing_speakers_tab);
        case PageKind::events:
            return text::text(text::TextId::special_events_tab);
    }
    return {};
}

SheetModel::SheetModel(store::Document& doc) : doc_(doc) {
    doc_.set_current_week(doc_.today_week());
    data_changes_ = doc_.observe([this](store::Changes) { refresh_pages(nullptr); });
}

SheetModel::~SheetModel() {
    for (SheetPage* page : pages_)
        page->sheet_ = nullptr;
}

std::string SheetModel::title() {
    return text::text(TextId::scheduling_panel);
}
std::string SheetModel::cancel_caption() {
    return text::text(TextId::cancel);
}
std::string SheetModel::edit_caption() {
    return text::text(TextId::edit);
}

std::vector<EditChoice> SheetModel::edit_choices() {
    using commands::Command;
    return {{text::text(text::TextId::congregations), Command::congregations},
            {text::text(text::TextId::brothers), Command::brothers}};
}

void SheetModel::join(SheetPage& page) {
    page.sheet_ = this;
    pages_.push_back(&page);
    if (page.early_request_) {
        page.early_request_ = false;
        refresh_pages(&page);
    }
}

void SheetModel::leave(const SheetPage& page) {
    std::erase(pages_, &page);
}

void SheetModel::refresh_pages(const SheetPage* except) {
    if (refreshing_) return;
    refreshing_ = true;
    // A copy: nothing joins or leaves during the round, but the rule must not depend on it.
    const std::vector<SheetPage*> pages = pages_;
    for (SheetPage* page : pages) {
        if (page == except) continue;
        page->refresh();
        if (listener_.page_changed) listener_.page_changed(*page);
    }
    refreshing_ = false;
}

void SheetModel::show_page(PageKind kind, std::optional<int> row) {
    if (listener_.page_wanted) listener_.page_wanted(kind);
    if (!row) return;
    for (SheetPage* page : pages_) {
        if (page->kind() != kind) continue;
        page->select(*row);
        if (listener_.page_changed) listener_.page_changed(*page);
        return;
    }
}

void SheetModel::refuse_close() const {
    doc_.prompter().inform(text::text(TextId::choose_ok_or_cancel), io::Icon::information);
}

void SheetModel::accept() {
    // The sheet's own saving is no editor's change: the pages are closing.
    data_changes_.reset();
    for (SheetPage* page : pages_)
        page->store_selected();
    doc_.weeks().save(doc_.folder());
    doc_.events().save(doc_.folder());
    doc_.announce(store::Change::weeks);
}

void SheetModel::cancel() {
    data_changes_.reset();
    doc_.reload_weeks_and_events();
}

}  // namespace vorla::schedule
