#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui/app/line_list.h"
#include "gui/editors/name_list_dialog.h"
#include "support/gui_fixture.h"
#include "support/record_fixtures.h"

using namespace vorla;
using namespace vorla::testing;

class NameListDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void renamed_line_can_be_clicked_and_edited_again();
    void chooser_offers_the_circuit_just_added();
};

namespace {

store::Document& open_circuits(GuiDocument& g) {
    write_bytes(g.dir / "circuit.dat",
                concat({named_bytes("Бета", 30001), named_bytes("Гамма", 30002)}));
    return g.open();
}

void click_line(gui::LineList* list, int line) {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->topLevelItem(line)).center());
}

}  // namespace

void NameListDialogTest::renamed_line_can_be_clicked_and_edited_again() {
    GuiDocument g;
    store::Document& doc = open_circuits(g);
    gui::NameListDialog dialog(doc, editors::NamedList::circuits);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    click_line(dialog.list(), 1);
    QCOMPARE(dialog.edit()->text(), QStringLiteral("Гамма"));
    dialog.edit()->selectAll();
    type_text(dialog.edit(), QStringLiteral("Гамма-2"));
    QTest::keyClick(dialog.edit(), Qt::Key_Return);  // Enter confirms the name
    QVERIFY(dialog.isVisible());
    QVERIFY(!dialog.edit()->isVisible());
    QCOMPARE(dialog.list()->line_text(1), QStringLiteral("Гамма-2"));
    QCOMPARE(dialog.list()->current_line(), std::nullopt);

    click_line(dialog.list(), 1);
    QVERIFY(dialog.edit()->isVisible());
    QCOMPARE(dialog.edit()->text(), QStringLiteral("Гамма-2"));
    QCOMPARE(doc.circuits().at(1).id, std::uint16_t(30002));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
}

void NameListDialogTest::chooser_offers_the_circuit_just_added() {
    GuiDocument g;
    store::Document& doc = open_circuits(g);
    gui::NameListDialog chooser(doc, editors::NamedList::circuits, true, 2);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    QCOMPARE(chooser.list()->current_line(), std::optional<std::size_t>(1));
    QTest::mouseClick(chooser.add_button(), Qt::LeftButton);
    type_text(chooser.edit(), QStringLiteral("Альфа"));
    QTest::keyClick(chooser.edit(), Qt::Key_Return);
    QVERIFY(chooser.isVisible());
    QCOMPARE(chooser.list()->line_text(0), QStringLiteral("Альфа"));
    QCOMPARE(chooser.list()->current_line(), std::optional<std::size_t>(0));
    save_shot(&chooser, QStringLiteral("circuit_chooser_added"));
    QTest::mouseClick(chooser.ok_button(), Qt::LeftButton);
    QCOMPARE(chooser.result(), int(QDialog::Accepted));
    QCOMPARE(chooser.model().chosen_id(), std::uint16_t(30003));
}

QTEST_MAIN(NameListDialogTest)
#include "name_list_dialog_test.moc"
