#include "gui/reports/vr_view.h"

#include <QKeyEvent>

namespace vorla::gui {

CVrView::CVrView(QWidget* panel, QWidget* parent) : QStackedWidget(parent), panel_(panel) {
    setObjectName(QStringLiteral("CVrView"));
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("ReportArea"));
    scroll_->setBackgroundRole(QPalette::Dark);
    scroll_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    addWidget(panel_);
    addWidget(scroll_);
    setCurrentWidget(panel_);
}

void CVrView::show_report(QWidget* report) {
    delete scroll_->takeWidget();
    scroll_->setWidget(report);
    setCurrentWidget(scroll_);
    const bool changed = mode_ != kReportMode;
    mode_ = kReportMode;
    report->setFocus();
    if (changed) emit mode_changed(mode_);
}

void CVrView::return_to_panel() {
    if (mode_ == kPanelMode) return;
    mode_ = kPanelMode;
    setCurrentWidget(panel_);
    emit mode_changed(mode_);
}

void CVrView::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && mode_ == kReportMode) {
        return_to_panel();
        return;
    }
    QStackedWidget::keyPressEvent(event);
}

}  // namespace vorla::gui
