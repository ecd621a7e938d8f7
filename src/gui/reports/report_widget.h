#pragma once
// A report on the screen: its pages one below the other, each placed on a sheet of the
// printer's paper as it prints, laid out again at every repaint so that a changed font or
// setting shows at once.
#include <QPageLayout>
#include <QWidget>

#include "core/reports/report_request.h"
#include "gui/reports/report_renderer.h"

namespace vorla::gui {

class ReportWidget : public QWidget {
    Q_OBJECT
  public:
    ReportWidget(const reports::ReportRequest& request, ReportSource source,
                 const QPageLayout& sheet, QWidget* parent = nullptr);

    reports::ReportKind kind() const { return request_.kind; }
    // What the report shows: its kind and what its selection chose.
    const reports::ReportRequest& request() const { return request_; }
    const ReportSource& source() const { return source_; }
    // The name of its print jobs.
    const QString& title() const { return title_; }
    void set_title(const QString& title) { title_ = title; }
    // The report as the screen shows it.
    reports::DisplayList screen_list() const;
    int page_count() const { return page_count_; }
    // The sheet the pages are shown on: the printer's paper.
    void set_sheet(const QPageLayout& sheet);
    reports::PagePlacement placement() const;
    // Recomputes the pages and the size (a sheet per page).
    void relayout();

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    void fit_size(int pages);
    // From one sheet's top to the next one's.
    int sheet_step() const;

    reports::ReportRequest request_;
    ReportSource source_;
    QPageLayout sheet_;
    int page_count_ = 1;
    QString title_;
};

}  // namespace vorla::gui
