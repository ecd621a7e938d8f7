#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/schedule/local_brothers_fixture.h"
#include "gui/app/line_list.h"
#include "gui/app/main_window.h"
#include "gui/app/work_panel.h"
#include "gui/editors/local_role_list_dialog.h"
#include "gui/editors/name_list_dialog.h"
#include "gui/schedule/schedule_sheet.h"
#include "gui/schedule/weekly_role_page.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::PageKind;
using vorla::commands::Command;

class WeeklyRolePageTest : public QObject {
    Q_OBJECT
  private slots:
    void chairmen_are_rotated_and_chosen_from_the_work_panel();
    void commands_follow_their_enabling_rules();
    void hosts_are_chosen_from_the_hospitality_list();
    void readers_exchange_two_weeks();
};

namespace {

// Our congregation with its local lists; readers and hospitality scheduled. Row 2 (week 1408)
// is a convention; Борисов reads in row 4 (1410).
store::Document& open_roles(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    write_local_brothers(g.dir.path());
    write_text(g.dir / "vorla.ini",
               "[Congregation]\r\nNumber=1\r\n[Собрание]\r\nВключите чтецов=1\r\n"
               "Гостеприимство=1\r\n");
    write_bytes(g.dir / "history.dat",
                concat({week_bytes(1408).u16(20, 0x03), week_bytes(1410).u16(16, 7).u16(20, 1)}));
    return g.open();
}

template <class Page>
Page* page_of(gui::ScheduleSheet* sheet, PageKind kind) {
    return qobject_cast<Page*>(sheet->page(kind));
}

}  // namespace

void WeeklyRolePageTest::chairmen_are_rotated_and_chosen_from_the_work_panel() {
    GuiDocument g;
    store::Document& doc = open_roles(g);
    gui::MainWindow window(doc, g.prompter);
    window.show();
    bool ran = false;
    when_dialog<gui::ScheduleSheet>([&](gui::ScheduleSheet* sheet) {
        ran = true;
        QCOMPARE(sheet->tabs()->tabText(sheet->tabs()->currentIndex()),
                 QStringLiteral("Председатели"));
        auto* page = page_of<gui::ChairmenPage>(sheet, PageKind::chairmen);
        QVERIFY(page);
        QTreeWidget* list = page->list();
        QCOMPARE(list->headerItem()->text(1), QStringLiteral("Председатели"));
        QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("  Конгресс"));
        QCOMPARE(list->currentIndex().row(), 0);

        click_cell(list, 4, 0);
        QCOMPARE(page->auto_or_clear_button()->text(),
                 QStringLiteral("Автовыбор  Дек 20 - Янв 10"));
        QTest::mouseClick(page->auto_or_clear_button(), Qt::LeftButton);
        QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("  Алексей Андреев"));
        QCOMPARE(list->topLevelItem(3)->text(1), QStringLiteral("  Борис Борисов"));
        QCOMPARE(list->topLevelItem(4)->text(1), QStringLiteral("  Василий Волков"));
        QCOMPARE(list->currentIndex().row(), 0);  // the first week still open
        shot(sheet, QStringLiteral("schedule_sheet_chairmen"));

        // By hand: the chairmen's list as a chooser for the week, the present one selected.
        when_dialog<gui::LocalRoleListDialog>([](gui::LocalRoleListDialog* chooser) {
            QCOMPARE(chooser->windowTitle(), QStringLiteral("Председатели"));
            QCOMPARE(chooser->ok_button()->text(), QStringLiteral("Выбрать"));
            QCOMPARE(chooser->list()->current_line(), 2u);
            shot(chooser, QStringLiteral("local_role_list_chooser"));
            click_cell(chooser->list(), 0, 0);
            QTest::mouseClick(chooser->ok_button(), Qt::LeftButton);
        });
        double_click_cell(list, 4, 1);
        QCOMPARE(list->topLevelItem(4)->text(1), QStringLiteral("  Алексей Андреев"));

        // "Очистить" from row 3 empties rows 3 and 4.
        click_cell(list, 3, 0);
        QCOMPARE(page->auto_or_clear_button()->text(), QStringLiteral("Очистить Янв 03 - Янв 10"));
        QTest::mouseClick(page->auto_or_clear_button(), Qt::LeftButton);
        QCOMPARE(list->topLevelItem(3)->text(1), QStringLiteral("  "));
        QTest::mouseClick(sheet->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(window.panel()->button(app::PanelButtonId::chairmen), Qt::LeftButton);
    QVERIFY(ran);
    QCOMPARE(read_bytes(g.dir / "history.dat"),
             concat({week_bytes(1407).u16(14, 6).u16(20, 1), week_bytes(1408).u16(20, 0x03),
                     week_bytes(1409).u16(20, 1), week_bytes(1410).u16(16, 7).u16(20, 1)}));
}

void WeeklyRolePageTest::commands_follow_their_enabling_rules() {
    GuiDocument g;
    write_planning_folder(g.dir.path());
    write_bytes(g.dir / "cong.dat", slot_file({congregation_bytes(1, "Наше")}));
    write_text(g.dir / "vorla.ini", "[Congregation]\r\nNumber=0\r\n");
    store::Document& doc = g.open();
    gui::MainWindow window(doc, g.prompter);
    const auto panel = [&](app::PanelButtonId id) {
        return window.panel()->button(id)->isEnabled();
    };
    // No local brothers, one congregation, readers and hospitality off.
    QVERIFY(!window.commands().enabled(Command::chairmen));
    QVERIFY(!panel(app::PanelButtonId::chairmen));
    QVERIFY(!window.commands().enabled(Command::readers));
    QVERIFY(!window.commands().enabled(Command::hospitality));
    QVERIFY(!panel(app::PanelButtonId::hospitality));
    QVERIFY(window.commands().enabled(Command::outgoing));
    QVERIFY(panel(app::PanelButtonId::outgoing));
    QVERIFY(!window.commands().enabled(Command::our_congregation));
    QVERIFY(!panel(app::PanelButtonId::our_congregation));

    GuiDocument h;
    store::Document& full = open_roles(h);
    gui::MainWindow second(full, h.prompter);
    for (Command c : {Command::chairmen, Command::readers, Command::hospitality, Command::outgoing,
                      Command::our_congregation})
        QVERIFY(second.commands().enabled(c));
    QVERIFY(second.panel()->button(app::PanelButtonId::readers)->isEnabled());

    // 32856 opens the readers page, 32857 the outgoing speakers.
    for (auto [command, title] : {std::pair{Command::readers, "Чтецы Сторожевой Башни"},
                                  std::pair{Command::outgoing, "Уходяшие докладчики"}}) {
        QString shown;
        when_dialog<gui::ScheduleSheet>([&](gui::ScheduleSheet* sheet) {
            shown = sheet->tabs()->tabText(sheet->tabs()->currentIndex());
            QCOMPARE(sheet->tabs()->count(), 7);
            sheet->reject();
        });
        second.commands().action(command)->trigger();
        QCOMPARE(shown, QString::fromUtf8(title));
    }
}

void WeeklyRolePageTest::hosts_are_chosen_from_the_hospitality_list() {
    GuiDocument g;
    store::Document& doc = open_roles(g);
    gui::ScheduleSheet sheet(doc, nullptr, PageKind::hospitality);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    auto* page = page_of<gui::HospitalityPage>(&sheet, PageKind::hospitality);
    QVERIFY(page);
    QVERIFY(!page->exchange_button()->isVisible());
    QVERIFY(!page->legend()->isVisible());
    QCOMPARE(page->auto_or_clear_button()->text(), QStringLiteral("Автовыбор  Дек 13"));
    QTest::mouseClick(page->auto_or_clear_button(), Qt::LeftButton);
    QCOMPARE(page->list()->topLevelItem(0)->text(1), QStringLiteral("  Кротов"));

    bool first_selected = false;
    when_dialog<gui::NameListDialog>([&](gui::NameListDialog* hosts) {
        first_selected = hosts->list()->current_line() == 0u;
        QCOMPARE(hosts->cancel_button()->text(), QStringLiteral("Отмена"));
        QTest::mouseClick(hosts->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(page->manual_button(), Qt::LeftButton);
    QVERIFY(first_selected);
    QCOMPARE(page->list()->topLevelItem(1)->text(1), QStringLiteral("  Иванов"));
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1406)).host_id, 30001);
    shot(&sheet, QStringLiteral("schedule_sheet_hospitality"));
}

void WeeklyRolePageTest::readers_exchange_two_weeks() {
    GuiDocument g;
    store::Document& doc = open_roles(g);
    gui::ScheduleSheet sheet(doc, nullptr, PageKind::readers);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    auto* page = page_of<gui::ReadersPage>(&sheet, PageKind::readers);
    QVERIFY(page);
    QTreeWidget* list = page->list();
    click_cell(list, 1, 0);
    QTest::mouseClick(page->auto_or_clear_button(), Qt::LeftButton);  // Андреев
    click_cell(list, 1, 0);
    QCOMPARE(page->exchange_button()->text(), QStringLiteral("Обмен Алексей Андреев"));
    QTest::mouseClick(page->exchange_button(), Qt::LeftButton);
    QVERIFY(page->exchange_prompt()->isVisible());
    QCOMPARE(page->exchange_prompt()->text(),
             QStringLiteral("Выберите чтеца для обмена с\nАлексей Андреев\nили"));
    QVERIFY(!page->manual_button()->isVisible());
    QVERIFY(!page->auto_or_clear_button()->isVisible());
    shot(&sheet, QStringLiteral("schedule_sheet_readers_exchange"));
    click_cell(list, 4, 0);  // Борисов reads there
    QVERIFY(!page->exchange_prompt()->isVisible());
    QCOMPARE(list->topLevelItem(1)->text(1), QStringLiteral("  Борис Борисов"));
    QCOMPARE(list->topLevelItem(4)->text(1), QStringLiteral("  Алексей Андреев"));
}

QTEST_MAIN(WeeklyRolePageTest)
#include "weekly_role_page_test.moc"
