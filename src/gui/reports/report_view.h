#pragma once
// ReportView: the window's view. In work-panel mode it shows the work panel; in report mode it
// shows the report on screen, page by page, in a scrolling area (ReportPrinter prints it).
#include <QPageLayout>
#include <QScrollArea>
#include <QStackedWidget>
#include <functional>

#include "core/reports/report_request.h"
#include "gui/reports/report_renderer.h"

namespace vorla::gui {

class ReportWidget;

class ReportView : public QStackedWidget {
    Q_OBJECT
  public:
    enum class Mode { panel, report };

    ReportView(QWidget* panel, QWidget* parent = nullptr);
    ~ReportView() override;

    Mode mode() const { return mode_; }

    // Shows a report widget in the scrolling area (the view takes it) and enters report mode.
    void show_report(QWidget* report);
    // Shows a report laid out by `source`; `title` names its print jobs and PDF files.
    void show_report(const reports::ReportRequest& request, ReportSource source,
                     const QString& title = {});
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

    // The sheet reports are shown on, and printed and saved on: at first the paper of the user's
    // locale, then the paper the printer's dialogs chose.
    const QPageLayout& sheet() const { return sheet_; }
    void set_sheet(const QPageLayout& sheet);

  signals:
    void mode_changed(vorla::gui::ReportView::Mode mode);
    // Another report is on screen (also when one report replaces another).
    void report_shown();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool scroll_key(int key);

    QWidget* panel_;
    QScrollArea* scroll_;
    Mode mode_ = Mode::panel;
    std::function<void(const QPoint&)> popup_;
    QPageLayout sheet_;
};

}  // namespace vorla::gui
