#include "gui/app/help_window.h"

#include <QAction>
#include <QTextBrowser>
#include <QToolBar>

#include "gui/app/icons.h"

namespace vorla::gui {

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(QStringLiteral("Справка Vorla"));
    setWindowIcon(program_icon());
    browser_ = new QTextBrowser(this);
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);
    auto* bar = addToolBar(QStringLiteral("Справка"));
    bar->setMovable(false);
    QAction* back = bar->addAction(QStringLiteral("Назад"), browser_, &QTextBrowser::backward);
    QAction* forward = bar->addAction(QStringLiteral("Вперед"), browser_, &QTextBrowser::forward);
    bar->addAction(QStringLiteral("Содержание"), this,
                   [this] { show_page(QStringLiteral("index.html")); });
    bar->addAction(QStringLiteral("Указатель"), this,
                   [this] { show_page(QStringLiteral("terms.html")); });
    // Closes as every other window of the program does: Esc, Ctrl+W, or its button.
    QAction* close_help = bar->addAction(QStringLiteral("Закрыть"), this, &QWidget::close);
    close_help->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence(Qt::CTRL | Qt::Key_W)});
    back->setEnabled(false);
    forward->setEnabled(false);
    connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
    resize(720, 600);
}

void HelpWindow::show_page(const QString& page) {
    browser_->setSource(QUrl(QStringLiteral("qrc:/help/") + page));
    show();
    raise();
    activateWindow();
}

}  // namespace vorla::gui
