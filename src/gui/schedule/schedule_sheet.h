#pragma once
// ScheduleSheet: the modal scheduling sheet. Its pages edit the week table in memory; OK
// writes history.dat and special.dat, Cancel reads them again. It closes only by OK or
// "Отмена".
#include <QDialog>
#include <QMap>
#include <vector>

#include "core/schedule/sheet_model.h"
#include "gui/schedule/page_services.h"

class QPushButton;
class QTabWidget;
class QMenu;

namespace vorla::gui {

class CommandSet;
class SchedulePage;

// What makes the page of a kind.
using PageFactory = SchedulePage* (*)(store::Document& doc, const PageServices& services,
                                      QWidget* parent);
PageFactory schedule_page_factory(schedule::PageKind kind);

class ScheduleSheet : public QDialog {
    Q_OBJECT
  public:
    // commands: the main window's commands that "Редактировать" runs (nullptr: none);
    // services: what the pages open beyond their own dialogs.
    ScheduleSheet(store::Document& doc, CommandSet* commands, schedule::PageKind active,
                  QWidget* parent = nullptr, PageServices services = {});

    QTabWidget* tabs() const { return tabs_; }
    // The tab's kinds, in tab order.
    const std::vector<schedule::PageKind>& kinds() const { return kinds_; }
    // The page of a kind once its tab was shown, else nullptr.
    SchedulePage* page(schedule::PageKind kind) const;
    schedule::SheetModel& model() { return model_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }
    // Enabled while the special events have changes Apply would write.
    QPushButton* apply_button() const { return apply_; }
    QPushButton* edit_button() const { return edit_; }
    QMenu* edit_menu() const { return edit_menu_; }

    void accept() override;
    void reject() override;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void show_tab(int index);
    SchedulePage* page_of(const schedule::SheetPage& model) const;

    store::Document& doc_;
    CommandSet* commands_;
    PageServices services_;
    schedule::SheetModel model_;
    std::vector<schedule::PageKind> kinds_;
    QMap<int, SchedulePage*> pages_;  // by tab
    QTabWidget* tabs_;
    QPushButton* edit_;
    QMenu* edit_menu_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* apply_;
};

}  // namespace vorla::gui
