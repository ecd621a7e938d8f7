#include "gui/app/main_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QWhatsThis>

#include "core/app/command_rules.h"
#include "core/app/first_run.h"
#include "core/app/folder_access.h"
#include "core/app/menu_model.h"
#include "core/calendar/locale_date.h"
#include "core/commands/command.h"
#include "core/text/texts.h"
#include "gui/app/about_dialog.h"
#include "gui/app/backup_dialog.h"
#include "gui/app/document_watcher.h"
#include "gui/app/help_window.h"
#include "gui/app/icons.h"
#include "gui/app/qt_prompter.h"
#include "gui/app/settings_dialog.h"
#include "gui/app/string_helpers.h"
#include "gui/app/work_panel.h"
#include "gui/editors/editor_commands.h"
#include "gui/reports/report_commands.h"
#include "gui/reports/report_printer.h"
#include "gui/reports/report_view.h"
#include "gui/schedule/package_commands.h"
#include "gui/schedule/schedule_commands.h"

namespace vorla::gui {

using commands::Command;

QString status_date(const calendar::Date& d, std::string_view language) {
    return qs(calendar::status_date_text(d, language));
}

MainWindow::MainWindow(store::Document& doc, QtPrompter& prompter, QWidget* parent)
    : QMainWindow(parent), doc_(doc), prompter_(prompter), commands_(this), fonts_(doc.language()) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(program_title() + qs(app::title_suffix(doc_)));
    setWindowIcon(program_icon());
    prompter_.set_parent(this);

    commands_.set_rule([this](Command command) {
        return app::data_allows(doc_, command) && mode_allows(command);
    });
    panel_ = new WorkPanel(commands_, [this](app::PanelButtonId button) {
        return app::panel_button_allowed(doc_, button);
    });
    view_ = new ReportView(panel_, this);
    printer_ = new ReportPrinter(*view_, this);
    setCentralWidget(view_);
    connect(view_, &ReportView::mode_changed, this, &MainWindow::on_mode_changed);

    build_menus();
    build_tool_bar();
    build_status_bar();
    install_handlers();
    install_editor_commands(*this);
    install_schedule_commands(*this);
    install_package_commands(*this);
    install_report_commands(*this);
    // Changed data may enable or disable commands, and shows in the report on screen at once.
    watcher_ = new DocumentWatcher(doc_, this);
    connect(watcher_, &DocumentWatcher::changed, this, &MainWindow::refresh);
    connect(watcher_, &DocumentWatcher::changed, view_, [this] {
        if (view_->mode() == ReportView::Mode::report) view_->redraw();
    });

    fonts_.load(doc_.read_settings_file());
    refresh();
}

MainWindow::~MainWindow() = default;

void MainWindow::build_menus() {
    const std::function<void(QMenu*, const std::vector<app::MenuItem>&)> fill =
        [&](QMenu* menu, const std::vector<app::MenuItem>& items) {
            for (const app::MenuItem& item : items) {
                if (item.separator()) {
                    menu->addSeparator();
                } else if (item.command == Command::none) {
                    fill(menu->addMenu(qs(item.text)), item.children);
                } else {
                    QAction* a = commands_.action(item.command);
                    a->setText(qs(item.text));
                    menu->addAction(a);
                }
            }
        };
    for (const app::MenuItem& top : app::main_menu()) {
        if (top.command != Command::none) {
            QAction* a = commands_.action(top.command);
            a->setText(qs(top.text));
            menuBar()->addAction(a);
            continue;
        }
        QMenu* menu = menuBar()->addMenu(qs(top.text));
        fill(menu, top.children);
    }
    commands_.action(Command::print)->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    commands_.action(Command::help_contents)->setShortcut(QKeySequence(Qt::Key_F1));
    commands_.action(Command::context_help)->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    for (Command command : commands_.commands())
        commands_.action(command)->setShortcutContext(Qt::ApplicationShortcut);
}

void MainWindow::build_tool_bar() {
    QToolBar* bar = addToolBar(qs(text::TextId::toolbar_caption));
    bar->setObjectName(QStringLiteral("ToolBar"));
    bar->setMovable(false);
    bar->setIconSize(QSize(24, 24));
    for (Command command : app::toolbar_commands()) {
        if (command == Command::none) {
            bar->addSeparator();
            continue;
        }
        QAction* a = commands_.action(command);
        a->setIcon(command_icon(command));
        if (a->toolTip().isEmpty() || a->toolTip() == a->text()) {
            a->setToolTip(
                QString(a->text()).remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0));
        }
        bar->addAction(a);
    }
}

void MainWindow::build_status_bar() {
    date_pane_ = new QLabel(status_date(doc_.today(), doc_.language()), this);
    date_pane_->setObjectName(QStringLiteral("DatePane"));
    date_pane_->setMinimumWidth(110);
    date_pane_->setAlignment(Qt::AlignCenter);
    statusBar()->addPermanentWidget(date_pane_);
    statusBar()->showMessage(QString());
}

void MainWindow::install_handlers() {
    commands_.set_handler(Command::settings, [this] { SettingsDialog::edit(doc_, this); });
    commands_.set_handler(Command::about, [this] {
        AboutDialog about(QString::fromStdString(doc_.folder().folder().string()), this);
        about.exec();
    });
    commands_.set_handler(Command::backup, [this] {
        BackupDialog dialog(doc_, app::BackupDirection::backup, prompter_, this);
        dialog.exec();
    });
    commands_.set_handler(Command::restore, [this] {
        BackupDialog dialog(doc_, app::BackupDirection::restore, prompter_, this);
        dialog.exec();
    });
    commands_.set_handler(Command::exit, [this] { close(); });
    commands_.set_handler(Command::back_to_panel, [this] { view_->return_to_panel(); });
    commands_.set_handler(Command::help_contents,
                          [this] { show_help(QStringLiteral("index.html")); });
    commands_.set_handler(Command::help_index, [this] { show_help(QStringLiteral("terms.html")); });
    commands_.set_handler(Command::context_help, [] { QWhatsThis::enterWhatsThisMode(); });
}

bool MainWindow::mode_allows(Command command) const {
    return app::mode_allows(command, view_ && view_->mode() == ReportView::Mode::report);
}

void MainWindow::refresh() {
    commands_.refresh();
}

void MainWindow::show_help(const QString& page) {
    if (!help_) help_ = new HelpWindow(this);
    help_->show_page(page);
}

void MainWindow::on_mode_changed(ReportView::Mode mode) {
    const QRect desktop = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    if (mode == ReportView::Mode::report) {
        panel_geometry_ = saveGeometry();
        setWindowFlag(Qt::WindowMaximizeButtonHint, true);
        if (!report_geometry_.isEmpty()) {
            restoreGeometry(report_geometry_);
        } else {
            // Eight and a half inches of the screen wide at most, the desktop's height.
            const int dpi = logicalDpiX() > 0 ? logicalDpiX() : 96;
            const int width = std::min(desktop.width(), dpi * 83 / 10);
            setGeometry(desktop.x() + (desktop.width() - width) / 2, desktop.y() + 30, width,
                        desktop.height() - 40);
        }
        show();
    } else {
        report_geometry_ = saveGeometry();
        setWindowFlag(Qt::WindowMaximizeButtonHint, false);
        showNormal();
        if (!panel_geometry_.isEmpty()) restoreGeometry(panel_geometry_);
        adjustSize();
    }
    refresh();
}

void MainWindow::give_first_run_advice() {
    for (const app::FirstRunAdvice advice : app::first_run_advice(doc_)) {
        const std::string text = app::advice_text(advice);
        if (advice == app::FirstRunAdvice::fill_talk_titles) {
            if (prompter_.ask_yes_no(text, true)) {
                QAction* talks = commands_.action(commands::Command::talks);
                if (talks && talks->isEnabled()) talks->trigger();
            }
        } else {
            prompter_.inform(text, io::Icon::information, app::first_run_caption());
        }
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (printer_->printing()) {
        prompter_.inform(text::text(text::TextId::wait_for_printing), io::Icon::information, {});
        event->ignore();
        return;
    }
    if (view_->mode() == ReportView::Mode::report) {
        view_->return_to_panel();
        event->ignore();
        return;
    }
    if (help_) help_->close();
    event->accept();
}

void MainWindow::save_fonts() {
    settings::IniFile ini = doc_.read_settings_file();
    fonts_.save(ini);
    doc_.write_settings_file(ini);
}

}  // namespace vorla::gui
