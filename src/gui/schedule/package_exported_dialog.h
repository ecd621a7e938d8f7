#pragma once
// After an export: what was written and where, with the ways to hand the file on at once
// (the desktop's mail program, the folder in the file manager) where the desktop has them.
#include <QDialog>

#include "core/schedule/package_export.h"

class QLabel;
class QPushButton;

namespace vorla::gui {

class PackageExportedDialog : public QDialog {
    Q_OBJECT
  public:
    PackageExportedDialog(const std::string& message, schedule::PackageHandOn hand_on,
                          QWidget* parent = nullptr);

    QLabel* message_label() const { return message_; }
    QPushButton* mail_button() const { return mail_; }
    QPushButton* folder_button() const { return folder_; }

  private:
    schedule::PackageHandOn hand_on_;
    QLabel* message_;
    QPushButton* mail_;
    QPushButton* folder_;
};

}  // namespace vorla::gui
