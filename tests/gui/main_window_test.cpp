#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QStatusBar>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>

#include "core/app/folder_access.h"
#include "core/app/menu_model.h"
#include "core/commands/command.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "gui/app/about_dialog.h"
#include "gui/app/help_window.h"
#include "gui/app/main_window.h"
#include "gui/app/settings_dialog.h"
#include "gui/app/work_panel.h"
#include "gui/reports/report_view.h"
#include "support/change_log.h"
#include "support/gui_fixture.h"
#include "support/record_fixtures.h"

using namespace vorla;
using namespace vorla::testing;
using vorla::commands::Command;

namespace {

void collect(QMenu* menu, QList<QAction*>& out) {
    for (QAction* a : menu->actions()) {
        if (a->menu()) {
            collect(a->menu(), out);
        } else if (!a->isSeparator()) {
            out.append(a);
        }
    }
}

QList<QAction*> menu_actions(QMainWindow& w) {
    QList<QAction*> out;
    for (QAction* a : w.menuBar()->actions()) {
        if (a->menu()) {
            collect(a->menu(), out);
        } else {
            out.append(a);
        }
    }
    return out;
}

void collect_model(const std::vector<app::MenuItem>& items, std::vector<int>& out) {
    for (const auto& i : items) {
        if (i.command != Command::none) out.push_back(static_cast<int>(i.command));
        collect_model(i.children, out);
    }
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void menus_hold_every_item_with_its_id_and_keys();
    void tool_bar_follows_the_menu_commands_in_order();
    void panel_and_menu_follow_the_document();
    void a_read_only_folder_shows_in_the_title();
    void a_second_program_is_asked_before_it_opens_the_folder();
    void status_bar_shows_prompts_and_the_date();
    void report_mode_closes_back_to_the_panel();
    void settings_dialog_rules();
    void settings_cancel_rewrites_unchanged_and_ok_writes_keys();
    void about_and_help_show_their_pages();
};

void MainWindowTest::menus_hold_every_item_with_its_id_and_keys() {
    GuiDocument g;
    gui::MainWindow window(g.open(), g.prompter);
    const QList<QAction*> actions = menu_actions(window);
    std::vector<int> expected;
    collect_model(app::main_menu(), expected);
    QCOMPARE(static_cast<std::size_t>(actions.size()), expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i)
        QCOMPARE(actions[int(i)]->data().toInt(), expected[i]);

    const QList<QAction*> top = window.menuBar()->actions();
    QCOMPARE(top.size(), 7);
    QCOMPARE(top[0]->text(), QStringLiteral("&Файл"));
    QCOMPARE(top[5]->text(), QStringLiteral("&Настройки"));
    QCOMPARE(top[5]->data().toInt(), static_cast<int>(Command::settings));
    QCOMPARE(top[6]->text(), QStringLiteral("&Помощь"));
    QAction* print = window.commands().action(Command::print);
    QCOMPARE(print->text(), QStringLiteral("&Печать...\tCtrl+P"));
    QCOMPARE(print->shortcut(), QKeySequence(QStringLiteral("Ctrl+P")));
    QCOMPARE(window.commands().action(Command::help_contents)->shortcut(),
             QKeySequence(Qt::Key_F1));
    QCOMPARE(window.commands().action(Command::context_help)->shortcut(),
             QKeySequence(Qt::SHIFT | Qt::Key_F1));
    QCOMPARE(window.commands().action(Command::local_talks)->statusTip(),
             QStringLiteral("Расписание речей для нашего собрания"));
    QCOMPARE(window.commands().action(Command::local_talks)->toolTip(),
             QStringLiteral("Местные речи"));
    save_shot(&window, QStringLiteral("main_window"));
}

void MainWindowTest::tool_bar_follows_the_menu_commands_in_order() {
    GuiDocument g;
    gui::MainWindow window(g.open(), g.prompter);
    auto* bar = window.findChild<QToolBar*>(QStringLiteral("ToolBar"));
    QVERIFY(bar);
    QList<int> ids;
    for (QAction* a : bar->actions())
        ids.append(a->isSeparator() ? 0 : a->data().toInt());
    QList<int> expected;
    for (Command command : app::toolbar_commands())
        expected.append(static_cast<int>(command));
    QCOMPARE(ids, expected);
    for (QAction* a : bar->actions()) {
        if (!a->isSeparator()) QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
    }
}

void MainWindowTest::a_read_only_folder_shows_in_the_title() {
    GuiDocument g;
    store::Document read_only({g.dir.path(), {2026, 12, 7}, {}, true}, g.prompter);
    gui::MainWindow window(read_only, g.prompter);
    QCOMPARE(window.windowTitle(), gui::program_title() + gui::qs(app::title_suffix(read_only)));
    QVERIFY(window.windowTitle().endsWith(QStringLiteral(" [только чтение]")));
    gui::MainWindow writable(g.open(), g.prompter);
    QCOMPARE(writable.windowTitle(), gui::program_title());
}

void MainWindowTest::a_second_program_is_asked_before_it_opens_the_folder() {
    GuiDocument g;
    io::FolderLock first_program;
    QCOMPARE(first_program.acquire(g.dir.path()), io::FolderLock::State::held);
    for (const bool read_only : {true, false}) {
        QString text;
        when_modal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            text = box->text();
            if (read_only) save_shot(box, QStringLiteral("second_program_question"));
            box->button(read_only ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        const app::FolderAccess access = app::take_data_folder(
            g.dir.path(), app::FolderUse::desktop, g.prompter, std::chrono::milliseconds(0));
        QCOMPARE(text, gui::qs(text::format(text::TextId::folder_in_use_ask_read_only,
                                            g.dir.path().string())));
        QCOMPARE(access.read_only, read_only);
        QCOMPARE(access.refused, !read_only);
    }
}

void MainWindowTest::panel_and_menu_follow_the_document() {
    GuiDocument g;
    gui::MainWindow window(g.open(), g.prompter);
    // A command the program has is enabled by its data rule; pretend the hospitality page is built.
    window.commands().set_handler(Command::hospitality, [] {});
    window.commands().set_handler(Command::history, [] {});
    window.refresh();
    QPushButton* hospitality = window.panel()->button(app::PanelButtonId::hospitality);
    QPushButton* history = window.panel()->button(app::PanelButtonId::edit_history);
    QVERIFY(!hospitality->isEnabled());
    QVERIFY(!window.commands().action(Command::hospitality)->isEnabled());
    QVERIFY(!history->isEnabled());  // no congregation chosen
    QVERIFY(window.commands().action(Command::history)->isEnabled());

    settings::Settings s = window.doc().settings();
    s.hospitality_scheduled = true;
    window.doc().set_settings(s);
    window.refresh();
    QVERIFY(hospitality->isEnabled());
    QVERIFY(window.commands().action(Command::hospitality)->isEnabled());

    // Commands that work now.
    QVERIFY(window.commands().action(Command::summary)->isEnabled());
    QVERIFY(window.commands().action(Command::backup)->isEnabled());
    QVERIFY(window.commands().action(Command::restore)->isEnabled());
    QVERIFY(window.commands().action(Command::settings)->isEnabled());
    QVERIFY(window.commands().action(Command::about)->isEnabled());
    QVERIFY(window.panel()->button(app::PanelButtonId::exit)->isEnabled());
    // Print and the way back only in report mode.
    QVERIFY(!window.commands().action(Command::back_to_panel)->isEnabled());
}

void MainWindowTest::status_bar_shows_prompts_and_the_date() {
    GuiDocument g;
    gui::MainWindow window(g.open({2026, 12, 7}), g.prompter);
    QCOMPARE(window.date_pane()->text(), QStringLiteral("дек 07, 2026"));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.commands().action(Command::settings)->showStatusText(&window);
    QCOMPARE(window.statusBar()->currentMessage(),
             QStringLiteral("Изменить настройки планирования и печати"));
}

void MainWindowTest::report_mode_closes_back_to_the_panel() {
    GuiDocument g;
    gui::MainWindow window(g.open(), g.prompter);
    window.show();
    window.view()->show_report(new QLabel(QStringLiteral("отчет")));
    QCOMPARE(int(window.view()->mode()), int(gui::ReportView::Mode::report));
    QVERIFY(window.commands().action(Command::back_to_panel)->isEnabled());
    QVERIFY(!window.commands().action(Command::restore)->isEnabled());  // only on the panel
    QVERIFY(window.commands().action(Command::backup)->isEnabled());
    QVERIFY(!window.close());  // closing a report returns to the panel
    QCOMPARE(int(window.view()->mode()), int(gui::ReportView::Mode::panel));
    QVERIFY(!window.commands().action(Command::back_to_panel)->isEnabled());
    QVERIFY(window.commands().action(Command::restore)->isEnabled());
    window.view()->show_report(new QLabel(QStringLiteral("отчет")));
    QTest::keyClick(window.view()->report(), Qt::Key_Escape);
    QCOMPARE(int(window.view()->mode()), int(gui::ReportView::Mode::panel));
    QVERIFY(window.close());
}

void MainWindowTest::settings_dialog_rules() {
    GuiDocument g;
    store::Document& doc = g.open();
    gui::SettingsDialog dialog(doc);
    dialog.show();
    const QStringList styles = {QStringLiteral("чистом"), QStringLiteral("сером"),
                                QStringLiteral("черном"), QStringLiteral("белом"),
                                QStringLiteral("цветном")};
    for (int press = 0; press <= 5; ++press) {
        const QString style = styles[press % 5];
        QCOMPARE(dialog.background()->text(),
                 QStringLiteral("Печать заголовков и дат на %1 фоне").arg(style));
        QCOMPARE(dialog.colour()->isVisible(), press % 5 == 4);
        if (press % 5 == 4) save_shot(&dialog, QStringLiteral("settings_dialog_coloured"));
        QTest::mouseClick(dialog.background(), Qt::LeftButton);
    }
    dialog.readers()->setChecked(true);
    QVERIFY(dialog.show_readers()->isVisible());
    QTRY_VERIFY(dialog.show_readers()->geometry().height() > 0);
    const int with_readers = dialog.height();
    dialog.show_readers()->setChecked(true);
    dialog.readers()->setChecked(false);
    QVERIFY(!dialog.show_readers()->isVisible());
    QApplication::processEvents();
    QCOMPARE(dialog.height(), with_readers);      // its room is kept: nothing below it moves
    QVERIFY(dialog.show_readers()->isChecked());  // the value stays as it was
    QVERIFY(!dialog.auto_cap()->isVisible());     // no automatic capitals in Russian

    // Margins: two digits, arrows wrap around, typed numbers are taken.
    QSpinBox* top = dialog.top_margin();
    QCOMPARE(top->text(), QStringLiteral("50"));
    top->setValue(99);
    QTest::keyClick(top, Qt::Key_Up);
    QCOMPARE(top->value(), 0);
    QCOMPARE(top->text(), QStringLiteral("00"));
    QTest::keyClick(top, Qt::Key_Down);
    QCOMPARE(top->value(), 99);
    top->selectAll();
    QTest::keyClicks(top, QStringLiteral("75"));
    QCOMPARE(top->value(), 75);
    // Characters the data files cannot hold are refused while typing.
    dialog.title()->clear();
    type_text(dialog.title(), QStringLiteral("Plan ä中"));
    QCOMPARE(dialog.title()->text(), QStringLiteral("Plan "));
    save_shot(&dialog, QStringLiteral("settings_dialog"));
}

void MainWindowTest::settings_cancel_rewrites_unchanged_and_ok_writes_keys() {
    GuiDocument g;
    store::Document& doc = g.open();
    const auto ini = doc.settings_path();
    QVERIFY(!std::filesystem::exists(ini));
    ChangeLog changes(doc);
    {
        gui::SettingsDialog dialog(doc);
        when_modal([&](QWidget*) {
            dialog.hospitality()->setChecked(true);
            dialog.reject();
        });
        QVERIFY(!dialog.run());
    }
    QVERIFY(std::filesystem::exists(ini));  // Cancel still writes the file, unchanged values
    QVERIFY(!doc.settings().hospitality_scheduled);
    QVERIFY(changes.quiet());
    const std::string unchanged = text::cp1251_to_utf8(read_text(ini));
    QVERIFY(unchanged.find("Гостеприимство=0") != std::string::npos);
    {
        gui::SettingsDialog dialog(doc);
        when_modal([&](QWidget*) {
            dialog.hospitality()->setChecked(true);
            dialog.left_margin()->setValue(35);
            dialog.title()->setText(QStringLiteral("График"));
            dialog.accept();
        });
        QVERIFY(dialog.run());
    }
    QVERIFY(doc.settings().hospitality_scheduled);
    QVERIFY(changes.saw(store::Change::settings));
    const std::string written = text::cp1251_to_utf8(read_text(ini));
    QVERIFY(written.find("[Собрание]") != std::string::npos);
    QVERIFY(written.find("Гостеприимство=1") != std::string::npos);
    QVERIFY(written.find("Отступ слева=35") != std::string::npos);
    QVERIFY(written.find("Заголовок=График") != std::string::npos);
}

void MainWindowTest::about_and_help_show_their_pages() {
    GuiDocument g;
    gui::MainWindow window(g.open(), g.prompter);
    gui::AboutDialog about(QString::fromStdString(g.dir.path().string()));
    auto* folder = about.findChild<QLabel*>(QStringLiteral("dataFolder"));
    QCOMPARE(folder->text(), QString::fromStdString(g.dir.path().string()));
    save_shot(&about, QStringLiteral("about_dialog"));
    window.commands().action(Command::help_contents)->trigger();
    QVERIFY(window.help_window());
    QVERIFY(window.help_window()->browser()->toPlainText().contains(QStringLiteral("Содержание")));
    window.commands().action(Command::help_index)->trigger();
    QVERIFY(window.help_window()->browser()->toPlainText().contains(QStringLiteral("Указатель")));
    save_shot(window.help_window(), QStringLiteral("help_window"));
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
