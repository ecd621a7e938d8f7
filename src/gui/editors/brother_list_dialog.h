#pragma once
// The brother list "Братья" and the program's brother chooser: its parameters pick the
// brothers listed and what OK does (edit, choose for a role, choose a speaker).
#include <QDialog>
#include <optional>

#include "core/editors/brother_list_model.h"

class QLabel;
class QPushButton;

namespace vorla::gui {

class LineList;

class BrotherListDialog : public QDialog {
    Q_OBJECT
  public:
    BrotherListDialog(store::Document& doc, const editors::BrotherListParams& params,
                      QWidget* parent = nullptr);

    // Runs a chooser; the chosen brother's index position, nothing when cancelled.
    static std::optional<std::size_t> choose(store::Document& doc,
                                             const editors::BrotherListParams& params,
                                             QWidget* parent);
    // The chosen brother's index position after OK (role modes and the speaker chooser).
    std::optional<std::size_t> chosen() const { return model_.chosen(); }

    editors::BrotherListModel& model() { return model_; }
    LineList* list() const { return list_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* close_button() const { return close_; }
    QPushButton* add_button() const { return add_; }
    QLabel* star_note() const { return star_note_; }
    QLabel* discontinued_note() const { return discontinued_note_; }

    void accept() override;
    void done(int result) override;

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    void refresh();
    void run(const editors::BrotherListModel::Action& action);

    store::Document& doc_;
    editors::BrotherListModel model_;
    LineList* list_;
    QLabel* star_note_;
    QLabel* discontinued_note_;
    QPushButton* ok_;
    QPushButton* close_;
    QPushButton* add_;
    bool placed_ = false;
};

}  // namespace vorla::gui
