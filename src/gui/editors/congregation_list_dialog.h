#pragma once
// "Выбор собрания": the congregations editor's list and the congregation chooser.
#include <QDialog>
#include <optional>

#include "core/editors/congregation_list_model.h"

class QPushButton;

namespace vorla::gui {

class LineList;

class CongregationListDialog : public QDialog {
    Q_OBJECT
  public:
    // choose: a chooser; preselect: the index position selected first.
    CongregationListDialog(store::Document& doc, bool choose,
                           std::optional<std::size_t> preselect = std::nullopt,
                           QWidget* parent = nullptr);

    // Runs the chooser; the chosen congregation's index position, nothing when cancelled.
    static std::optional<std::size_t> choose(store::Document& doc,
                                             std::optional<std::size_t> preselect, QWidget* parent);
    std::optional<std::size_t> chosen() const { return model_.chosen(); }

    editors::CongregationListModel& model() { return model_; }
    LineList* list() const { return list_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* close_button() const { return close_; }
    QPushButton* add_button() const { return add_; }

    void accept() override;

  private:
    void refresh();
    void run(const editors::CongregationListModel::Action& action);

    store::Document& doc_;
    editors::CongregationListModel model_;
    LineList* list_;
    QPushButton* ok_;
    QPushButton* close_;
    QPushButton* add_;
};

}  // namespace vorla::gui
