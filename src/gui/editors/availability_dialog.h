#pragma once
// The availability editor: the weeks in which one brother cannot serve. Opened by the brother
// editor, by the availability command and, read-only, by the scheduling pages.
#include <QDialog>

#include "core/editors/availability_model.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QPushButton;

namespace vorla::gui {

class AvailabilityDialog : public QDialog {
    Q_OBJECT
  public:
    // brother_id 0 shows the weeks without a brother. OK stores the changed marks.
    AvailabilityDialog(store::Document& doc, std::uint16_t brother_id, bool discontinued,
                       bool read_only, QWidget* parent = nullptr);
    // The scheduling pages' view of a brother's unavailable weeks: read-only, modal.
    static void show_read_only(store::Document& doc, std::uint16_t brother_id, QWidget* parent);

    // The discontinued box as it stood when the dialog closed with OK (else as given).
    bool discontinued() const { return model_.discontinued(); }

    editors::AvailabilityModel& model() { return model_; }
    QListWidget* list() const { return list_; }
    QLabel* count() const { return count_; }
    QLabel* prompt() const { return prompt_; }
    QCheckBox* discontinued_box() const { return discontinued_box_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }

    void accept() override;
    void reject() override;

  private:
    void on_selection_changed();

    editors::AvailabilityModel model_;
    QLabel* prompt_;
    QListWidget* list_;
    QLabel* count_;
    QCheckBox* discontinued_box_;
    QPushButton* ok_;
    QPushButton* cancel_;
    bool opening_discontinued_;
};

}  // namespace vorla::gui
