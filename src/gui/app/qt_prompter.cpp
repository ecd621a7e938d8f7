#include "gui/app/qt_prompter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "core/text/texts.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

using text::TextId;

QString program_title() {
    return qs(text::text(TextId::program_title)).section(QLatin1Char('\n'), 0, 0);
}

QWidget* QtPrompter::active_parent() const {
    if (QWidget* modal = QApplication::activeModalWidget()) return modal;
    if (QWidget* active = QApplication::activeWindow()) return active;
    return parent_;
}

void QtPrompter::inform(std::string_view text, io::Icon icon, std::string_view caption) {
    QMessageBox box(active_parent());
    box.setWindowTitle(caption.empty() ? program_title() : qs(caption));
    box.setText(qs(text));
    switch (icon) {
        case io::Icon::information:
            box.setIcon(QMessageBox::Information);
            break;
        case io::Icon::warning:
            box.setIcon(QMessageBox::Warning);
            break;
        case io::Icon::error:
            box.setIcon(QMessageBox::Critical);
            break;
        case io::Icon::question:
            box.setIcon(QMessageBox::Question);
            break;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
}

bool QtPrompter::ask_yes_no(std::string_view text, bool default_yes) {
    QMessageBox box(active_parent());
    box.setWindowTitle(program_title());
    box.setText(qs(text));
    box.setIcon(QMessageBox::Question);
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(default_yes ? QMessageBox::Yes : QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
    box.button(QMessageBox::Yes)->setText(qs(text::TextId::yes));
    box.button(QMessageBox::No)->setText(qs(text::TextId::no));
    return box.exec() == QMessageBox::Yes;
}

}  // namespace vorla::gui
