#pragma once
// The speaker picker: speakers of the wanted talk with their congregation and last visit,
// filtered by circuit and congregation; an unavailable speaker is refused.
#include <QDialog>
#include <optional>

#include "core/schedule/speaker_picker_model.h"
#include "gui/app/line_list.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vorla::gui {

class CircuitFilters;

class SpeakerPickerDialog : public QDialog {
    Q_OBJECT
  public:
    SpeakerPickerDialog(store::Document& doc, schedule::SpeakerPickerParams params,
                        QWidget* parent = nullptr);

    // The picked brother's index position, nothing on Cancel.
    static std::optional<std::size_t> pick(store::Document& doc,
                                           schedule::SpeakerPickerParams params, QWidget* parent);

    schedule::SpeakerPickerModel& model() { return model_; }
    QComboBox* circuits() const;
    QComboBox* congregations() const;
    LineList* list() const { return list_; }
    QLabel* note() const { return note_; }
    QPushButton* talk_button() const { return talk_; }
    QPushButton* history_button() const { return history_; }
    QPushButton* availability_button() const { return availability_; }
    QPushButton* contacts_button() const { return contacts_; }

    void accept() override;

  private:
    void fill_congregations();
    void fill();
    void update_buttons();
    void choose_talk();

    store::Document& doc_;
    schedule::SpeakerPickerModel model_;
    CircuitFilters* filters_;
    LineList* list_;
    QLabel* note_;
    QPushButton* talk_;
    QPushButton* history_;
    QPushButton* availability_;
    QPushButton* contacts_;
    bool columns_fitted_ = false;
};

}  // namespace vorla::gui
