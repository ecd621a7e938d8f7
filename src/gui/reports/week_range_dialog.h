#pragma once
// "Выбор недели": a start week and a number of weeks, bound to the core's WeekRangeModel.
// In its schedule form it has the "Экспорт" button.
#include <QDialog>

#include "core/reports/week_range_model.h"

class QListWidget;
class QPushButton;

namespace vorla::gui {

class WeekRangeDialog : public QDialog {
    Q_OBJECT
  public:
    // What the dialog was closed with; its result code.
    enum class Choice { cancel = 0, show = 1, export_text = 2 };

    WeekRangeDialog(const store::Document& doc, reports::WeekRangeForm form,
                    QWidget* parent = nullptr);

    const reports::WeekRangeModel& model() const { return model_; }
    QListWidget* start_list() const { return start_; }
    QListWidget* count_list() const { return count_; }
    QPushButton* export_button() const { return export_; }

    // Runs the dialog: Cancel, OK (show the report) or "Экспорт".
    Choice choose();

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void sync_caption();

    reports::WeekRangeModel model_;
    QListWidget* start_;
    QListWidget* count_;
    QPushButton* export_;
};

}  // namespace vorla::gui
