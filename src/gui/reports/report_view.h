#pragma once
// ReportView: the window's view. In work-panel mode it shows the work panel; in report mode it
// shows the report on screen, page by page, in a scrolling area, and prints it.
#include <QPageLayout>
#include <QScrollArea>
#include <QStackedWidget>
#include <functional>
#include <memory>

#include "core/reports/report_request.h"
#include "gui/reports/report_renderer.h"

class QPrinter;

namespace vorla::gui {

class ReportWidget;

class ReportView : public QStackedWidget {
    Q_OBJECT
  public:
    enum Mode { kPanelMode = 1, kReportMode = 2 };

    ReportView(QWidget* panel, QWidget* parent = nullptr);
    ~ReportView() override;

    Mode mode() const { return mode_; }
    bool printing() const { return printing_; }
    void set_printing(bool on) { printing_ = on; }

    // Shows a report widget in the scrolling area (the view takes it) and enters report mode.
    void show_report(QWidget* report);
    // Shows a report laid out by `source` (the view keeps the request for printing).
    void show_report(const reports::ReportRequest& request, ReportSource source);
    QWidget* report() const { return scroll_->widget(); }
    // The report drawn from a display list, when the view shows one.
    ReportWidget* report_page() const;
    QScrollArea* scroll_area() const { return scroll_; }
    // Back to the work panel ("Возврат к главному окну", Esc).
    void return_to_panel();
    // Lays the report out again (fonts or settings changed).
    void redraw();

    // The right-button pop-up of the schedule: called with the global point of the click.
    void set_popup_handler(std::function<void(const QPoint&)> handler) {
        popup_ = std::move(handler);
    }

    // The printer of Print, Print preview and Print setup (created on first use), on the
    // paper of the user's locale until its dialogs choose another.
    QPrinter& printer();
    // The sheet reports are shown, printed and saved on: the printer's paper.
    const QPageLayout& sheet() const { return sheet_; }
    // Print: the print dialog with the page range, then the pages (copies made here when the
    // driver cannot). Print preview and Print setup as the platform offers them.
    void print();
    void print_preview();
    void print_setup();
    // Prints pages from..to (0 = all) with `copies` copies on a printer already set up.
    bool print_range(QPrinter& printer, int from, int to, int copies);
    // Saves the report as PDF, as it prints.
    bool save_pdf(const QString& path);

  signals:
    void mode_changed(int mode);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool scroll_key(int key);
    // Takes the paper the printer's dialogs chose.
    void take_printer_sheet();

    QWidget* panel_;
    QScrollArea* scroll_;
    Mode mode_ = kPanelMode;
    bool printing_ = false;
    std::function<void(const QPoint&)> popup_;
    std::unique_ptr<QPrinter> printer_;
    QPageLayout sheet_;
};

}  // namespace vorla::gui
