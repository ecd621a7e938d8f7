#pragma once
// MainWindow: the main window with its menu, tool bar, status bar and the view, which shows
// the work panel or a report.
#include <QLabel>
#include <QMainWindow>
#include <QPointer>
#include <functional>

#include "core/settings/report_fonts.h"
#include "core/store/document.h"
#include "gui/app/command_set.h"
#include "gui/reports/report_view.h"

namespace vorla::gui {

class DocumentWatcher;
class HelpWindow;
class QtPrompter;
class ReportPrinter;
class WorkPanel;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    MainWindow(store::Document& doc, QtPrompter& prompter, QWidget* parent = nullptr);
    ~MainWindow() override;

    store::Document& doc() { return doc_; }
    CommandSet& commands() { return commands_; }
    ReportView* view() const { return view_; }
    ReportPrinter& report_printer() const { return *printer_; }
    WorkPanel* panel() const { return panel_; }
    QLabel* date_pane() const { return date_pane_; }
    HelpWindow* help_window() const { return help_; }

    // The report fonts, read from the settings file once the window exists.
    settings::ReportFonts& fonts() { return fonts_; }
    // Writes the fonts back into the settings file (at exit).
    void save_fonts();

    // Recomputes what is enabled (the data changed, or the view's mode).
    void refresh();
    // Tells a new user what the folder still needs (once, when the program starts).
    void give_first_run_advice();
    // Opens a help page ("index.html" ...).
    void show_help(const QString& page);

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void build_menus();
    void build_tool_bar();
    void build_status_bar();
    void install_handlers();
    bool mode_allows(commands::Command command) const;
    void on_mode_changed(ReportView::Mode mode);

    store::Document& doc_;
    QtPrompter& prompter_;
    CommandSet commands_;
    settings::ReportFonts fonts_;
    DocumentWatcher* watcher_ = nullptr;
    WorkPanel* panel_ = nullptr;
    ReportView* view_ = nullptr;
    ReportPrinter* printer_ = nullptr;
    QLabel* date_pane_ = nullptr;
    HelpWindow* help_ = nullptr;
    QByteArray panel_geometry_;
    QByteArray report_geometry_;
};

// The status bar's date: "дек 07, 2026".
QString status_date(const calendar::Date& d, std::string_view language);

}  // namespace vorla::gui
