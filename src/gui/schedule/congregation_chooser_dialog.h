#pragma once
// "Выбор собрания" with its circuit filter: one congregation (or all of them) for the
// package export and the reports made for one congregation.
#include <QDialog>
#include <cstdint>
#include <optional>

#include "core/schedule/congregation_chooser_model.h"

class QComboBox;
class QLabel;

namespace vorla::gui {

class LineList;

class CongregationChooserDialog : public QDialog {
    Q_OBJECT
  public:
    CongregationChooserDialog(const store::Document& doc, schedule::ChooserMode mode,
                              QWidget* parent = nullptr);

    // The chosen congregation's id (0: all congregations), nothing when cancelled.
    static std::optional<std::uint16_t> choose(const store::Document& doc,
                                               schedule::ChooserMode mode, QWidget* parent);

    schedule::CongregationChooserModel& model() { return model_; }
    QComboBox* circuits() const { return circuits_; }
    LineList* list() const { return list_; }

    void accept() override;

  protected:
    // The list scrolls once it has its size.
    void showEvent(QShowEvent* event) override;

  private:
    void scroll_to_top_line();
    void fill();

    schedule::CongregationChooserModel model_;
    QLabel* circuit_label_;
    QComboBox* circuits_;
    LineList* list_;
};

}  // namespace vorla::gui
