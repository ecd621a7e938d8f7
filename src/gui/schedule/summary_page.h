#pragma once
// The summary page of the scheduling sheet: the drawn table of 20 weeks, the start with the
// spin that moves it (and every page with it) by 10 weeks, the view button, and the legend
// of the statuses the table shows.
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <vector>

#include "core/schedule/summary_model.h"
#include "gui/schedule/schedule_page.h"
#include "gui/schedule/summary_table.h"

namespace vorla::gui {

class SummaryPage final : public SchedulePage {
    Q_OBJECT
  public:
    explicit SummaryPage(store::Document& doc, QWidget* parent = nullptr);

    schedule::SheetPage& sheet_page() override { return model_; }
    void show_model() override;

    schedule::SummaryModel& model() { return model_; }
    SummaryTable* table() const { return table_; }
    QLabel* start_label() const { return start_; }
    QToolButton* spin_up() const { return up_; }
    QToolButton* spin_down() const { return down_; }
    QPushButton* view_button() const { return view_; }
    // In the order of the model's legend.
    const std::vector<QPushButton*>& legend_buttons() const { return legend_; }

  protected:
    // Enter switches the view, as the button says.
    void keyPressEvent(QKeyEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    schedule::SummaryModel model_;
    SummaryTable* table_;
    QLabel* start_;
    QToolButton* up_;
    QToolButton* down_;
    QPushButton* view_;
    std::vector<QPushButton*> legend_;
};

}  // namespace vorla::gui
