#pragma once
// FolderChooserDialog: Qt's file dialog made a folder chooser. It lists folders (files too when
// asked), shows the folder opened in an edit field that also takes a typed path, and hands
// "Select" to its model, which may refuse the path or create it; the dialog then stays open.
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>

#include "core/editors/folder_chooser_model.h"
#include "core/io/prompter.h"

namespace vorla::gui {

class FolderChooserDialog : public QFileDialog {
    Q_OBJECT
  public:
    FolderChooserDialog(editors::FolderChooserModel::Params params, io::Prompter& prompter,
                        QWidget* parent = nullptr);

    // The chosen folder ending with "/", or empty when the user cancelled.
    static QString choose(editors::FolderChooserModel::Params params, io::Prompter& prompter,
                          QWidget* parent);

    const QString& chosen() const { return chosen_; }
    QLineEdit* field() const { return field_; }
    QPushButton* select_button() const { return select_; }

  public slots:
    void accept() override;

  private:
    editors::FolderChooserModel model_;
    io::Prompter& prompter_;
    QLineEdit* field_ = nullptr;
    QPushButton* select_ = nullptr;
    QString chosen_;
};

}  // namespace vorla::gui
