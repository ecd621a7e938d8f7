#include "gui/reports/report_printer.h"

#include <QActionGroup>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTimer>
#include <algorithm>

#include "core/reports/print_pages.h"
#include "gui/reports/report_renderer.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_widget.h"

namespace vorla::gui {

ReportPrinter::ReportPrinter(ReportView& view, QObject* parent) : QObject(parent), view_(view) {}

ReportPrinter::~ReportPrinter() = default;

QPrinter& ReportPrinter::printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // The page is placed on the whole sheet, as on every other output.
        printer_->setFullPage(true);
        printer_->setPageSize(view_.sheet().pageSize());
        printer_->setPageOrientation(view_.sheet().orientation());
    }
    return *printer_;
}

void ReportPrinter::take_printer_sheet() {
    view_.set_sheet(printer().pageLayout());
}

bool ReportPrinter::print_range(QPrinter& device, int from, int to, int copies) {
    const ReportWidget* page = view_.report_page();
    if (!page) return false;
    const int pages = static_cast<int>(page->source()(sheet_device(device)).pages.size());
    // A driver that makes copies is given the count; otherwise every copy is printed here.
    const bool driver_copies = device.supportsMultipleCopies();
    device.setCopyCount(driver_copies ? copies : 1);
    device.setDocName(page->title());
    const std::vector<int> sequence =
        reports::print_page_sequence(from, to, pages, copies, driver_copies);
    printing_ = true;
    const bool ok = paint_pages(device, page->source(), sequence);
    printing_ = false;
    if (driver_copies) device.setCopyCount(1);
    return ok;
}

void ReportPrinter::print() {
    const ReportWidget* page = view_.report_page();
    if (!page) return;
    QPrinter& p = printer();
    const int pages = static_cast<int>(page->source()(sheet_device(p)).pages.size());
    QPrintDialog dialog(&p, &view_);
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

void ReportPrinter::print_preview() {
    const ReportWidget* page = view_.report_page();
    if (!page) return;
    printer().setDocName(page->title());
    QPrintPreviewDialog preview(&printer(), &view_);
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
    const QWidget* top = view_.window();
    preview.resize(std::max(640, top->width() * 9 / 10), std::max(600, top->height() * 9 / 10));
    if (auto* widget = preview.findChild<QPrintPreviewWidget*>()) {
        QTimer::singleShot(0, widget, [widget] { widget->fitInView(); });
    }
    preview.exec();
    take_printer_sheet();
}

void ReportPrinter::print_setup() {
    QPageSetupDialog dialog(&printer(), &view_);
    if (dialog.exec() == QDialog::Accepted) take_printer_sheet();
}

bool ReportPrinter::save_pdf(const QString& path) {
    const ReportWidget* page = view_.report_page();
    if (!page) return false;
    return write_pdf(path, page->source(), 600, view_.sheet(), page->title()).ok();
}

}  // namespace vorla::gui
