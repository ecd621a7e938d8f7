#pragma once
// The week editor: any week of the window, field by field, through the program's choosers.
// The week file is written when it closes, by OK or by "Отмена".
#include <QDialog>

#include <optional>

#include "core/editors/brother_list_model.h"
#include "core/schedule/week_editor_model.h"

class QComboBox;
class QGroupBox;
class QListWidget;
class QPushButton;
class QToolButton;

namespace vorla::gui {

class WeekEditorDialog : public QDialog {
    Q_OBJECT
  public:
    explicit WeekEditorDialog(store::Document& doc, QWidget* parent = nullptr);

    // The history command: nothing while our congregation is not set.
    static void edit(store::Document& doc, QWidget* parent);

    schedule::WeekEditorModel& model() { return model_; }
    QComboBox* week_list() const { return weeks_; }
    QPushButton* previous_button() const { return previous_; }
    QPushButton* next_button() const { return next_; }
    QPushButton* speaker_button() const { return speaker_; }
    QPushButton* talk_button() const { return talk_; }
    QPushButton* chairman_button() const { return chairman_; }
    QPushButton* reader_button() const { return reader_; }
    QPushButton* host_button() const { return host_; }
    QPushButton* clear_button() const { return clear_; }
    QListWidget* outgoing_list() const { return outgoing_; }
    QPushButton* outgoing_talk_button() const { return out_talk_; }
    QPushButton* outgoing_congregation_button() const { return out_cong_; }
    QPushButton* add_button() const { return add_; }
    QPushButton* replace_button() const { return replace_; }
    QPushButton* remove_button() const { return remove_; }
    QToolButton* up_button() const { return up_; }
    QToolButton* down_button() const { return down_; }

    void accept() override;
    void reject() override;

  private:
    void show_model();
    void show_outgoing();
    std::optional<std::size_t> choose_brother(editors::BrotherRole role, std::uint16_t current,
                                              bool ours);
    void choose_host();
    void choose_talk();
    void add_outgoing();
    void replace_outgoing();
    void choose_outgoing_talk();
    void choose_outgoing_congregation();

    store::Document& doc_;
    schedule::WeekEditorModel model_;
    QComboBox* weeks_;
    QPushButton* previous_;
    QPushButton* next_;
    QPushButton* speaker_;
    QPushButton* talk_;
    QPushButton* chairman_;
    QPushButton* reader_;
    QPushButton* host_;
    QPushButton* clear_;
    QGroupBox* outgoing_box_;
    QListWidget* outgoing_;
    QPushButton* out_talk_;
    QPushButton* out_cong_;
    QPushButton* add_;
    QPushButton* replace_;
    QPushButton* remove_;
    QToolButton* up_;
    QToolButton* down_;
};

}  // namespace vorla::gui
