#include "gui/schedule/package_exported_dialog.h"

#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QUrl>
#include <QVBoxLayout>

#include "gui/app/qt_prompter.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

PackageExportedDialog::PackageExportedDialog(const std::string& message,
                                             schedule::PackageHandOn hand_on, QWidget* parent)
    : QDialog(parent), hand_on_(std::move(hand_on)) {
    setObjectName(QStringLiteral("PackageExportedDialog"));
    setWindowTitle(program_title());

    auto* icon = new QLabel(this);
    icon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    message_ = new QLabel(qs(message), this);
    message_->setWordWrap(true);
    message_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    message_->setMinimumWidth(420);

    auto* buttons = new QDialogButtonBox(this);
    mail_ = buttons->addButton(qs(hand_on_.mail_caption()), QDialogButtonBox::ActionRole);
    folder_ = buttons->addButton(qs(hand_on_.folder_caption()), QDialogButtonBox::ActionRole);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    mail_->setVisible(hand_on_.mail);
    folder_->setVisible(hand_on_.open_folder);

    auto* top = new QHBoxLayout;
    top->addWidget(icon, 0, Qt::AlignTop);
    top->addWidget(message_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);

    connect(mail_, &QPushButton::clicked, this, [this] {
        const std::vector<std::string> command = hand_on_.mail_command();
        QStringList arguments;
        for (std::size_t i = 1; i < command.size(); ++i)
            arguments.append(qs(command[i]));
        QProcess::startDetached(qs(command.front()), arguments);
    });
    connect(folder_, &QPushButton::clicked, this, [this] {
        QDesktopServices::openUrl(QUrl::fromLocalFile(qs(hand_on_.folder().string())));
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

}  // namespace vorla::gui
