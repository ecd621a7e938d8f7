#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "gui/editors/availability_dialog.h"
#include "support/gui_fixture.h"
#include "support/record_fixtures.h"

using namespace vorla;
using namespace vorla::testing;
using calendar::WeekNumber;

class AvailabilityDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void clicking_weeks_counts_them_and_ok_stores_the_marks();
    void read_only_hides_ok_and_closes_without_change();
    void new_brother_marks_no_weeks_but_may_be_discontinued();
};

namespace {

store::Document& open_with_marks(GuiDocument& g) {
    write_bytes(g.dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров")}));
    write_bytes(g.dir / "blackout.dat", concat({unavailable_bytes(1, 1420)}));  // W + 14
    return g.open();
}

QRect row_rect(QListWidget* list, int row) {
    return list->visualItemRect(list->item(row));
}

}  // namespace

void AvailabilityDialogTest::clicking_weeks_counts_them_and_ok_stores_the_marks() {
    GuiDocument g;
    store::Document& doc = open_with_marks(g);
    gui::AvailabilityDialog dialog(doc, 1, false, false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Иван Петров"));
    QCOMPARE(dialog.list()->count(), 52);
    QVERIFY(dialog.list()->item(14)->isSelected());
    QCOMPARE(dialog.count()->text(), QStringLiteral("1"));
    // The first marked week is scrolled to the top.
    QCOMPARE(dialog.list()->indexAt(QPoint(4, 4)).row(), 14);
    save_shot(&dialog, QStringLiteral("availability_dialog"));

    dialog.list()->scrollToTop();
    QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {},
                      row_rect(dialog.list(), 2).center());
    QCOMPARE(dialog.count()->text(), QStringLiteral("2"));
    dialog.list()->scrollToItem(dialog.list()->item(14));
    QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {},
                      row_rect(dialog.list(), 14).center());
    QCOMPARE(dialog.count()->text(), QStringLiteral("1"));
    dialog.discontinued_box()->setChecked(true);
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.discontinued());
    QVERIFY(!doc.unavailable().is_available(1, WeekNumber(1408)));
    QVERIFY(doc.unavailable().is_available(1, WeekNumber(1420)));
}

void AvailabilityDialogTest::read_only_hides_ok_and_closes_without_change() {
    GuiDocument g;
    store::Document& doc = open_with_marks(g);
    gui::AvailabilityDialog dialog(doc, 1, false, true);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(!dialog.ok_button()->isVisible());
    QVERIFY(!dialog.prompt()->isVisible());
    QVERIFY(!dialog.discontinued_box()->isEnabled());
    QCOMPARE(dialog.cancel_button()->text(), QStringLiteral("Закрыть"));
    QVERIFY(dialog.list()->item(14)->isSelected());
    save_shot(&dialog, QStringLiteral("availability_dialog_read_only"));
    // A click marks nothing here, and the count keeps telling the truth.
    QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {},
                      row_rect(dialog.list(), 14).center());
    QVERIFY(dialog.list()->item(14)->isSelected());
    QCOMPARE(dialog.count()->text(), QStringLiteral("1"));
    dialog.list()->item(14)->setSelected(false);
    QTest::keyClick(&dialog, Qt::Key_Return);  // the default button is "Закрыть"
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!doc.unavailable().is_available(1, WeekNumber(1420)));
}

void AvailabilityDialogTest::new_brother_marks_no_weeks_but_may_be_discontinued() {
    GuiDocument g;
    store::Document& doc = open_with_marks(g);
    gui::AvailabilityDialog dialog(doc, 0, false, false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // The list takes no clicks, and says why.
    QVERIFY(dialog.prompt()->isVisible());
    QVERIFY(dialog.prompt()->text().startsWith(QStringLiteral("Недели отмечаются у сохранённого")));
    QVERIFY(dialog.ok_button()->isVisible());
    QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {},
                      row_rect(dialog.list(), 1).center());
    QVERIFY(!dialog.list()->item(1)->isSelected());
    QCOMPARE(dialog.count()->text(), QStringLiteral("0"));
    save_shot(&dialog, QStringLiteral("availability_dialog_new_brother"));
    dialog.discontinued_box()->click();
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(dialog.discontinued());
    QCOMPARE(doc.unavailable().size(), std::size_t(1));
}

QTEST_MAIN(AvailabilityDialogTest)
#include "availability_dialog_test.moc"
