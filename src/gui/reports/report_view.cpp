#include "gui/reports/report_view.h"

#include <QActionGroup>
#include <QKeyEvent>
#include <QTimer>

#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScrollBar>
#include <algorithm>

#include "core/reports/print_pages.h"
#include "gui/reports/report_widget.h"

namespace vorla::gui {

ReportView::ReportView(QWidget* panel, QWidget* parent)
    : QStackedWidget(parent), panel_(panel), sheet_(sheet_layout(reports::locale_paper())) {
    setObjectName(QStringLiteral("ReportView"));
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ReportArea"));
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    scroll_->installEventFilter(this);
    addWidget(panel_);
    addWidget(scroll_);
    setCurrentWidget(panel_);
}

ReportView::~ReportView() = default;

void ReportView::show_report(QWidget* report) {
    delete scroll_->takeWidget();
    scroll_->setWidget(report);
    // The scroll bars' arrows and the wheel step by the same lines as the arrow keys.
    scroll_->verticalScrollBar()->setSingleStep(logicalDpiY() / 6);
    scroll_->horizontalScrollBar()->setSingleStep(logicalDpiX() / 10);
    report->installEventFilter(this);
    setCurrentWidget(scroll_);
    const bool changed = mode_ != kReportMode;
    mode_ = kReportMode;
    report->setFocus();
    if (changed) emit mode_changed(mode_);
}

void ReportView::show_report(const reports::ReportRequest& request, ReportSource source) {
    show_report(new ReportWidget(request.kind, std::move(source), sheet_));
}

ReportWidget* ReportView::report_page() const {
    return qobject_cast<ReportWidget*>(scroll_->widget());
}

void ReportView::return_to_panel() {
    if (mode_ == kPanelMode) return;
    mode_ = kPanelMode;
    setCurrentWidget(panel_);
    emit mode_changed(mode_);
}

void ReportView::redraw() {
    if (ReportWidget* page = report_page()) {
        page->relayout();
        page->update();
    } else if (report()) {
        report()->update();
    }
}

bool ReportView::scroll_key(int key) {
    QScrollBar* h = scroll_->horizontalScrollBar();
    QScrollBar* v = scroll_->verticalScrollBar();
    // One line is a tenth of an inch across and a sixth down; one page a quarter of the
    // report's width across and four inches down.
    const int rx = logicalDpiX();
    const int ry = logicalDpiY();
    switch (key) {
        case Qt::Key_PageUp:
            v->setValue(v->value() - 4 * ry);
            return true;
        case Qt::Key_PageDown:
            v->setValue(v->value() + 4 * ry);
            return true;
        case Qt::Key_Home:
            v->setValue(v->minimum());
            h->setValue(h->minimum());
            return true;
        case Qt::Key_End:
            v->setValue(v->maximum());
            h->setValue(h->maximum());
            return true;
        case Qt::Key_Up:
            v->setValue(v->value() - ry / 6);
            return true;
        case Qt::Key_Down:
            v->setValue(v->value() + ry / 6);
            return true;
        case Qt::Key_Left:
            h->setValue(h->value() - rx / 10);
            return true;
        case Qt::Key_Right:
            h->setValue(h->value() + rx / 10);
            return true;
        default:
            return false;
    }
}

bool ReportView::eventFilter(QObject* watched, QEvent* event) {
    if (mode_ == kReportMode && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) {
            return_to_panel();
            return true;
        }
        if (scroll_key(key)) return true;
    }
    if (event->type() == QEvent::MouseButtonRelease && watched == scroll_->widget()) {
        auto* mouse = static_cast<QMouseEvent*>(event);
        const ReportWidget* page = report_page();
        if (mouse->button() == Qt::RightButton && popup_ && page &&
            page->kind() == reports::ReportKind::schedule) {
            popup_(mouse->globalPosition().toPoint());
            return true;
        }
    }
    return QStackedWidget::eventFilter(watched, event);
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && mode_ == kReportMode) {
        return_to_panel();
        return;
    }
    QStackedWidget::keyPressEvent(event);
}

// --- printing ------------------------------------------------------------------------------

QPrinter& ReportView::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The page is placed on the whole sheet, as on every other output.
        printer_->setFullPage(true);
        printer_->setPageSize(sheet_.pageSize());
        printer_->setPageOrientation(sheet_.orientation());
    }
    return *printer_;
}

void ReportView::take_printer_sheet() {
    sheet_ = printer().pageLayout();
    if (ReportWidget* page = report_page()) page->set_sheet(sheet_);
}

bool ReportView::print_range(QPrinter& device, int from, int to, int copies) {
    const ReportWidget* page = report_page();
    if (!page) return false;
    const int pages = static_cast<int>(page->source()(sheet_device(device)).pages.size());
    // A driver that makes copies is given the count; otherwise every copy is printed here.
    const bool driver_copies = device.supportsMultipleCopies();
    device.setCopyCount(driver_copies ? copies : 1);
    const std::vector<int> sequence =
        reports::print_page_sequence(from, to, pages, copies, driver_copies);
    printing_ = true;
    const bool ok = paint_pages(device, page->source(), sequence);
    printing_ = false;
    if (driver_copies) device.setCopyCount(1);
    return ok;
}

void ReportView::print() {
    const ReportWidget* page = report_page();
    if (!page) return;
    QPrinter& p = printer();
    const int pages = static_cast<int>(page->source()(sheet_device(p)).pages.size());
    QPrintDialog dialog(&p, this);
    dialog.setMinMax(1, pages);
    dialog.setFromTo(1, pages);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    p.setCollateCopies(true);
    if (dialog.exec() != QDialog::Accepted) return;
    take_printer_sheet();
    int from = 0;
    int to = 0;
    if (p.printRange() == QPrinter::PageRange) {
        from = p.fromPage();
        to = p.toPage();
    }
    print_range(p, from, to, p.copyCount());
}

void ReportView::print_preview() {
    const ReportWidget* page = report_page();
    if (!page) return;
    QPrintPreviewDialog preview(&printer(), this);
    const ReportSource source = page->source();
    connect(&preview, &QPrintPreviewDialog::paintRequested, this, [source](QPrinter* p) {
        const int pages = static_cast<int>(source(sheet_device(*p)).pages.size());
        paint_pages(*p, source, reports::print_page_sequence(1, pages, pages, 1, true));
    });
    // Pages side by side, two at the most, as the report has them: the dialog's own "all
    // pages" button (the third of its three view modes), so that its tool bar agrees.
    const int pages = page->page_count();
    if (pages >= 2 && pages <= 4) {
        for (QActionGroup* group : preview.findChildren<QActionGroup*>()) {
            const QList<QAction*> modes = group->actions();
            if (modes.size() == 3 && modes[2]->isCheckable()) modes[2]->trigger();
        }
    }
    // Large enough to read a page: most of the window's height; fitted once it is shown.
    const QWidget* top = window();
    preview.resize(std::max(640, top->width() * 9 / 10), std::max(600, top->height() * 9 / 10));
    if (auto* widget = preview.findChild<QPrintPreviewWidget*>()) {
        QTimer::singleShot(0, widget, [widget] { widget->fitInView(); });
    }
    preview.exec();
    take_printer_sheet();
}

void ReportView::print_setup() {
    QPageSetupDialog dialog(&printer(), this);
    if (dialog.exec() == QDialog::Accepted) take_printer_sheet();
}

bool ReportView::save_pdf(const QString& path) {
    const ReportWidget* page = report_page();
    if (!page) return false;
    return write_pdf(path, page->source(), 600, sheet_).ok();
}

}  // namespace vorla::gui
