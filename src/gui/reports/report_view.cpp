#include "gui/reports/report_view.h"

#include <QKeyEvent>
#include <QScrollBar>

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
    const bool changed = mode_ != Mode::report;
    mode_ = Mode::report;
    report->setFocus();
    if (changed) emit mode_changed(mode_);
    emit report_shown();
}

void ReportView::show_report(const reports::ReportRequest& request, ReportSource source,
                             const QString& title) {
    auto* page = new ReportWidget(request, std::move(source), sheet_);
    page->set_title(title);
    show_report(page);
}

void ReportView::set_sheet(const QPageLayout& sheet) {
    sheet_ = sheet;
    if (ReportWidget* page = report_page()) page->set_sheet(sheet_);
}

ReportWidget* ReportView::report_page() const {
    return qobject_cast<ReportWidget*>(scroll_->widget());
}

void ReportView::return_to_panel() {
    if (mode_ == Mode::panel) return;
    mode_ = Mode::panel;
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
    if (mode_ == Mode::report && event->type() == QEvent::KeyPress) {
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
    if (event->key() == Qt::Key_Escape && mode_ == Mode::report) {
        return_to_panel();
        return;
    }
    QStackedWidget::keyPressEvent(event);
}

}  // namespace vorla::gui
