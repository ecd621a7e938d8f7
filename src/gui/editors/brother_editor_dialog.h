#pragma once
// "Редактирование информации о братьях": one brother's record and extra record.
#include <QDialog>
#include <optional>

#include "core/editors/brother_editor_model.h"
#include "gui/editors/editor_widgets.h"

class QCheckBox;
class QLineEdit;
class QPushButton;

namespace vorla::gui {

class BrotherEditorDialog : public QDialog {
    Q_OBJECT
  public:
    // Opened by the brother list: position nothing for a new brother; preset_cong not 0 hides
    // the congregation button and becomes his congregation.
    BrotherEditorDialog(store::Document& doc, editors::BrotherListModel* list,
                        std::optional<std::size_t> position, std::uint16_t preset_cong,
                        QWidget* parent = nullptr);

    editors::BrotherEditorModel& model() { return model_; }
    QLineEdit* first_name() const { return first_name_; }
    QLineEdit* last_name() const { return last_name_; }
    QLineEdit* address1() const { return address1_; }
    QLineEdit* address2() const { return address2_; }
    QLineEdit* phone() const { return phone_; }
    QLineEdit* phone2() const { return phone2_; }
    QLineEdit* phone3() const { return phone3_; }
    QLineEdit* email() const { return email_; }
    QLineEdit* note() const { return note_; }
    QCheckBox* elder() const { return elder_; }
    QCheckBox* servant() const { return servant_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }
    QPushButton* prev_button() const { return prev_; }
    QPushButton* next_button() const { return next_; }
    QPushButton* delete_button() const { return delete_; }
    QPushButton* congregation_button() const { return congregation_; }
    QPushButton* talks_button() const { return talks_; }
    QPushButton* availability_button() const { return availability_; }

  protected:
    // Enter saves only from the OK button; anywhere else it moves on to the next field.
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void load_controls();
    void update_captions();
    void collect();
    void on_ok();
    void on_step(int delta);
    void on_name_edited(QLineEdit* edit);
    void choose_congregation();
    void choose_talks();
    void edit_availability();

    store::Document& doc_;
    editors::BrotherEditorModel model_;
    FieldEdits<editors::BrotherFields> edits_;
    QLineEdit* first_name_;
    QLineEdit* last_name_;
    QLineEdit* address1_;
    QLineEdit* address2_;
    QLineEdit* phone_;
    QLineEdit* phone2_;
    QLineEdit* phone3_;
    QLineEdit* email_;
    QLineEdit* note_;
    QCheckBox* elder_;
    QCheckBox* servant_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* prev_;
    QPushButton* next_;
    QPushButton* delete_;
    QPushButton* congregation_;
    QPushButton* talks_;
    QPushButton* availability_;
};

}  // namespace vorla::gui
