#include "gui/editors/folder_chooser_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>

#include "gui/app/string_helpers.h"

namespace vorla::gui {

FolderChooserDialog::FolderChooserDialog(editors::FolderChooserModel::Params params,
                                         io::Prompter& prompter, QWidget* parent)
    : QFileDialog(parent), model_(std::move(params)), prompter_(prompter) {
    // Qt's own dialog: the desktop's may not be kept open on a refused path.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setWindowTitle(qs(model_.title()));
    if (model_.shows_files()) {
        setFileMode(QFileDialog::AnyFile);
        setNameFilter(qs(model_.file_filter()));
    } else {
        setFileMode(QFileDialog::Directory);
        setOption(QFileDialog::ShowDirsOnly, true);
    }
    setLabelText(QFileDialog::FileName, qs(model_.field_label()));
    const QString initial = qs(model_.field_text(model_.initial()));
    setDirectory(initial);

    field_ = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    if (!model_.file_types_visible()) {
        for (const char* name : {"fileTypeCombo", "fileTypeLabel"}) {
            if (auto* w = findChild<QWidget*>(QLatin1String(name))) w->hide();
        }
    }
    // Our own "Select": Qt's disables itself while the typed folder does not exist, and a
    // missing folder is one the user may create here.
    if (auto* box = findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"))) {
        if (QPushButton* theirs = box->button(QDialogButtonBox::Open)) box->removeButton(theirs);
        if (QPushButton* theirs = box->button(QDialogButtonBox::Save)) box->removeButton(theirs);
        select_ = new QPushButton(qs(model_.accept_caption()), this);
        select_->setObjectName(QStringLiteral("selectButton"));
        select_->setDefault(true);
        box->addButton(select_, QDialogButtonBox::AcceptRole);
    }
    if (field_) field_->setText(initial);
    connect(this, &QFileDialog::directoryEntered, this, [this](const QString& folder) {
        if (field_) field_->setText(qs(model_.field_text(us(folder).c_str())));
    });
}

QString FolderChooserDialog::choose(editors::FolderChooserModel::Params params,
                                    io::Prompter& prompter, QWidget* parent) {
    FolderChooserDialog dialog(std::move(params), prompter, parent);
    return dialog.exec() == QDialog::Accepted ? dialog.chosen() : QString();
}

void FolderChooserDialog::accept() {
    const QString typed = field_ ? field_->text() : QString();
    const auto result =
        model_.select(us(typed), std::filesystem::path(us(directory().absolutePath())), prompter_);
    if (!result) return;  // told why; the user corrects the path or cancels
    chosen_ = qs(*result);
    QDialog::accept();
}

}  // namespace vorla::gui
