#pragma once
// The name-list editor: circuits ("Районы"), hospitality hosts ("Гостеприимство") or topics
// ("Темы"), edited one entry at a time, and the chooser of circuits or hosts.
#include <QDialog>

#include "core/editors/name_list_model.h"

class QLineEdit;
class QPushButton;

namespace vorla::gui {

class LineList;

class NameListDialog : public QDialog {
    Q_OBJECT
  public:
    // choose: a chooser with the 1-based position preselect (-1 for none).
    NameListDialog(store::Document& doc, editors::NamedList which, bool choose = false,
                   int preselect = -1, QWidget* parent = nullptr);

    editors::NameListModel& model() { return model_; }
    LineList* list() const { return list_; }
    QLineEdit* edit() const { return edit_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }
    QPushButton* add_button() const { return add_; }

    void accept() override;

  private:
    void fill();
    void update_controls();

    editors::NameListModel model_;
    LineList* list_;
    QLineEdit* edit_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* add_;
};

}  // namespace vorla::gui
