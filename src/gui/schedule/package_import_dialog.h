#pragma once
// "Импорт": a received package's congregation and brothers, chosen line by line before OK
// imports them.
#include <QDialog>
#include <filesystem>

#include "core/schedule/package_import_model.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace vorla::gui {

class PackageImportDialog : public QDialog {
    Q_OBJECT
  public:
    PackageImportDialog(store::Document& doc, const std::filesystem::path& file,
                        QWidget* parent = nullptr);

    schedule::PackageImportModel& model() { return model_; }
    QLineEdit* name_edit() const { return name_; }
    QLabel* status_label() const { return status_; }
    QPushButton* circuit_button() const { return circuit_; }
    QLabel* circuit_warning() const { return circuit_warning_; }
    QListWidget* list() const { return list_; }
    QLabel* selection_label() const { return selection_; }
    QLabel* duplicates_label() const { return duplicates_; }
    QLabel* new_brothers_label() const { return new_brothers_; }
    QGroupBox* removal_group() const { return removal_group_; }
    QComboBox* removal_list() const { return removal_list_; }
    QPushButton* ok_button() const { return ok_; }

    void accept() override;

  private:
    void choose_circuit();
    void refresh();

    store::Document& doc_;
    schedule::PackageImportModel model_;
    QLineEdit* name_;
    QLabel* status_;
    QPushButton* circuit_;
    QLabel* circuit_warning_;
    QListWidget* list_;
    QLabel* selection_;
    QLabel* duplicates_;
    QLabel* new_brothers_;
    QGroupBox* removal_group_;
    QLabel* removal_caption_;
    QComboBox* removal_list_;
    QPushButton* ok_;
};

}  // namespace vorla::gui
