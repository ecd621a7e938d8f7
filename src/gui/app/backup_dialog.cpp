#include "gui/app/backup_dialog.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPointer>
#include <QThread>
#include <QVBoxLayout>
#include <memory>

#include "core/text/texts.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/folder_chooser_dialog.h"

namespace vorla::gui {

using text::TextId;

BackupDialog::BackupDialog(store::Document& doc, app::BackupDirection direction,
                           io::Prompter& prompter, QWidget* parent)
    : QDialog(parent), model_(doc, direction), prompter_(prompter) {
    setObjectName(QStringLiteral("BackupDialog"));
    setWindowTitle(qs(model_.title()));

    size_group_ = new QGroupBox(this);
    size_line_ = new QLabel(size_group_);
    maps_ = new QCheckBox(qs(text::text(TextId::include_map_files)), size_group_);
    auto* size_layout = new QVBoxLayout(size_group_);
    size_layout->addWidget(size_line_);
    size_layout->addWidget(maps_);

    place_group_ = new QGroupBox(qs(model_.place_caption()), this);
    floppy_ = new QRadioButton(qs(text::text(TextId::floppy_drive_a)), place_group_);
    folder_ = new QRadioButton(place_group_);
    folder_->setChecked(true);
    browse_ = new QPushButton(qs(text::text(TextId::browse)), place_group_);
    auto* place_layout = new QVBoxLayout(place_group_);
    place_layout->addWidget(floppy_);
    auto* folder_row = new QHBoxLayout;
    folder_row->addWidget(folder_, 1);
    folder_row->addWidget(browse_);
    place_layout->addLayout(folder_row);

    list_group_ = new QGroupBox(qs(text::text(TextId::choose_backup_to_restore)), this);
    list_ = new QListWidget(list_group_);
    list_->setMinimumHeight(110);
    auto* list_layout = new QVBoxLayout(list_group_);
    list_layout->addWidget(list_);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("StatusLine"));
    status_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    status_->setWordWrap(true);
    status_->setMinimumHeight(status_->fontMetrics().height() * 2 + 6);
    status_->setMinimumWidth(440);

    ok_ = new QPushButton(qs(text::text(TextId::ok)), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(this);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(size_group_);
    layout->addWidget(place_group_);
    layout->addWidget(list_group_);
    layout->addWidget(status_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(maps_, &QCheckBox::toggled, this, [this](bool on) {
        model_.set_include_maps(on);
        show_model();
    });
    connect(browse_, &QPushButton::clicked, this, &BackupDialog::press_browse);
    connect(list_, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        model_.choose_listed(static_cast<std::size_t>(list_->row(item)));
        show_model();
    });
    connect(ok_, &QPushButton::clicked, this, &BackupDialog::press_ok);
    connect(cancel_, &QPushButton::clicked, this, &BackupDialog::reject);
    show_model();
}

void BackupDialog::show_model() {
    size_group_->setVisible(model_.size_visible());
    size_line_->setText(qs(model_.size_line()));
    floppy_->setVisible(model_.floppy_visible());
    folder_->setText(qs(model_.path()));
    list_group_->setVisible(model_.list_visible());
    QStringList names;
    for (const std::string& name : model_.listed())
        names << qs(name);
    const QStringList shown = [&] {
        QStringList out;
        for (int row = 0; row < list_->count(); ++row)
            out << list_->item(row)->text();
        return out;
    }();
    if (names != shown) {
        list_->clear();
        list_->addItems(names);
    }
    status_->setText(qs(model_.status()));
    ok_->setVisible(model_.ok_visible());
    cancel_->setText(qs(model_.cancel_caption()));
}

void BackupDialog::press_browse() {
    const QString chosen =
        FolderChooserDialog::choose({model_.browse_start(), {}, false, {}}, prompter_, this);
    if (chosen.isEmpty()) return;
    model_.browsed(us(chosen), prompter_);
    show_model();
}

void BackupDialog::press_ok() {
    if (busy_) return;
    if (model_.ok_closes()) {
        accept();
        return;
    }
    if (model_.backing_up()) {
        auto result = std::make_shared<app::BackupResult>();
        run([job = model_.backup_job(),
             result](const app::Progress& progress) { *result = app::make_backup(job, progress); },
            [this, result] {
                model_.backup_finished(*result, prompter_);
                show_model();
            });
        return;
    }
    const auto job = model_.restore_job(prompter_);
    if (!job) return;
    auto result = std::make_shared<app::RestoreResult>();
    run([job = *job,
         result](const app::Progress& progress) { *result = app::restore_backup(job, progress); },
        [this, result] {
            model_.restore_finished(*result, prompter_);
            show_model();
            if (result->changed) accept();
        });
}

void BackupDialog::run(std::function<void(const app::Progress&)> work, std::function<void()> done) {
    set_busy(true);
    // Each status reaches the status line through the event loop, which keeps turning.
    const QPointer<BackupDialog> self(this);
    app::Progress progress = [self, hook = copy_hook_](const std::string& status) {
        QMetaObject::invokeMethod(
            self,
            [self, text = qs(status)] {
                if (!self) return;
                self->model_.set_status(us(text));
                self->status_->setText(text);
            },
            Qt::QueuedConnection);
        if (hook) hook(status);
    };
    QThread* thread = QThread::create([work = std::move(work), progress] { work(progress); });
    connect(thread, &QThread::finished, this, [this, thread, done = std::move(done)] {
        thread->deleteLater();
        set_busy(false);
        done();
        emit copying_finished();
    });
    thread->start();
}

void BackupDialog::set_busy(bool on) {
    busy_ = on;
    for (QWidget* w : {static_cast<QWidget*>(ok_), static_cast<QWidget*>(cancel_),
                       static_cast<QWidget*>(browse_), static_cast<QWidget*>(maps_),
                       static_cast<QWidget*>(list_)})
        w->setEnabled(!on);
    if (on) {
        setCursor(Qt::BusyCursor);
    } else {
        unsetCursor();
    }
}

void BackupDialog::reject() {
    if (busy_) return;  // the copying finishes first
    QDialog::reject();
}

void BackupDialog::closeEvent(QCloseEvent* event) {
    if (busy_) {
        event->ignore();
        return;
    }
    QDialog::closeEvent(event);
}

}  // namespace vorla::gui
