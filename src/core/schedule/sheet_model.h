#pragma once
// The scheduling sheet: which pages it holds and in what order, which command opens which
// page, its captions, the close rule, and what OK and Cancel do to the files.
#include <optional>
#include <string>
#include <vector>

#include "core/commands/command.h"
#include "core/settings/settings.h"
#include "core/store/document.h"

namespace vorla::schedule {

// The pages in the order of their tabs.
enum class PageKind { summary, local_talks, chairmen, hospitality, readers, outgoing, events };

// The pages the settings switch on, in tab order: hospitality and readers only when they
// are scheduled; the later pages move up.
std::vector<PageKind> sheet_pages(const settings::Settings& s);
// The tab position of a page, nothing when it is switched off.
std::optional<int> page_position(PageKind page, const settings::Settings& s);
// The page a command opens the sheet on: summary, local talks, chairmen, hospitality,
// readers or outgoing speakers.
std::optional<PageKind> page_of_command(commands::Command command);
// The tab title ("Сводка", "Местные речи", ...).
std::string page_title(PageKind page);

// An item of the "Редактировать" pop-up: its text and the command it runs.
struct EditChoice {
    std::string text;
    commands::Command command = commands::Command::none;
};

class SheetModel {
  public:
    // Opening the sheet makes the current week the start week S.
    explicit SheetModel(store::Document& doc);

    // "Панель планирования"
    static std::string title();
    // "Отмена"
    static std::string cancel_caption();
    // "Редактировать" and its pop-up: "Собрания" and "Братья".
    static std::string edit_caption();
    static std::vector<EditChoice> edit_choices();

    // The close box and the system menu are refused with this message; the sheet stays.
    void refuse_close() const;

    // OK, after the pages stored their selected weeks: history.dat and special.dat are
    // written (a failure is reported by the store; the sheet closes regardless).
    void accept();
    // Cancel: both files are read again, dropping every change since they were saved.
    void cancel();

  private:
    store::Document& doc_;
};

}  // namespace vorla::schedule
