#pragma once
// BackupDialog: the backup dialog in both directions. It shows what its model says and runs
// the copying on a thread of its own, so that the window keeps answering on a slow disk while
// the status line names each file.
#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "core/app/backup_dialog_model.h"
#include "core/io/prompter.h"
#include "core/store/document.h"

namespace vorla::gui {

class BackupDialog : public QDialog {
    Q_OBJECT
  public:
    BackupDialog(store::Document& doc, app::BackupDirection direction, io::Prompter& prompter,
                 QWidget* parent = nullptr);

    app::BackupDialogModel& model() { return model_; }
    QGroupBox* size_group() const { return size_group_; }
    QLabel* size_line() const { return size_line_; }
    QCheckBox* maps() const { return maps_; }
    QGroupBox* place_group() const { return place_group_; }
    QRadioButton* floppy() const { return floppy_; }
    QRadioButton* folder() const { return folder_; }
    QPushButton* browse() const { return browse_; }
    QGroupBox* list_group() const { return list_group_; }
    QListWidget* list() const { return list_; }
    QLabel* status_line() const { return status_; }
    QPushButton* ok() const { return ok_; }
    QPushButton* cancel() const { return cancel_; }
    // Copying is under way: the dialog waits for it and cannot be closed.
    bool busy() const { return busy_; }

    // For tests: called on the copying thread with each status, after the status line was
    // sent it, so that a test can hold the copying where it likes.
    void set_copy_hook(app::Progress hook) { copy_hook_ = std::move(hook); }

  public slots:
    void reject() override;

  signals:
    // The copying is over and the model has its result.
    void copying_finished();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    void show_model();
    void press_ok();
    void press_browse();
    void run(std::function<void(const app::Progress&)> work, std::function<void()> done);
    void set_busy(bool on);

    app::BackupDialogModel model_;
    io::Prompter& prompter_;
    QGroupBox* size_group_ = nullptr;
    QLabel* size_line_ = nullptr;
    QCheckBox* maps_ = nullptr;
    QGroupBox* place_group_ = nullptr;
    QRadioButton* floppy_ = nullptr;
    QRadioButton* folder_ = nullptr;
    QPushButton* browse_ = nullptr;
    QGroupBox* list_group_ = nullptr;
    QListWidget* list_ = nullptr;
    QLabel* status_ = nullptr;
    QPushButton* ok_ = nullptr;
    QPushButton* cancel_ = nullptr;
    bool busy_ = false;
    app::Progress copy_hook_;
};

}  // namespace vorla::gui
