#pragma once
// The special-events page of the scheduling sheet: the events in week order, added, edited
// and deleted with "Редактировать особое событие". The sheet's Apply writes them at once.
#include <QPushButton>

#include "core/schedule/special_events_model.h"
#include "gui/app/line_list.h"
#include "gui/schedule/schedule_page.h"

namespace vorla::gui {

class SpecialEventsPage final : public SchedulePage {
    Q_OBJECT
  public:
    explicit SpecialEventsPage(store::Document& doc, QWidget* parent = nullptr);

    schedule::SheetPage& sheet_page() override { return model_; }
    void show_model() override;

    schedule::SpecialEventsModel& model() { return model_; }
    LineList* list() const { return list_; }
    QPushButton* add_button() const { return add_; }
    QPushButton* edit_button() const { return edit_; }
    QPushButton* remove_button() const { return remove_; }

    // The sheet's Apply: both files now.
    void apply();

  signals:
    // The events changed since they were written, or were just written.
    void modified_changed(bool modified);

  private:
    void run_dialog(schedule::EventDialogModel dialog);

    schedule::SpecialEventsModel model_;
    LineList* list_;
    QPushButton* add_;
    QPushButton* edit_;
    QPushButton* remove_;
};

}  // namespace vorla::gui
