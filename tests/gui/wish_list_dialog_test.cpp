#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "core/commands/command.h"
#include "core/schedule/schedule_fixture.h"
#include "gui/app/line_list.h"
#include "gui/app/main_window.h"
#include "gui/app/work_panel.h"
#include "gui/editors/wish_list_dialog.h"
#include "gui/schedule/talk_picker_dialog.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using Priority = schedule::WishListModel::Priority;

class WishListDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void shows_the_model_and_hands_the_buttons_back();
    void the_picker_adds_talks_and_ok_writes_the_file();
    void the_command_opens_the_dialog_and_print_goes_to_the_chosen_printer();
};

namespace {

// Talks 12 (heard 20 weeks ago) and 34 (high) are wanted.
store::Document& open_wanted(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    write_bytes(g.dir / "history.dat", concat({planned_week(1386, 1, 12, 2)}));
    FixtureBytes(96).u8(1, 0x08).u8(4, 0x02).u8(36, 0x02).write_to(g.dir / "wishlist.dat");
    return g.open();
}

QStringList row(gui::LineList* list, int line) {
    QStringList cells;
    for (int c = 0; c < 3; ++c)
        cells << list->topLevelItem(line)->text(c);
    return cells;
}

}  // namespace

void WishListDialogTest::shows_the_model_and_hands_the_buttons_back() {
    GuiDocument g;
    store::Document& doc = open_wanted(g);
    gui::WishListDialog dialog(doc, settings::ReportFonts("rus"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Нужные нам речи"));
    QCOMPARE(dialog.list()->topLevelItemCount(), 2);
    QCOMPARE(row(dialog.list(), 0), (QStringList{QStringLiteral(" 12"), QStringLiteral("С"),
                                                 QStringLiteral("Июл 26, 2026")}));
    QCOMPARE(row(dialog.list(), 1),
             (QStringList{QStringLiteral(" 34"), QStringLiteral("В"), QStringLiteral("    -")}));
    QCOMPARE(dialog.list()->current_line(), std::optional<std::size_t>(0));
    QCOMPARE(dialog.title_line()->text(), QStringLiteral("Речь 12"));
    QVERIFY(dialog.priority_button(Priority::medium)->isChecked());
    shot(&dialog, QStringLiteral("wish_list"));

    click_cell(dialog.list(), 1, 0);
    QCOMPARE(dialog.title_line()->text(), QStringLiteral("Речь 34"));
    QVERIFY(dialog.priority_button(Priority::high)->isChecked());
    QTest::mouseClick(dialog.priority_button(Priority::low), Qt::LeftButton);
    QCOMPARE(row(dialog.list(), 1).at(1), QStringLiteral("Н"));
    QCOMPARE(dialog.list()->current_line(), std::optional<std::size_t>(1));
    QVERIFY(dialog.list()->hasFocus());
    QVERIFY(dialog.model().list().record().wanted_low.has(34));

    QTest::mouseClick(dialog.remove_button(), Qt::LeftButton);
    QCOMPARE(dialog.list()->topLevelItemCount(), 1);
    QCOMPARE(dialog.title_line()->text(), QStringLiteral("Речь 12"));
    QTest::mouseClick(dialog.remove_button(), Qt::LeftButton);
    QVERIFY(!dialog.remove_button()->isVisible());
    QVERIFY(!dialog.priority_button(Priority::medium)->isChecked());
    QVERIFY(!dialog.priority_button(Priority::high)->isEnabled());
    shot(&dialog, QStringLiteral("wish_list_empty"));

    // Esc is Cancel: nothing reaches the document.
    QTest::keyClick(dialog.list(), Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QVERIFY(doc.wish_list().is_wanted(34));
}

void WishListDialogTest::the_picker_adds_talks_and_ok_writes_the_file() {
    GuiDocument g;
    store::Document& doc = open_wanted(g);
    gui::WishListDialog dialog(doc, settings::ReportFonts("rus"));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    when_dialog<gui::TalkPickerDialog>([](gui::TalkPickerDialog* picker) {
        QCOMPARE(picker->windowTitle(), QStringLiteral("Нужные нам речи"));
        QVERIFY(!picker->only_needed()->isVisible());
        QVERIFY(picker->list()->item(11)->isSelected());  // talk 12 is ticked
        click_line(picker->list(), 55);                   // tick talk 56
        QTest::mouseClick(picker->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.add_button(), Qt::LeftButton);
    QCOMPARE(dialog.list()->topLevelItemCount(), 3);
    QCOMPARE(row(dialog.list(), 2),
             (QStringList{QStringLiteral(" 56"), QStringLiteral("С"), QStringLiteral("    -")}));
    // Enter presses OK, which writes the list.
    QTest::keyClick(dialog.list(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(doc.wish_list().is_wanted(56));
    QCOMPARE(read_bytes(g.dir / "wishlist.dat"),
             FixtureBytes(96).u8(1, 0x08).u8(4, 0x02).u8(6, 0x80).u8(36, 0x02).bytes());
}

void WishListDialogTest::the_command_opens_the_dialog_and_print_goes_to_the_chosen_printer() {
    GuiDocument g;
    gui::MainWindow window(open_wanted(g), g.prompter);
    QVERIFY(window.commands().action(commands::Command::talks_we_need)->isEnabled());
    const QString pdf = QString::fromStdString((g.dir / "list.pdf").string());
    when_dialog<gui::WishListDialog>([pdf](gui::WishListDialog* dialog) {
        when_dialog<QPrintDialog>([pdf](QPrintDialog* print) {
            QCOMPARE(print->printer()->docName(), QStringLiteral("Нужные нам речи"));
            print->printer()->setOutputFileName(pdf);
            print->done(QDialog::Accepted);
        });
        QTest::mouseClick(dialog->print_button(), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        dialog->reject();
    });
    // The work panel's button gives the same command as the menu and the tool bar.
    QTest::mouseClick(window.panel()->button(app::PanelButtonId::talks_we_need), Qt::LeftButton);
    QFile written(pdf);
    QVERIFY(written.open(QIODevice::ReadOnly));
    QVERIFY(written.readAll().startsWith("%PDF"));
}

QTEST_MAIN(WishListDialogTest)
#include "wish_list_dialog_test.moc"
