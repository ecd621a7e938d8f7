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
            return "Сводка";
        case PageKind::local_talks:
            return "Местные речи";
        case PageKind::chairmen:
            return "Председатели";
        case PageKind::hospitality:
            return "Гостеприимные";
        case PageKind::readers:
            return "Чтецы Сторожевой Башни";
        case PageKind::outgoing:
            return "Уходяшие докладчики";
        case PageKind::events:
            return "Конгрессы, посещения РН, и т.д.";
    }
    return {};
}

SheetModel::SheetModel(store::Document& doc) : doc_(doc) {
    doc_.set_current_week(doc_.today_week());
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

void SheetModel::refuse_close() const {
    doc_.prompter().inform(text::text(TextId::choose_ok_or_cancel), io::Icon::information);
}

void SheetModel::accept() {
    doc_.weeks().save(doc_.folder());
    doc_.events().save(doc_.folder());
    doc_.set_modified();
}

void SheetModel::cancel() {
    doc_.reload_weeks_and_events();
}

}  // namespace vorla::schedule
