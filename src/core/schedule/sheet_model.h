#pragma once
// The scheduling sheet: which pages it holds and in what order, which command opens which
// page, its captions, the close rule, and what OK and Cancel do to the files.
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/commands/command.h"
#include "core/schedule/page_kind.h"
#include "core/schedule/sheet_page.h"
#include "core/settings/settings.h"
#include "core/store/document.h"

namespace vorla::schedule {

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
    // What the sheet's window does for its pages.
    struct Listener {
        // The sheet rebuilt a page or selected a row in it: the page shows its model again.
        std::function<void(SheetPage&)> page_changed;
        // A page is to be shown: its tab comes forward, the page is made when it has none.
        std::function<void(PageKind)> page_wanted;
    };

    // Opening the sheet makes the current week the start week S. Until OK or Cancel, data
    // an editor changes (the "Редактировать" menu) rebuilds every page.
    explicit SheetModel(store::Document& doc);
    ~SheetModel();
    SheetModel(const SheetModel&) = delete;
    SheetModel& operator=(const SheetModel&) = delete;

    // "Панель планирования"
    static std::string title();
    // "Отмена"
    static std::string cancel_caption();
    // "Редактировать" and its pop-up: "Собрания" and "Братья".
    static std::string edit_caption();
    static std::vector<EditChoice> edit_choices();

    void set_listener(Listener listener) { listener_ = std::move(listener); }
    // A page joins the first time its tab is shown. When its first build asked its siblings to
    // rebuild, they do so now.
    void join(SheetPage& page);
    // Every page but `except` rebuilds; a rebuild it causes asks nobody in turn.
    void refresh_pages(const SheetPage* except);
    // Brings a page forward and, with a row, selects it there as a click would.
    void show_page(PageKind kind, std::optional<int> row);

    // The close box and the system menu are refused with this message; the sheet stays.
    void refuse_close() const;

    // OK: every page that was shown stores its selected week, then history.dat and
    // special.dat are written (a failure is reported by the store; the sheet closes
    // regardless).
    void accept();
    // Cancel: both files are read again, dropping every change since they were saved.
    void cancel();

  private:
    friend class SheetPage;
    void leave(const SheetPage& page);

    store::Document& doc_;
    store::Subscription data_changes_;
    std::vector<SheetPage*> pages_;  // in the order they joined
    Listener listener_;
    bool refreshing_ = false;
};

}  // namespace vorla::schedule
