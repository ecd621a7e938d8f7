#pragma once
// "Наше Собрание": choosing our congregation, and the way to its record, its three local
// lists, the hospitality list and the export of its data package.
#include <QDialog>
#include <cstdint>
#include <functional>

#include "core/editors/our_congregation_model.h"

class QPushButton;

namespace vorla::gui {

class OurCongregationDialog : public QDialog {
    Q_OBJECT
  public:
    // export_package: writes a congregation's data package; without one the export button
    // stays disabled.
    OurCongregationDialog(store::Document& doc,
                          std::function<void(std::uint16_t cong_id)> export_package,
                          QWidget* parent = nullptr);

    editors::OurCongregationModel& model() { return model_; }
    QPushButton* choose_button() const { return choose_; }
    QPushButton* details_button() const { return details_; }
    QPushButton* list_button(store::LocalRole role) const;
    QPushButton* hospitality_button() const { return hospitality_; }
    QPushButton* export_button() const { return export_; }
    QPushButton* ok_button() const { return ok_; }
    QPushButton* cancel_button() const { return cancel_; }

  private:
    // After every sub-dialog: captions, counts and what is enabled.
    void show_model();
    void choose_congregation();
    void edit_details();
    void open_list(store::LocalRole role);
    void edit_hospitality();

    store::Document& doc_;
    editors::OurCongregationModel model_;
    std::function<void(std::uint16_t)> export_package_;
    QPushButton* choose_;
    QPushButton* details_;
    QPushButton* outgoing_;
    QPushButton* chairmen_;
    QPushButton* readers_;
    QPushButton* hospitality_;
    QPushButton* export_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace vorla::gui
