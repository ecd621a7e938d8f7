#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "core/schedule/schedule_fixture.h"
#include "gui/app/line_list.h"
#include "gui/editors/talk_history_dialog.h"
#include "gui/schedule/talk_picker_dialog.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;

class TalkPickerDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void filters_refill_and_the_pointer_shows_details();
    void nothing_to_choose_disables_ok();
    void the_grid_ticks_the_needed_talks();
};

namespace {

store::Document& open_heard(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    // Talk 12 was heard 20 weeks ago from Петров.
    write_bytes(g.dir / "history.dat", concat({planned_week(1386, 1, 12, 2)}));
    return g.open();
}

QStringList entries(QListWidget* list) {
    QStringList out;
    for (int k = 0; k < list->count(); ++k)
        out << list->item(k)->text();
    return out;
}

}  // namespace

void TalkPickerDialogTest::filters_refill_and_the_pointer_shows_details() {
    GuiDocument g;
    store::Document& doc = open_heard(g);
    schedule::TalkPickerParams p;
    p.title = "Января 03, 2027 - Лесное";
    p.chosen = 12;
    p.congregation = 2;
    gui::TalkPickerDialog dialog(doc, p);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Января 03, 2027 - Лесное"));
    QCOMPARE(entries(dialog.list()), (QStringList{QStringLiteral("  12"), QStringLiteral("  34")}));
    QCOMPARE(dialog.list()->currentRow(), 0);
    QCOMPARE(dialog.title_line()->text(), QStringLiteral("Речь 12 ( 12 ) "));
    QCOMPARE(dialog.last_heard_line()->text(), QStringLiteral("Последний:  Июл 26, 2026"));
    QCOMPARE(dialog.speaker_line()->text(), QStringLiteral("Иван Петров - Лесное"));
    QVERIFY(dialog.history_button()->isVisible());
    QCOMPARE(dialog.history_button()->text(), QStringLiteral("Показать историю - Речь 12"));
    when_dialog<gui::TalkHistoryDialog>([](gui::TalkHistoryDialog* h) {
        QCOMPARE(h->windowTitle(), QStringLiteral("История местной речи"));
        QCOMPARE(h->weeks()->topLevelItemCount(), 1);
        h->reject();
    });
    QTest::mouseClick(dialog.history_button(), Qt::LeftButton);
    QCOMPARE(dialog.recency()->count(), 8);
    QCOMPARE(dialog.topics()->itemText(0), QStringLiteral("Все категории"));
    shot(&dialog, QStringLiteral("talk_picker_single"));

    // The pointer over another talk shows its details; leaving the list shows the chosen one.
    QTest::mouseMove(dialog.list()->viewport(),
                     dialog.list()->visualItemRect(dialog.list()->item(1)).center());
    QTRY_COMPARE(dialog.title_line()->text(), QStringLiteral("Речь 34 ( 34 ) "));
    shot(&dialog, QStringLiteral("talk_picker_hover"));
    QCOMPARE(dialog.last_heard_line()->text(), QString());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(dialog.list()->viewport(), &leave);
    QCOMPARE(dialog.title_line()->text(), QStringLiteral("Речь 12 ( 12 ) "));

    dialog.recency()->setCurrentIndex(2);  // not in the last six months
    QCOMPARE(entries(dialog.list()), QStringList{QStringLiteral("  34")});
    QCOMPARE(dialog.model().chosen(), 0);
    QVERIFY(!dialog.ok_button()->isEnabled());
    click_line(dialog.list(), 0);
    QVERIFY(dialog.ok_button()->isEnabled());
    QTest::mouseDClick(dialog.list()->viewport(), Qt::LeftButton, {},
                       dialog.list()->visualItemRect(dialog.list()->item(0)).center());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.model().accept_single(), 34);
}

void TalkPickerDialogTest::nothing_to_choose_disables_ok() {
    GuiDocument g;
    store::Document& doc = open_heard(g);
    schedule::TalkPickerParams p;
    p.chosen = 12;
    p.speaker = 4;  // gives no talks
    gui::TalkPickerDialog dialog(doc, p);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.list()->count(), 0);
    QCOMPARE(dialog.title_line()->text(), QString());
    QVERIFY(!dialog.ok_button()->isEnabled());
    QTest::keyClick(&dialog, Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    dialog.reject();
}

void TalkPickerDialogTest::the_grid_ticks_the_needed_talks() {
    GuiDocument g;
    store::Document& doc = open_heard(g);
    schedule::TalkPickerParams p;
    p.title = "Нужные нам речи";
    p.single = false;
    p.wish_mode = true;
    p.needed.set(12);
    p.needed.set(150);
    gui::TalkPickerDialog dialog(doc, p);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.only_needed()->isVisible());
    QCOMPARE(dialog.list()->count(), 199);
    QVERIFY(dialog.list()->item(11)->isSelected());  // talk 12
    shot(&dialog, QStringLiteral("talk_picker_grid"));

    // Talks of topic "Христианские нормы / Качества" only: 150 is hidden and stays wanted.
    dialog.topics()->setCurrentIndex(
        dialog.topics()->findText(QStringLiteral("Христианские нормы / Качества")));
    QCOMPARE(entries(dialog.list()), (QStringList{QStringLiteral("  12"), QStringLiteral("  34")}));
    click_line(dialog.list(), 0);  // untick 12
    click_line(dialog.list(), 1);  // tick 34
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.model().accept_multiple().talks(), (std::vector<int>{34, 150}));
}

QTEST_MAIN(TalkPickerDialogTest)
#include "talk_picker_dialog_test.moc"
