#include "gui/reports/report_widget.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <algorithm>

namespace vorla::gui {

ReportWidget::ReportWidget(const reports::ReportRequest& request, ReportSource source,
                           const QPageLayout& sheet, QWidget* parent)
    : QWidget(parent), request_(request), source_(std::move(source)), sheet_(sheet) {
    setObjectName(QStringLiteral("ReportPage"));
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(false);
    relayout();
}

reports::PagePlacement ReportWidget::placement() const {
    return gui::placement(sheet_, logicalDpiX(), logicalDpiY());
}

void ReportWidget::set_sheet(const QPageLayout& sheet) {
    sheet_ = sheet;
    relayout();
    update();
}

reports::DisplayList ReportWidget::screen_list() const {
    return source_(reports::screen_device(placement(), logicalDpiX(), logicalDpiY()));
}

int ReportWidget::sheet_step() const {
    return std::max(placement().sheet_height,
                    reports::screen_page_tenths(request_.kind) * logicalDpiY() / 10);
}

void ReportWidget::relayout() {
    fit_size(static_cast<int>(screen_list().pages.size()));
}

void ReportWidget::fit_size(int pages) {
    page_count_ = std::max(pages, 1);
    setFixedSize(placement().sheet_width, sheet_step() * page_count_);
}

void ReportWidget::paintEvent(QPaintEvent* event) {
    const reports::DisplayList list = screen_list();
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::white);
    const int step = sheet_step();
    const reports::PagePlacement place = placement();
    for (std::size_t p = 0; p < list.pages.size(); ++p) {
        const int top = static_cast<int>(p) * step;
        if (top > event->rect().bottom() || top + step < event->rect().top()) continue;
        painter.save();
        painter.translate(place.left, top + place.top);
        paint_page(painter, list, p);
        painter.restore();
        // Where one sheet of paper ends and the next begins.
        if (p > 0) {
            painter.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 0, Qt::DashLine));
            painter.drawLine(0, top, width(), top);
        }
    }
    // A changed font or setting may change the page count; resize outside the paint.
    if (static_cast<int>(list.pages.size()) != page_count_) {
        QTimer::singleShot(0, this, [this] { relayout(); });
    }
}

}  // namespace vorla::gui
