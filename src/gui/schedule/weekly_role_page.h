#pragma once
// The chairmen, readers and hospitality pages of the scheduling sheet: one person a week,
// chosen by hand (the button or a double-click), by "Автовыбор" over a run of weeks, or
// exchanged between two weeks; "Очистить" empties a run.
#include <QLabel>
#include <QPushButton>

#include "core/schedule/weekly_role_model.h"
#include "gui/schedule/schedule_page.h"
#include "gui/schedule/week_rows.h"

namespace vorla::gui {

class WeeklyRolePage : public SchedulePage {
    Q_OBJECT
  public:
    WeeklyRolePage(store::Document& doc, schedule::WeeklyRole role, QWidget* parent = nullptr);

    schedule::SheetPage& sheet_page() override { return model_; }
    // The rows, the selection and the controls.
    void show_model() override;

    schedule::WeeklyRoleModel& model() { return model_; }
    WeekRows* list() const { return list_; }
    QPushButton* manual_button() const { return manual_; }
    QPushButton* auto_or_clear_button() const { return auto_or_clear_; }
    QPushButton* exchange_button() const { return exchange_; }
    QLabel* exchange_prompt() const { return prompt_; }
    QLabel* legend() const { return legend_; }
    QLabel* conflict_label() const { return conflict_; }

  private:
    void choose_manually();
    // After the model changed the weeks: the page again, with the focus on the weeks.
    void after_change();

    store::Document& doc_;
    schedule::WeeklyRoleModel model_;
    WeekRows* list_;
    QPushButton* manual_;
    QPushButton* auto_or_clear_;
    QPushButton* exchange_;
    QLabel* prompt_;
    QLabel* legend_;
    QLabel* conflict_;
};

class ChairmenPage final : public WeeklyRolePage {
    Q_OBJECT
  public:
    explicit ChairmenPage(store::Document& doc, QWidget* parent = nullptr);
};

class ReadersPage final : public WeeklyRolePage {
    Q_OBJECT
  public:
    explicit ReadersPage(store::Document& doc, QWidget* parent = nullptr);
};

class HospitalityPage final : public WeeklyRolePage {
    Q_OBJECT
  public:
    explicit HospitalityPage(store::Document& doc, QWidget* parent = nullptr);
};

}  // namespace vorla::gui
