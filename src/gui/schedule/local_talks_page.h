#pragma once
// LocalTalksPage: the local-talks page of the scheduling sheet. The talk, speaker and
// congregation of each week are picked here; a click on a mark cell toggles the mark.
#include <QLabel>
#include <QPushButton>

#include "core/schedule/local_talks_model.h"
#include "gui/schedule/page_services.h"
#include "gui/schedule/schedule_page.h"
#include "gui/schedule/week_rows.h"

namespace vorla::gui {

class LocalTalksPage : public SchedulePage {
    Q_OBJECT
  public:
    explicit LocalTalksPage(store::Document& doc, PageServices services = {},
                            QWidget* parent = nullptr);

    schedule::SheetPage& sheet_page() override { return model_; }
    void show_model() override;

    schedule::LocalTalksModel& model() { return model_; }
    WeekRows* list() const { return list_; }
    QLabel* week_label() const { return week_; }
    QLabel* talk_label() const { return talk_; }
    QPushButton* talk_button() const { return pick_talk_; }
    QPushButton* speaker_button() const { return pick_speaker_; }
    QPushButton* exchange_or_congregation_button() const { return exchange_or_congregation_; }
    QPushButton* clear_or_cancel_button() const { return clear_or_cancel_; }
    QPushButton* contacts_button() const { return contacts_; }
    QPushButton* availability_button() const { return availability_; }
    QPushButton* speaker_history_button() const { return speaker_history_; }
    QPushButton* talk_history_button() const { return talk_history_; }
    QLabel* legend() const { return legend_; }
    QLabel* conflict_label() const { return conflict_; }
    QLabel* exchange_prompt() const { return exchange_; }

  private:
    void update_controls();
    // After the model changed the weeks: the list again, with the focus.
    void after_change();
    void on_current_changed();
    void on_clicked(QTreeWidgetItem* item, int column);
    void pick_talk();
    void pick_speaker();
    void press_exchange_or_congregation();
    void show_contacts();
    void show_availability();

    store::Document& doc_;
    PageServices services_;
    schedule::LocalTalksModel model_;
    WeekRows* list_;
    QLabel* week_;
    QLabel* talk_;
    QPushButton* pick_talk_;
    QPushButton* pick_speaker_;
    QPushButton* exchange_or_congregation_;
    QPushButton* clear_or_cancel_;
    QPushButton* contacts_;
    QPushButton* availability_;
    QPushButton* speaker_history_;
    QPushButton* talk_history_;
    QLabel* legend_;
    QLabel* conflict_;
    QLabel* exchange_;
};

}  // namespace vorla::gui
