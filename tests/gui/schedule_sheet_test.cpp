#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/commands/command.h"
#include "core/schedule/schedule_fixture.h"
#include "core/schedule/sheet_model.h"
#include "core/schedule/week_list.h"
#include "gui/app/main_window.h"
#include "gui/app/work_panel.h"
#include "gui/schedule/local_talks_page.h"
#include "gui/schedule/schedule_sheet.h"
#include "gui/schedule/speaker_picker_dialog.h"
#include "gui/schedule/talk_picker_dialog.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::PageKind;
using vorla::commands::Command;

class ScheduleSheetTest : public QObject {
    Q_OBJECT
  private slots:
    void a_week_is_planned_from_the_work_panel_to_history();
    void cancel_restores_the_saved_weeks();
    void only_ok_and_cancel_close_the_sheet();
    void edit_menu_runs_the_frame_commands();
};

namespace {

// Week 1406 is planned (Петров, talk 12, Лесное, asked in week 1400); week 1407 is a
// convention; talk 34 is on the talks-we-need list.
store::Document& open_planning(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    write_bytes(g.dir / "history.dat", concat({planned_week(1406, 1, 12, 2).u16(8, 1400),
                                               week_bytes(1407).u16(20, 0x03)}));
    write_bytes(g.dir / "special.dat", concat({event_bytes(1406, 0x02, "Конгресс")}));
    write_bytes(g.dir / "wishlist.dat", FixtureBytes(96).u8(4, 0x02).bytes());
    return g.open();
}

gui::LocalTalksPage* local_page(gui::ScheduleSheet* sheet) {
    return qobject_cast<gui::LocalTalksPage*>(sheet->page(PageKind::local_talks));
}

}  // namespace

void ScheduleSheetTest::a_week_is_planned_from_the_work_panel_to_history() {
    GuiDocument g;
    store::Document& doc = open_planning(g);
    doc.set_current_week(calendar::WeekNumber(1300));
    gui::MainWindow window(doc, g.prompter);
    window.show();
    bool ran = false;
    when_dialog<gui::ScheduleSheet>([&](gui::ScheduleSheet* sheet) {
        ran = true;
        QCOMPARE(sheet->windowTitle(), QStringLiteral("Панель планирования"));
        QCOMPARE(doc.current_week(), calendar::WeekNumber(1406));
        QCOMPARE(sheet->tabs()->tabText(sheet->tabs()->currentIndex()),
                 QStringLiteral("Местные речи"));
        gui::LocalTalksPage* page = local_page(sheet);
        QVERIFY(page);
        QTreeWidget* list = page->list();
        QCOMPARE(list->topLevelItemCount(), 26);
        QCOMPARE(list->headerItem()->text(4), QStringLiteral("Затребовано"));
        QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("Иван Петров"));
        QCOMPARE(list->topLevelItem(1)->text(2), QStringLiteral("Конгресс"));
        // The first week still to plan: the third row.
        QCOMPARE(list->currentIndex().row(), 2);
        QCOMPARE(page->week_label()->text(), QStringLiteral("Дек 27"));
        shot(sheet, QStringLiteral("schedule_sheet_local_talks"));

        // A talk: nobody is planned, so the talks we need come first; then all talks not
        // heard in the last six months.
        when_dialog<gui::TalkPickerDialog>([](gui::TalkPickerDialog* picker) {
            QCOMPARE(picker->windowTitle(), QStringLiteral("Декабря 27, 2026"));
            QVERIFY(picker->only_needed()->isChecked());
            QCOMPARE(picker->list()->count(), 1);
            QCOMPARE(picker->list()->item(0)->text(), QStringLiteral("  34"));
            picker->only_needed()->click();
            picker->recency()->setCurrentIndex(2);
            QVERIFY(picker->list()->findItems(QStringLiteral("  12"), Qt::MatchExactly).isEmpty());
            const auto found = picker->list()->findItems(QStringLiteral("  56"), Qt::MatchExactly);
            QCOMPARE(found.size(), 1);
            click_line(picker->list(), picker->list()->row(found.first()));
            QCOMPARE(picker->title_line()->text(), QStringLiteral("Речь 56 ( 56 ) "));
            QTest::mouseClick(picker->ok_button(), Qt::LeftButton);
        });
        QTest::mouseClick(page->talk_button(), Qt::LeftButton);
        QCOMPARE(page->talk_label()->text(), QStringLiteral("Речь 56 ( 56 ) "));

        // The speaker: only Орлов gives talk 56.
        when_dialog<gui::SpeakerPickerDialog>([](gui::SpeakerPickerDialog* picker) {
            QCOMPARE(picker->windowTitle(), QStringLiteral("Декабря 27, 2026 - Речь 56"));
            QCOMPARE(picker->list()->topLevelItemCount(), 1);
            click_cell(picker->list(), 0, 0);
            picker->accept();
        });
        QTest::mouseClick(page->speaker_button(), Qt::LeftButton);
        QCOMPARE(list->topLevelItem(2)->text(2), QStringLiteral("Павел Орлов"));
        QCOMPARE(list->topLevelItem(2)->text(3), QStringLiteral("Речное"));
        QCOMPARE(page->exchange_or_congregation_button()->text(), QStringLiteral("Обмен"));

        // Asked and confirmed: clicks on the mark cells.
        click_cell(list, 2, 4);
        click_cell(list, 2, 5);
        QCOMPARE(list->topLevelItem(2)->text(4), QStringLiteral("[ X ]"));
        QCOMPARE(list->topLevelItem(2)->text(5), QStringLiteral("[ X ]"));
        QCOMPARE(list->topLevelItem(2)->text(6), QStringLiteral("[ ]"));

        // The plan of the first week moves to the fourth.
        click_cell(list, 0, 0);
        QTest::mouseClick(page->exchange_or_congregation_button(), Qt::LeftButton);
        QVERIFY(page->exchange_prompt()->isVisible());
        QCOMPARE(page->exchange_prompt()->text(),
                 QStringLiteral("Выбор докладчика для обмена с Иван Петров или -> "));
        QVERIFY(!page->talk_button()->isVisible());
        click_cell(list, 3, 0);
        QVERIFY(!page->exchange_prompt()->isVisible());
        QCOMPARE(list->topLevelItem(3)->text(2), QStringLiteral("Иван Петров"));
        QCOMPARE(list->topLevelItem(0)->text(2), QString());
        shot(sheet, QStringLiteral("schedule_sheet_planned"));

        QTest::mouseClick(sheet->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(window.panel()->button(app::PanelButtonId::local_talks), Qt::LeftButton);
    QVERIFY(ran);
    QCOMPARE(read_bytes(g.dir / "history.dat"),
             concat({week_bytes(1406).u16(20, 1), week_bytes(1407).u16(20, 0x03),
                     planned_week(1408, 3, 56, 3).u16(8, 1406).u16(10, 1406),
                     planned_week(1409, 1, 12, 2)}));
    QCOMPARE(read_bytes(g.dir / "special.dat"), concat({event_bytes(1406, 0x02, "Конгресс")}));
}

void ScheduleSheetTest::cancel_restores_the_saved_weeks() {
    GuiDocument g;
    store::Document& doc = open_planning(g);
    const auto history = read_bytes(g.dir / "history.dat");
    gui::ScheduleSheet sheet(doc, nullptr, PageKind::local_talks);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    gui::LocalTalksPage* page = local_page(&sheet);
    click_cell(page->list(), 0, 0);
    QTest::mouseClick(page->clear_or_cancel_button(), Qt::LeftButton);  // "Очистить выборку"
    click_cell(page->list(), 5, 6);
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1405)).speaker_id, 0);
    QTest::mouseClick(sheet.cancel_button(), Qt::LeftButton);
    QCOMPARE(sheet.result(), int(QDialog::Rejected));
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1405)).speaker_id, 1);
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1410)).reminded, 0);
    QCOMPARE(read_bytes(g.dir / "history.dat"), history);
}

void ScheduleSheetTest::only_ok_and_cancel_close_the_sheet() {
    GuiDocument g;
    store::Document& doc = open_planning(g);
    gui::ScheduleSheet sheet(doc, nullptr, PageKind::local_talks);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QString message;
    when_dialog<QMessageBox>([&](QMessageBox* box) {
        message = box->text();
        box->accept();
    });
    sheet.close();
    QCOMPARE(message, QStringLiteral("Пожалуйста. выберите OK или Отмена чтобы закрыть панель."));
    QVERIFY(sheet.isVisible());
    QTest::keyClick(&sheet, Qt::Key_Escape);
    QVERIFY(sheet.isVisible());
    QTest::keyClick(local_page(&sheet)->list(), Qt::Key_Escape);
    QVERIFY(sheet.isVisible());
    // Summary, local talks, chairmen, outgoing speakers and special events.
    QCOMPARE(sheet.tabs()->count(), 5);
    QTest::mouseClick(sheet.ok_button(), Qt::LeftButton);
    QVERIFY(!sheet.isVisible());
    QCOMPARE(sheet.result(), int(QDialog::Accepted));
}

void ScheduleSheetTest::edit_menu_runs_the_frame_commands() {
    GuiDocument g;
    store::Document& doc = open_planning(g);
    gui::MainWindow window(doc, g.prompter);
    // The brother editor, as far as the sheet can tell: a record written and announced.
    int brothers_runs = 0;
    window.commands().set_handler(Command::brothers, [&] {
        ++brothers_runs;
        auto record = doc.brothers().read(doc.folder(), *doc.brothers().find(1));
        record->first_name = "Пётр";
        doc.brothers().write(doc.folder(), *record);
        doc.announce(store::Change::brothers);
    });
    window.commands().refresh();
    QVERIFY(window.commands().enabled(Command::local_talks));

    gui::ScheduleSheet sheet(doc, &window.commands(), PageKind::local_talks);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QCOMPARE(sheet.edit_button()->text(), QStringLiteral("Редактировать"));
    QMenu* menu = sheet.edit_menu();
    QTimer::singleShot(0, menu, [menu] { menu->close(); });
    QTest::mouseClick(sheet.edit_button(), Qt::LeftButton);
    QTRY_VERIFY(!menu->isVisible());
    const QList<QAction*> items = menu->actions();
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0]->text(), QStringLiteral("Собрания"));
    QCOMPARE(items[1]->text(), QStringLiteral("Братья"));
    QCOMPARE(items[0]->isEnabled(), window.commands().enabled(Command::congregations));
    QVERIFY(items[1]->isEnabled());
    QTreeWidget* list = local_page(&sheet)->list();
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("Иван Петров"));
    items[1]->trigger();
    QCOMPARE(brothers_runs, 1);
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("Пётр Петров"));  // the page rebuilt
    sheet.accept();
}

QTEST_MAIN(ScheduleSheetTest)
#include "schedule_sheet_test.moc"
