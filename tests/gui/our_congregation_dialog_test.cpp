#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "core/schedule/local_brothers_fixture.h"
#include "gui/app/line_list.h"
#include "gui/app/main_window.h"
#include "gui/app/work_panel.h"
#include "gui/editors/congregation_editor_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/local_role_list_dialog.h"
#include "gui/editors/our_congregation_dialog.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using store::LocalRole;

class OurCongregationDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void lists_are_edited_and_written_from_the_work_panel();
    void our_congregation_is_chosen_first();
};

void OurCongregationDialogTest::lists_are_edited_and_written_from_the_work_panel() {
    GuiDocument g;
    write_planning_folder(g.dir.path());
    write_local_brothers(g.dir.path());
    store::Document& doc = g.open();
    gui::MainWindow window(doc, g.prompter);
    window.show();
    bool ran = false;
    when_dialog<gui::OurCongregationDialog>([&](gui::OurCongregationDialog* dialog) {
        ran = true;
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Наше"));
        QCOMPARE(dialog->choose_button()->text(), QStringLiteral("Изменить Собрание"));
        QCOMPARE(dialog->list_button(LocalRole::chairman)->text(),
                 QStringLiteral("Председатели  ( 3 )"));
        QVERIFY(!dialog->list_button(LocalRole::reader)->isVisible());  // readers are off
        QVERIFY(dialog->export_button()->isEnabled());
        shot(dialog, QStringLiteral("our_congregation"));
        // Our package goes into the data folder; the user is told where.
        when_modal([](QWidget* told) { told->close(); });
        QTest::mouseClick(dialog->export_button(), Qt::LeftButton);
        QVERIFY(std::filesystem::exists(g.dir / "Наше.vpk"));

        // The chairmen: Архипов ticked in the edit view shows in the list view; OK writes.
        when_dialog<gui::LocalRoleListDialog>([](gui::LocalRoleListDialog* list) {
            QCOMPARE(list->windowTitle(), QStringLiteral("Председатели"));
            QCOMPARE(list->list()->topLevelItemCount(), 3);
            QTest::mouseClick(list->edit_button(), Qt::LeftButton);
            QCOMPARE(list->edit_button()->text(), QStringLiteral("Просмотр списка"));
            QCOMPARE(list->list()->topLevelItemCount(), 5);
            QCOMPARE(list->list()->topLevelItem(4)->text(0),
                     QStringLiteral("Глеб Громов (Прекращено)"));
            click_cell(list->list(), 1, 0);  // Архипов joins
            shot(list, QStringLiteral("local_role_list_edit"));
            QTest::mouseClick(list->edit_button(), Qt::LeftButton);
            QCOMPARE(list->list()->topLevelItemCount(), 4);
            QCOMPARE(list->list()->topLevelItem(1)->text(0), QStringLiteral("Юрий Архипов"));
            QTest::mouseClick(list->ok_button(), Qt::LeftButton);
        });
        QTest::mouseClick(dialog->list_button(LocalRole::chairman), Qt::LeftButton);
        QCOMPARE(dialog->list_button(LocalRole::chairman)->text(),
                 QStringLiteral("Председатели  ( 4 )"));
        QTest::mouseClick(dialog->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(window.panel()->button(app::PanelButtonId::our_congregation), Qt::LeftButton);
    QVERIFY(ran);
    const auto speakers = read_bytes(g.dir / "speakers.dat");
    QCOMPARE(std::vector<std::uint8_t>(speakers.begin() + 4 * 256, speakers.begin() + 5 * 256),
             brother_bytes(4, "Юрий", "Архипов", 1).u8(201, 0x04).bytes());
}

void OurCongregationDialogTest::our_congregation_is_chosen_first() {
    GuiDocument g;
    write_planning_folder(g.dir.path());
    write_local_brothers(g.dir.path());
    write_text(g.dir / "vorla.ini", "[Congregation]\r\nNumber=0\r\n");
    store::Document& doc = g.open();
    gui::OurCongregationDialog dialog(doc, [](std::uint16_t) {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Наше Собрание"));
    QCOMPARE(dialog.choose_button()->text(), QStringLiteral("Выбрать Собрание"));
    QVERIFY(!dialog.details_button()->isEnabled());
    QVERIFY(!dialog.list_button(LocalRole::outgoing_speaker)->isEnabled());
    QVERIFY(!dialog.export_button()->isEnabled());
    shot(&dialog, QStringLiteral("our_congregation_none"));

    when_dialog<gui::CongregationListDialog>([](gui::CongregationListDialog* chooser) {
        chooser->list()->select_line(0u);  // "Лесное"
        QTest::mouseClick(chooser->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.choose_button(), Qt::LeftButton);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Лесное"));
    QVERIFY(dialog.export_button()->isEnabled());
    QCOMPARE(dialog.list_button(LocalRole::outgoing_speaker)->text(),
             QStringLiteral("Уходящие докладчики  ( 0 )"));
    QCOMPARE(doc.our_congregation(), 2);

    // The details of our congregation only: no stepping to others.
    bool fixed = false;
    when_dialog<gui::CongregationEditorDialog>([&](gui::CongregationEditorDialog* editor) {
        fixed = !editor->name()->isEnabled() && !editor->next_button()->isVisible();
        editor->reject();
    });
    QTest::mouseClick(dialog.details_button(), Qt::LeftButton);
    QVERIFY(fixed);
}

QTEST_MAIN(OurCongregationDialogTest)
#include "our_congregation_dialog_test.moc"
