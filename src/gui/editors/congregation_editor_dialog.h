#pragma once
// The congregation editor: one congregation with its hall, phones, meeting days and times,
// officers, circuit, map and brothers.
#include <QDialog>
#include <optional>

#include "core/editors/congregation_editor_model.h"
#include "gui/editors/editor_widgets.h"

class QLineEdit;
class QPushButton;

namespace vorla::gui {

class CongregationEditorDialog : public QDialog {
    Q_OBJECT
  public:
    // position nothing: a new congregation. fixed_cong: this congregation only (our own).
    CongregationEditorDialog(store::Document& doc, editors::CongregationListModel* list,
                             std::optional<std::size_t> position, std::uint16_t fixed_cong = 0,
                             QWidget* parent = nullptr);

    editors::CongregationEditorModel& model() { return model_; }
    QLineEdit* name() const { return name_; }
    QLineEdit* address1() const { return address1_; }
    QLineEdit* address2() const { return address2_; }
    QLineEdit* phone1() const { return phone1_; }
    QLineEdit* phone2() const { return phone2_; }
    QLineEdit* time_even() const { return time_even_; }
    QLineEdit* time_odd() const { return time_odd_; }
    QPushButton* day_even() const { return day_even_; }
    QPushButton* day_odd() const { return day_odd_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }
    QPushButton* apply_button() const { return apply_; }
    QPushButton* prev_button() const { return prev_; }
    QPushButton* next_button() const { return next_; }
    QPushButton* delete_button() const { return delete_; }
    QPushButton* brothers_button() const { return brothers_; }
    QPushButton* officer_button(editors::CongregationOffice o) const;
    QPushButton* circuit_button() const { return circuit_; }
    QPushButton* map_button() const { return map_; }

  private:
    void load_controls();
    void update_buttons();
    void collect();
    void open_brothers();
    void choose_officer(editors::CongregationOffice o);
    void choose_circuit();
    void edit_map();

    store::Document& doc_;
    editors::CongregationEditorModel model_;
    FieldEdits<editors::CongregationFields> edits_;
    QLineEdit* name_;
    QLineEdit* address1_;
    QLineEdit* address2_;
    QLineEdit* phone1_;
    QLineEdit* phone2_;
    QLineEdit* time_even_;
    QLineEdit* time_odd_;
    QPushButton* day_even_;
    QPushButton* day_odd_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* apply_;
    QPushButton* prev_;
    QPushButton* next_;
    QPushButton* delete_;
    QPushButton* brothers_;
    QPushButton* officers_[3];
    QPushButton* circuit_;
    QPushButton* map_;
};

}  // namespace vorla::gui
