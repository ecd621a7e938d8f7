#pragma once
// The talk editor: number text, title and topics of one talk, with the weeks it was given in
// our hall. Opened from the talk chooser's titles mode.
#include <QDialog>

#include "core/editors/talk_editor_model.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vorla::gui {

class TalkEditorDialog : public QDialog {
    Q_OBJECT
  public:
    TalkEditorDialog(store::Document& doc, editors::TalkChooserModel* chooser,
                     std::size_t talk_index, QWidget* parent = nullptr);

    editors::TalkEditorModel& model() { return model_; }
    QLineEdit* number() const { return number_; }
    QLineEdit* title_edit() const { return title_; }
    QPushButton* topic_button() const { return topic_button_; }
    QPushButton* edit_topics_button() const { return edit_topics_; }
    QListWidget* talk_topics() const { return talk_topics_; }
    QListWidget* all_topics() const { return all_topics_; }
    QListWidget* history() const { return history_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* prev_button() const { return prev_; }
    QPushButton* next_button() const { return next_; }

  private:
    void load_controls();
    void fill_lists();
    void collect();

    store::Document& doc_;
    editors::TalkEditorModel model_;
    QLineEdit* number_;
    QLineEdit* title_;
    QPushButton* topic_button_;
    QPushButton* edit_topics_;
    QListWidget* talk_topics_;
    QListWidget* all_topics_;
    QGroupBox* history_box_;
    QListWidget* history_;
    QPushButton* ok_;
    QPushButton* prev_;
    QPushButton* next_;
};

}  // namespace vorla::gui
