#pragma once
// "История докладчика": the weeks one brother spoke in our hall or went out, the brother
// chosen from a list narrowed by circuit and congregation. It changes nothing.
#include <QDialog>

#include "core/schedule/speaker_history_model.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace vorla::gui {

class CircuitFilters;
class LineList;

class SpeakerHistoryDialog : public QDialog {
    Q_OBJECT
  public:
    // brother_id: the brother shown first (0: the first listed).
    SpeakerHistoryDialog(const store::Document& doc, std::uint16_t brother_id = 0,
                         QWidget* parent = nullptr);

    // Opens the view for a brother and waits until it is closed.
    static void show_for(const store::Document& doc, std::uint16_t brother_id, QWidget* parent);

    schedule::SpeakerHistoryModel& model() { return model_; }
    QComboBox* circuits() const;
    QComboBox* congregations() const;
    LineList* brothers() const { return brothers_; }
    LineList* history() const { return history_; }
    QLabel* talk_line() const { return talk_; }
    QLabel* destination_line() const { return destination_; }

  private:
    void fill_brothers();
    void fill_history();
    void show_line();

    schedule::SpeakerHistoryModel model_;
    CircuitFilters* filters_;
    LineList* brothers_;
    LineList* history_;
    QLabel* talk_;
    QLabel* destination_;
};

}  // namespace vorla::gui
