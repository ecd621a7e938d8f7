#pragma once
// The talk picker: one talk from a list (single mode), or the ticks of the talks-we-need
// grid (multiple mode), with the topic, recency and needed-talks filters.
#include <QDialog>
#include <optional>

#include "core/schedule/talk_picker_model.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace vorla::gui {

class TalkPickerDialog : public QDialog {
    Q_OBJECT
  public:
    TalkPickerDialog(const store::Document& doc, schedule::TalkPickerParams params,
                     QWidget* parent = nullptr);

    // Single mode: the picked talk, nothing on Cancel.
    static std::optional<int> pick(const store::Document& doc, schedule::TalkPickerParams params,
                                   QWidget* parent);
    // Multiple mode: the edited needed set, nothing on Cancel.
    static std::optional<text::TalkSet> edit_set(const store::Document& doc,
                                                 schedule::TalkPickerParams params,
                                                 QWidget* parent);

    schedule::TalkPickerModel& model() { return model_; }
    QListWidget* list() const { return list_; }
    QComboBox* topics() const { return topics_; }
    QComboBox* recency() const { return recency_; }
    QCheckBox* only_needed() const { return only_needed_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* history_button() const { return history_; }
    QLabel* title_line() const { return details_[0]; }
    QLabel* last_heard_line() const { return details_[1]; }
    QLabel* speaker_line() const { return details_[2]; }
    QLabel* priority_line() const { return details_[3]; }

    void accept() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fill();
    void show_details(const schedule::TalkDetails& d);
    void on_selection_changed();

    schedule::TalkPickerModel model_;
    QComboBox* topics_;
    QComboBox* recency_;
    QCheckBox* only_needed_;
    QListWidget* list_;
    QLabel* details_[4];
    QPushButton* history_;
    QPushButton* ok_;
};

}  // namespace vorla::gui
