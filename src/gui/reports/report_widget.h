#pragma once
// A report on the screen: its pages one below the other on one tall white surface, laid out
// again at every repaint so that a changed font or setting shows at once.
#include <QWidget>

#include "core/reports/report_request.h"
#include "gui/reports/report_renderer.h"

namespace vorla::gui {

class ReportWidget : public QWidget {
    Q_OBJECT
  public:
    ReportWidget(reports::ReportKind kind, ReportSource source, QWidget* parent = nullptr);

    reports::ReportKind kind() const { return kind_; }
    const ReportSource& source() const { return source_; }
    // The report as the screen shows it.
    reports::DisplayList screen_list() const;
    int page_count() const { return page_count_; }
    // Recomputes the pages and the size (8 inches by 11 per page).
    void relayout();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void fit_size(int pages);

    reports::ReportKind kind_;
    ReportSource source_;
    int page_count_ = 1;
};

}  // namespace vorla::gui
