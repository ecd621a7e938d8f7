#pragma once
// "Нужные нам речи": the talks the congregation would like to hear, with their priority and
// when each was last heard; adds talks through the talk picker, removes them, prints the list.
#include <QDialog>

#include "core/schedule/wish_list_model.h"
#include "core/settings/report_fonts.h"

class QLabel;
class QPushButton;
class QRadioButton;

namespace vorla::gui {

class LineList;

class WishListDialog : public QDialog {
    Q_OBJECT
  public:
    // Prints with the report fonts in force.
    WishListDialog(store::Document& doc, settings::ReportFonts fonts, QWidget* parent = nullptr);

    // The command: the dialog, OK writing the list.
    static void edit(store::Document& doc, const settings::ReportFonts& fonts, QWidget* parent);

    schedule::WishListModel& model() { return model_; }
    LineList* list() const { return list_; }
    QLabel* title_line() const { return title_line_; }
    QRadioButton* priority_button(schedule::WishListModel::Priority priority) const;
    QPushButton* add_button() const { return add_; }
    QPushButton* remove_button() const { return remove_; }
    QPushButton* print_button() const { return print_; }
    QPushButton* ok_button() const { return ok_; }

    void accept() override;

  private:
    void fill();
    void show_selection();
    void set_priority(schedule::WishListModel::Priority priority);
    void add_talks();
    void print();

    store::Document& doc_;
    settings::ReportFonts fonts_;
    schedule::WishListModel model_;
    LineList* list_;
    QLabel* title_line_;
    QRadioButton* priority_[3];
    QPushButton* add_;
    QPushButton* remove_;
    QPushButton* print_;
    QPushButton* ok_;
    QPushButton* cancel_;
};

}  // namespace vorla::gui
