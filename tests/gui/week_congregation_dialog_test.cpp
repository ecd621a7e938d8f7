#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "core/schedule/schedule_fixture.h"
#include "gui/schedule/speaker_picker_dialog.h"
#include "gui/schedule/week_congregation_dialog.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;

class WeekCongregationDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void lists_congregations_by_circuit();
    void the_speaker_is_chosen_on_the_way();
};

namespace {

store::Document& open_visits(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    write_bytes(g.dir / "history.dat", concat({planned_week(1386, 1, 12, 2)}));
    return g.open();
}

schedule::WeekCongregationParams week_1409() {
    return {"Января 03, 2027 - Речь 12", 12, calendar::WeekIndex(1408)};
}

}  // namespace

void WeekCongregationDialogTest::lists_congregations_by_circuit() {
    GuiDocument g;
    store::Document& doc = open_visits(g);
    gui::WeekCongregationDialog dialog(doc, week_1409());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Января 03, 2027 - Речь 12"));
    QCOMPARE(dialog.list()->headerItem()->text(0), QStringLiteral("Собрание ( Докладчики )"));
    QCOMPARE(dialog.list()->topLevelItemCount(), 2);
    QCOMPARE(dialog.list()->topLevelItem(0)->text(0), QStringLiteral("Лесное ( 2 ) "));
    QCOMPARE(dialog.list()->topLevelItem(0)->text(1), QStringLiteral("Иван Петров ( 12 ) "));
    QCOMPARE(dialog.list()->topLevelItem(0)->text(2), QStringLiteral("Июл 26, 2026"));
    QCOMPARE(dialog.list()->topLevelItem(1)->text(1), QString());
    QVERIFY(!dialog.speaker_button()->isVisible());
    click_cell(dialog.list(), 0, 0);
    QVERIFY(dialog.speaker_button()->isVisible());
    QCOMPARE(dialog.speaker_button()->text(), QStringLiteral("Выберите докладчика от Лесное"));
    shot(&dialog, QStringLiteral("week_congregation_dialog"));

    dialog.circuits()->setCurrentIndex(2);  // Южный
    QCOMPARE(dialog.list()->topLevelItemCount(), 1);
    QCOMPARE(dialog.list()->topLevelItem(0)->text(0), QStringLiteral("Речное ( 1 ) "));
    QVERIFY(!dialog.speaker_button()->isVisible());
    double_click_cell(dialog.list(), 0, 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.model().accept(), doc.congregations().find(3));
}

void WeekCongregationDialogTest::the_speaker_is_chosen_on_the_way() {
    GuiDocument g;
    store::Document& doc = open_visits(g);
    gui::WeekCongregationDialog dialog(doc, week_1409());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    click_cell(dialog.list(), 0, 0);
    when_dialog<gui::SpeakerPickerDialog>([](gui::SpeakerPickerDialog* picker) {
        QVERIFY(!picker->circuits()->isVisible());
        QCOMPARE(picker->list()->topLevelItemCount(), 1);  // Сидоров no longer speaks
        click_cell(picker->list(), 0, 0);
        picker->accept();
    });
    QTest::mouseClick(dialog.speaker_button(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1408)).speaker_id, 1);
    QCOMPARE(dialog.model().accept(), doc.congregations().find(2));
}

QTEST_MAIN(WeekCongregationDialogTest)
#include "week_congregation_dialog_test.moc"
