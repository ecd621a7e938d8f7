#pragma once
// "О Vorla": the program's name and the data folder.
#include <QDialog>

namespace vorla::gui {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    AboutDialog(const QString& data_folder, QWidget* parent = nullptr);
};

}  // namespace vorla::gui
