#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/commands/command.h"
#include "core/schedule/schedule_fixture.h"
#include "gui/app/line_list.h"
#include "gui/app/main_window.h"
#include "gui/schedule/congregation_chooser_dialog.h"
#include "gui/schedule/package_exported_dialog.h"
#include "gui/schedule/package_import_dialog.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"
#include "support/package_fixtures.h"

using namespace vorla;
using namespace vorla::testing;

class PackageDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void chooser_shows_its_model_and_filters_by_circuit();
    void import_dialog_binds_name_lines_and_ok();
    void export_command_chooses_writes_and_offers_the_file();
    void exported_dialog_offers_what_the_desktop_has();
};

void PackageDialogsTest::chooser_shows_its_model_and_filters_by_circuit() {
    GuiDocument g;
    write_planning_folder(g.dir.path());
    store::Document& doc = g.open();
    gui::CongregationChooserDialog dialog(doc, schedule::ChooserMode::ours);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Выбор собрания"));
    QVERIFY(dialog.circuits()->isVisible());
    QCOMPARE(dialog.list()->topLevelItemCount(), 4);
    QCOMPARE(dialog.list()->current_line(), std::optional<std::size_t>(1));  // Наше
    shot(&dialog, QStringLiteral("congregation_chooser_dialog"));

    dialog.circuits()->setCurrentIndex(2);  // Южный
    QCOMPARE(dialog.list()->topLevelItemCount(), 2);
    QCOMPARE(dialog.list()->topLevelItem(1)->text(0), QStringLiteral("Речное"));
    double_click_cell(dialog.list(), 1, 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.model().accept(), std::optional<std::uint16_t>(3));
}

void PackageDialogsTest::import_dialog_binds_name_lines_and_ok() {
    GuiDocument g;
    write_planning_folder(g.dir.path());
    const auto file = g.dir / "Лесное.vpk";
    write_bytes(
        file, concat({package_congregation("Лесное", "Западный"), package_brother("Иван", "Петров"),
                      package_brother("Пётр", "Новиков")}));
    store::Document& doc = g.open();
    gui::PackageImportDialog dialog(doc, file);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.name_edit()->text(), QStringLiteral("Лесное"));
    QCOMPARE(dialog.circuit_button()->text(), QStringLiteral("Северный"));
    QVERIFY(!dialog.circuit_warning()->isVisible());
    QCOMPARE(dialog.list()->count(), 2);
    QCOMPARE(dialog.list()->item(0)->text(), QStringLiteral("* Иван Петров"));
    QVERIFY(dialog.list()->item(0)->isSelected() && dialog.list()->item(1)->isSelected());
    QVERIFY(dialog.duplicates_label()->isVisible());
    QVERIFY(dialog.removal_group()->isVisible());
    QCOMPARE(dialog.removal_list()->itemText(0), QStringLiteral("Олег Сидоров"));
    shot(&dialog, QStringLiteral("package_import_dialog"));

    // A click on the selected duplicate deselects it; the model counts again.
    QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {},
                      dialog.list()->visualItemRect(dialog.list()->item(0)).center());
    QVERIFY(!dialog.model().selected(0));
    QVERIFY(!dialog.duplicates_label()->isVisible());
    QCOMPARE(dialog.selection_label()->text(),
             QStringLiteral("1 of 2  Братья, выбранные для приглашения."));

    // A new name: no match, no removal, OK reads "Применить" and only turns back.
    dialog.name_edit()->selectAll();
    type_text(dialog.name_edit(), QStringLiteral("Горное"));
    QCOMPARE(dialog.ok_button()->text(), QStringLiteral("Применить"));
    QVERIFY(!dialog.removal_group()->isVisible());
    QCOMPARE(dialog.status_label()->text(), QStringLiteral("Новое собрание будет добавлено."));
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.ok_button()->text(), QStringLiteral("OK"));
    shot(&dialog, QStringLiteral("package_import_dialog_new_name"));
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(doc.congregations().name_of(5), std::string("Горное"));
    QCOMPARE(dialog.model().report().added, std::vector<std::string>{"Пётр Новиков"});
}

void PackageDialogsTest::export_command_chooses_writes_and_offers_the_file() {
    GuiDocument g;
    write_planning_folder(g.dir.path());
    store::Document& doc = g.open();
    gui::MainWindow window(doc, g.prompter);
    QAction* export_action = window.commands().action(commands::Command::export_package);
    QVERIFY(export_action->isEnabled());
    QVERIFY(window.commands().action(commands::Command::import_package)->isEnabled());

    bool offered = false;
    when_dialog<gui::CongregationChooserDialog>([&](gui::CongregationChooserDialog* chooser) {
        click_cell(chooser->list(), 0, 0);  // Лесное
        chooser->accept();
        when_dialog<gui::PackageExportedDialog>([&](gui::PackageExportedDialog* done) {
            offered = true;
            QVERIFY(done->message_label()->text().startsWith(QStringLiteral("Лесное Информация")));
            QCOMPARE(done->mail_button()->text(), QStringLiteral("Отправить по почте"));
            shot(done, QStringLiteral("package_exported_dialog"));
            done->accept();
        });
    });
    export_action->trigger();
    QTRY_VERIFY(offered);
    QVERIFY(QFile::exists(QString::fromStdString((g.dir / "Лесное.vpk").string())));
}

void PackageDialogsTest::exported_dialog_offers_what_the_desktop_has() {
    schedule::PackageHandOn both{"/data/Наше.vpk", true, true};
    gui::PackageExportedDialog dialog("Информация местного собрания экспортирована.", both);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.mail_button()->isVisible());
    QVERIFY(dialog.folder_button()->isVisible());
    QCOMPARE(dialog.folder_button()->text(), QStringLiteral("Открыть папку"));
    shot(&dialog, QStringLiteral("package_exported_dialog_hand_on"));

    schedule::PackageHandOn folder_only{"/data/Наше.vpk", false, true};
    gui::PackageExportedDialog without_mail("", folder_only);
    without_mail.show();
    QVERIFY(QTest::qWaitForWindowExposed(&without_mail));
    QVERIFY(!without_mail.mail_button()->isVisible());
    QVERIFY(without_mail.folder_button()->isVisible());
}

QTEST_MAIN(PackageDialogsTest)
#include "package_dialogs_test.moc"
