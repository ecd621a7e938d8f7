#pragma once
// "Редактировать особое событие": the week, the kind, the names and the roles still
// scheduled. OK stays open while the model refuses (no week, no kind, or "Отмена" in the
// question about displaced assignments).
#include <QDialog>

#include "core/schedule/event_dialog_model.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QRadioButton;

namespace vorla::gui {

class EventDialog : public QDialog {
    Q_OBJECT
  public:
    EventDialog(schedule::EventDialogModel model, QWidget* parent = nullptr);

    schedule::EventDialogModel& model() { return model_; }
    QComboBox* weeks() const { return weeks_; }
    QRadioButton* kind_button(store::EventKind kind) const;
    QLineEdit* title_edit() const { return title_; }
    QLineEdit* talk_title_edit() const { return talk_title_; }
    QGroupBox* permissions() const { return permissions_; }
    QCheckBox* chairman_box() const { return chairman_; }
    QCheckBox* host_box() const { return host_; }
    QCheckBox* reader_box() const { return reader_; }

    void accept() override;

  private:
    void show_permissions();
    void take_fields();

    schedule::EventDialogModel model_;
    QComboBox* weeks_;
    QRadioButton* convention_;
    QRadioButton* visit_;
    QRadioButton* other_;
    QLineEdit* title_;
    QLineEdit* talk_title_;
    QGroupBox* permissions_;
    QCheckBox* chairman_;
    QCheckBox* host_;
    QCheckBox* reader_;
};

}  // namespace vorla::gui
