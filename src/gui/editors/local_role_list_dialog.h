#pragma once
// The local-role list: the outgoing speakers, chairmen or Watchtower readers of our
// congregation, edited by ticking brothers in the edit view; also the chooser of a chairman or
// reader for a week, and of a local brother with assignments.
#include <QDialog>
#include <optional>

#include "core/editors/local_role_list_model.h"

class QLabel;
class QPushButton;

namespace vorla::gui {

class LineList;

class LocalRoleListDialog : public QDialog {
    Q_OBJECT
  public:
    LocalRoleListDialog(store::Document& doc, const editors::LocalRoleListParams& params,
                        QWidget* parent = nullptr);

    // Runs the list; the chosen brother's index position after OK, nothing otherwise.
    static std::optional<std::size_t> choose(store::Document& doc,
                                             const editors::LocalRoleListParams& params,
                                             QWidget* parent);

    editors::LocalRoleListModel& model() { return model_; }
    LineList* list() const { return list_; }
    QLabel* status() const { return status_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }
    QPushButton* edit_button() const { return edit_; }

    void accept() override;

  private:
    void fill();
    void apply_ticks();

    editors::LocalRoleListModel model_;
    LineList* list_;
    QLabel* status_;
    QPushButton* ok_;
    QPushButton* cancel_;
    QPushButton* edit_;
};

}  // namespace vorla::gui
