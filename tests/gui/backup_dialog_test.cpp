#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <atomic>
#include <chrono>
#include <thread>

#include "core/app/backup.h"
#include "gui/app/backup_dialog.h"
#include "gui/app/main_window.h"
#include "gui/editors/folder_chooser_dialog.h"
#include "support/gui_fixture.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"

using namespace vorla;
using namespace vorla::testing;
using vorla::gui::qs;
namespace fs = std::filesystem;

class BackupDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void backup_runs_off_the_window_and_closes_on_the_second_ok();
    void restore_lists_backups_and_reloads_the_document();
    void folder_chooser_keeps_refused_paths_open_and_creates_missing_ones();
    void main_window_commands_open_the_dialog_in_each_direction();
};

namespace {

void write_data(const fs::path& folder) {
    write_bytes(folder / "cong.dat", slot_file({congregation_bytes(1, "Наше")}));
    write_bytes(folder / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1)}));
    write_bytes(folder / "talk.dat", std::vector<std::uint8_t>(154, 0));
}

}  // namespace

void BackupDialogTest::backup_runs_off_the_window_and_closes_on_the_second_ok() {
    GuiDocument g;
    write_data(g.dir.path());
    store::Document& doc = g.open();
    RecordingPrompter prompter;
    gui::BackupDialog dialog(doc, app::BackupDirection::backup, prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Резервная копия"));
    QVERIFY(dialog.size_group()->isVisible());
    QVERIFY(dialog.size_line()->text().startsWith(QStringLiteral("Требуемое место: ")));
    QVERIFY(!dialog.floppy()->isVisible());
    QVERIFY(!dialog.list_group()->isVisible());
    QCOMPARE(dialog.folder()->text(), qs(dialog.model().path()));
    QCOMPARE(dialog.status_line()->text(), qs(dialog.model().status()));
    QCOMPARE(dialog.cancel()->text(), QStringLiteral("Отмена"));
    const QString before = dialog.size_line()->text();
    dialog.maps()->setChecked(true);
    QCOMPARE(dialog.size_line()->text(), qs(dialog.model().size_line()));
    QCOMPARE(dialog.size_line()->text(), before);  // no congregation has a map
    save_shot(&dialog, QStringLiteral("backup_dialog"));

    // The copying waits at the third file while the window goes on answering.
    std::atomic<bool> waiting{false};
    std::atomic<bool> go_on{false};
    dialog.set_copy_hook([&](const std::string& status) {
        if (status.find("hospital.dat") == std::string::npos) return;
        waiting = true;
        while (!go_on)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
    });
    QSignalSpy finished(&dialog, &gui::BackupDialog::copying_finished);
    QTest::mouseClick(dialog.ok(), Qt::LeftButton);
    QTRY_VERIFY(waiting);
    QTRY_COMPARE(dialog.status_line()->text(),
                 QStringLiteral("Резервирование файла: hospital.dat"));
    QVERIFY(dialog.busy());
    QVERIFY(!dialog.ok()->isEnabled());
    QVERIFY(!dialog.cancel()->isEnabled());
    dialog.reject();  // Esc waits for the copying
    QVERIFY(dialog.isVisible());
    save_shot(&dialog, QStringLiteral("backup_dialog_copying"));
    go_on = true;
    QVERIFY(finished.wait(10000));

    QCOMPARE(dialog.status_line()->text(), QStringLiteral("Резервирование завершено!"));
    QCOMPARE(dialog.cancel()->text(), QStringLiteral("Закрыть"));
    QVERIFY(dialog.ok()->isEnabled());
    QCOMPARE(app::backup_folders(g.dir.path()).size(), std::size_t(1));
    QVERIFY(prompter.messages.empty());
    save_shot(&dialog, QStringLiteral("backup_dialog_done"));
    QTest::mouseClick(dialog.ok(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

void BackupDialogTest::restore_lists_backups_and_reloads_the_document() {
    GuiDocument g;
    write_data(g.dir.path());
    const fs::path backup = g.dir / "Vrl_26340_1200_06дек26";
    fs::create_directory(backup);
    fs::create_directory(g.dir / "Vrl_26339_1200_05дек26");
    write_data(backup);
    write_bytes(backup / "cong.dat",
                slot_file({congregation_bytes(1, "Наше"), congregation_bytes(2, "Из копии")}));
    store::Document& doc = g.open();
    QCOMPARE(doc.congregations().size(), std::size_t(1));
    RecordingPrompter prompter;
    prompter.answers = {true};
    gui::BackupDialog dialog(doc, app::BackupDirection::restore, prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Восстановить"));
    QVERIFY(!dialog.size_group()->isVisible());
    QVERIFY(dialog.list_group()->isVisible());
    QCOMPARE(dialog.list()->count(), 2);
    QCOMPARE(dialog.list()->item(1)->text(), QStringLiteral("Vrl_26340_1200_06дек26"));
    QVERIFY(!dialog.ok()->isVisible());
    QCOMPARE(dialog.status_line()->text(), QString());

    QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {},
                      dialog.list()->visualItemRect(dialog.list()->item(1)).center());
    const QString path = qs(backup.string()) + QLatin1Char('/');
    QCOMPARE(dialog.folder()->text(), path);
    QCOMPARE(dialog.status_line()->text(),
             QStringLiteral("Нажмите OK для восстановления из: ") + path);
    QVERIFY(dialog.ok()->isVisible());
    save_shot(&dialog, QStringLiteral("restore_dialog"));

    QSignalSpy finished(&dialog, &gui::BackupDialog::copying_finished);
    QTest::mouseClick(dialog.ok(), Qt::LeftButton);
    QVERIFY(finished.wait(10000));
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(doc.congregations().size(), std::size_t(2));  // read again from the restored files
    QCOMPARE(prompter.messages.size(), std::size_t(2));  // the question, then where the old data is
    QVERIFY(prompter.messages[0].question);
    QCOMPARE(app::backup_folders(g.dir.path()).size(), std::size_t(3));
}

void BackupDialogTest::folder_chooser_keeps_refused_paths_open_and_creates_missing_ones() {
    TempDir dir;
    RecordingPrompter prompter;
    const QString root = qs(dir.path().string());
    gui::FolderChooserDialog dialog({dir.path(), {}, false, {}}, prompter);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), qs(text::TextId::select_folder));
    QVERIFY(dialog.field());
    QVERIFY(dialog.select_button());
    QCOMPARE(dialog.field()->text(), root);
    QCOMPARE(dialog.select_button()->text(), qs(text::TextId::select));
    save_shot(&dialog, QStringLiteral("folder_chooser"));

    dialog.field()->setText(root + QStringLiteral("//x"));
    QTest::mouseClick(dialog.select_button(), Qt::LeftButton);
    QVERIFY(dialog.isVisible());
    QCOMPARE(prompter.messages.size(), std::size_t(1));
    QCOMPARE(qs(prompter.messages[0].text), qs(text::TextId::invalid_folder));

    // A folder that does not exist yet: the button stays usable, and Yes creates it.
    dialog.field()->setText(root + QStringLiteral("/новая/папка/"));
    QVERIFY(dialog.select_button()->isEnabled());
    prompter.answers = {true};
    QTest::mouseClick(dialog.select_button(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosen(), root + QStringLiteral("/новая/папка/"));
    QVERIFY(fs::is_directory(dir / "новая/папка"));
}

void BackupDialogTest::main_window_commands_open_the_dialog_in_each_direction() {
    GuiDocument g;
    gui::MainWindow window(g.open(), g.prompter);
    window.show();
    for (const auto& [command, title] :
         {std::pair{commands::Command::backup, QStringLiteral("Резервная копия")},
          std::pair{commands::Command::restore, QStringLiteral("Восстановить")}}) {
        QString seen;
        when_modal([&seen](QWidget* modal) {
            seen = modal->windowTitle();
            static_cast<QDialog*>(modal)->reject();
        });
        window.commands().action(command)->trigger();
        QCOMPARE(seen, title);
    }
}

QTEST_MAIN(BackupDialogTest)
#include "backup_dialog_test.moc"
