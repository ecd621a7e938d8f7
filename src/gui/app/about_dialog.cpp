#include "gui/app/about_dialog.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "gui/app/icons.h"
#include "gui/app/qt_prompter.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

AboutDialog::AboutDialog(const QString& data_folder, QWidget* parent) : QDialog(parent) {
    setWindowTitle(qs(text::TextId::about_title));
    auto* icon = new QLabel(this);
    icon->setPixmap(program_icon().pixmap(64, 64));
    auto* name =
        new QLabel(qs(text::TextId::about_version)
                       .arg(program_title().toHtmlEscaped(), QStringLiteral(VORLA_VERSION)),
                   this);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addWidget(name, 1);

    auto* box = new QGroupBox(qs(text::TextId::about_folder), this);
    auto* folder = new QLabel(data_folder, box);
    folder->setObjectName(QStringLiteral("dataFolder"));
    folder->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* box_layout = new QVBoxLayout(box);
    box_layout->addWidget(folder);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(box);
    layout->addWidget(buttons);
}

}  // namespace vorla::gui
