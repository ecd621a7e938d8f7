#include "core/schedule/sheet_model.h"

#include "core/app/commands.h"
#include "core/text/string_table.h"

namespace vorla::schedule {

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

std::optional<PageKind> page_of_command(int command) {
    namespace cmd = app::cmd;
    switch (command) {
        case cmd::kSummary:
            return PageKind::summary;
        case cmd::kLocalTalks:
            return PageKind::local_talks;
        case cmd::kChairmen:
            return PageKind::chairmen;
        case cmd::kHospitality:
            return PageKind::hospitality;
        case cmd::kReaders:
            return PageKind::readers;
        case cmd::kOutgoing:
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
    return text::text(1082);
}
std::string SheetModel::cancel_caption() {
    return text::text(1260);
}
std::string SheetModel::edit_caption() {
    return text::text(1004);
}

std::vector<EditChoice> SheetModel::edit_choices() {
    return {{text::text(1295), app::cmd::kCongregations}, {text::text(1015), app::cmd::kBrothers}};
}

void SheetModel::refuse_close() const {
    doc_.prompter().inform(text::text(1294), io::Icon::information);
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
