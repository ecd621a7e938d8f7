#pragma once
// "Темы": adds, renames and deletes topics.
#include <QDialog>

#include "core/editors/topic_list_model.h"

class QLineEdit;
class QPushButton;

namespace vorla::gui {

class LineList;

class TopicListDialog : public QDialog {
    Q_OBJECT
  public:
    explicit TopicListDialog(store::Document& doc, QWidget* parent = nullptr);

    editors::TopicListModel& model() { return model_; }
    LineList* list() const { return list_; }
    QLineEdit* edit() const { return edit_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* add_button() const { return add_; }

    void accept() override;

  private:
    void fill();
    void update_controls();

    editors::TopicListModel model_;
    LineList* list_;
    QLineEdit* edit_;
    QPushButton* ok_;
    QPushButton* add_;
};

}  // namespace vorla::gui
