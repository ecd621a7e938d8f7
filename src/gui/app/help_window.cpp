#include "gui/app/help_window.h"

#include <QAction>
#include <QTextBrowser>
#include <QToolBar>

#include "gui/app/icons.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent) {
    setWindowTitle(qs(text::TextId::help_title));
    setWindowIcon(program_icon());
    browser_ = new QTextBrowser(this);
    browser_->setSearchPaths({QStringLiteral(":/help")});
    browser_->setOpenExternalLinks(true);
    setCentralWidget(browser_);
    auto* bar = addToolBar(qs(text::TextId::help_toolbar));
    bar->setMovable(false);
    QAction* back = bar->addAction(qs(text::TextId::back), browser_, &QTextBrowser::backward);
    QAction* forward =
        bar->addAction(qs(text::TextId::help_forward), browser_, &QTextBrowser::forward);
    bar->addAction(qs(text::TextId::help_contents_tab), this,
                   [this] { show_page(QStringLiteral("index.html")); });
    bar->addAction(qs(text::TextId::help_index_tab), this,
                   [this] { show_page(QStringLiteral("terms.html")); });
    // Closes as every other window of the program does: Esc, Ctrl+W, or its button.
    QAction* close_help = bar->addAction(qs(text::TextId::close), this, &QWidget::close);
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
