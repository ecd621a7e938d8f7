#pragma once
// "Настройки": the display and scheduling options of the settings file.
#include <QDialog>

#include "core/app/settings_dialog_model.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace vorla::gui {

class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    SettingsDialog(store::Document& doc, QWidget* parent = nullptr);

    // OK or Cancel, then the closing rules; true when the views need redrawing.
    bool run();
    // Runs the dialog and its closing rules; returns whether anything changed.
    static bool edit(store::Document& doc, QWidget* parent);

    QCheckBox* alternate_date() const { return alternate_date_; }
    QCheckBox* hospitality() const { return hospitality_; }
    QCheckBox* readers() const { return readers_; }
    QCheckBox* show_readers() const { return show_readers_; }
    QCheckBox* skip_numbers() const { return skip_numbers_; }
    QCheckBox* skip_outgoing() const { return skip_outgoing_; }
    QCheckBox* print_date() const { return print_date_; }
    QCheckBox* auto_cap() const { return auto_cap_; }
    QRadioButton* calendar_year() const { return calendar_year_; }
    QRadioButton* service_year() const { return service_year_; }
    QLineEdit* title() const { return title_; }
    QPushButton* background() const { return background_; }
    QPushButton* colour() const { return colour_; }
    QSpinBox* top_margin() const { return top_margin_; }
    QSpinBox* left_margin() const { return left_margin_; }
    app::SettingsDialogModel& model() { return model_; }

  private:
    void update_controls();
    void collect();

    app::SettingsDialogModel model_;
    QCheckBox* alternate_date_;
    QCheckBox* hospitality_;
    QCheckBox* readers_;
    QCheckBox* show_readers_;
    QCheckBox* skip_numbers_;
    QCheckBox* skip_outgoing_;
    QCheckBox* print_date_;
    QCheckBox* auto_cap_;
    QRadioButton* calendar_year_;
    QRadioButton* service_year_;
    QLineEdit* title_;
    QPushButton* background_;
    QPushButton* colour_;
    QSpinBox* top_margin_;
    QSpinBox* left_margin_;
};

}  // namespace vorla::gui
