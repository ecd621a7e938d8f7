#pragma once
// OutgoingPage: the outgoing-speakers page of the scheduling sheet. The week list on the left
// shows one slot per week; the selected week's slots are listed on the right, where speakers
// are added, replaced, removed, given a talk and a congregation, or exchanged with a slot of
// another week.
#include <QLabel>
#include <QPushButton>

#include "core/schedule/outgoing_model.h"
#include "gui/app/line_list.h"
#include "gui/schedule/page_services.h"
#include "gui/schedule/schedule_page.h"
#include "gui/schedule/week_rows.h"

namespace vorla::gui {

class OutgoingPage : public SchedulePage {
    Q_OBJECT
  public:
    explicit OutgoingPage(store::Document& doc, PageServices services = {},
                          QWidget* parent = nullptr);

    schedule::SheetPage& sheet_page() override { return model_; }
    // The rows, the slots, the selection and the controls.
    void show_model() override;

    schedule::OutgoingModel& model() { return model_; }
    WeekRows* list() const { return list_; }
    LineList* slot_list() const { return slots_; }
    QLabel* week_label() const { return week_; }
    QPushButton* talk_button() const { return talk_; }
    QPushButton* congregation_button() const { return congregation_; }
    QPushButton* add_button() const { return add_; }
    QPushButton* replace_button() const { return replace_; }
    QPushButton* remove_button() const { return remove_; }
    QPushButton* contacts_button() const { return contacts_; }
    QPushButton* exchange_button() const { return exchange_; }
    QPushButton* exchange_confirm_button() const { return confirm_; }
    QPushButton* availability_button() const { return availability_; }
    QPushButton* history_button() const { return history_; }
    QLabel* exchange_prompt() const { return prompt_; }
    QLabel* legend() const { return legend_; }
    QLabel* conflict_label() const { return conflict_; }

  private:
    // After the model changed the weeks: the page again, with the focus on the weeks.
    void after_change();
    std::optional<std::size_t> pick_brother();
    void choose_talk();
    void choose_congregation();

    store::Document& doc_;
    PageServices services_;
    schedule::OutgoingModel model_;
    WeekRows* list_;
    LineList* slots_;
    QLabel* week_;
    QPushButton* talk_;
    QPushButton* congregation_;
    QPushButton* add_;
    QPushButton* replace_;
    QPushButton* remove_;
    QPushButton* contacts_;
    QPushButton* exchange_;
    QPushButton* confirm_;
    QPushButton* availability_;
    QPushButton* history_;
    QLabel* prompt_;
    QLabel* legend_;
    QLabel* conflict_;
};

}  // namespace vorla::gui
