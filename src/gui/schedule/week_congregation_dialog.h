#pragma once
// The congregation chooser for a week: congregations with speakers of the wanted talk and
// their last visit; it can go straight on to the speaker picker.
#include <QDialog>
#include <optional>

#include "core/schedule/week_congregation_model.h"
#include "gui/app/line_list.h"

class QComboBox;
class QPushButton;

namespace vorla::gui {

class WeekCongregationDialog : public QDialog {
    Q_OBJECT
  public:
    WeekCongregationDialog(store::Document& doc, schedule::WeekCongregationParams params,
                           QWidget* parent = nullptr);

    // The chosen congregation's index position, nothing when cancelled. The week's speaker
    // may have been set on the way.
    static std::optional<std::size_t> choose(store::Document& doc,
                                             schedule::WeekCongregationParams params,
                                             QWidget* parent);

    schedule::WeekCongregationModel& model() { return model_; }
    QComboBox* circuits() const { return circuits_; }
    LineList* list() const { return list_; }
    QPushButton* speaker_button() const { return speaker_; }

    void accept() override;

  private:
    void fill();
    void update_buttons();

    store::Document& doc_;
    schedule::WeekCongregationModel model_;
    QComboBox* circuits_;
    LineList* list_;
    QPushButton* speaker_;
};

}  // namespace vorla::gui
