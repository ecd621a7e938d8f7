#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "core/schedule/schedule_fixture.h"
#include "gui/editors/availability_dialog.h"
#include "gui/schedule/contacts_dialog.h"
#include "gui/schedule/local_talks_page.h"
#include "gui/schedule/week_congregation_dialog.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;

class LocalTalksPageTest : public QObject {
    Q_OBJECT
  private slots:
    void markers_legend_and_conflict_follow_the_week();
    void mark_cells_toggle_in_any_row();
    void the_congregation_comes_from_the_chooser();
    void refresh_and_select_requests();
    void arrows_step_through_the_weeks();
    void the_line_under_the_pointer_is_framed();
};

namespace {

// Week 1408: Орлов speaks, chairs and is away; week 1410: Петров speaks and reads; week 1407
// is a convention.
store::Document& open_marked(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    write_bytes(g.dir / "history.dat",
                concat({week_bytes(1407).u16(20, 0x03), planned_week(1408, 3, 56, 3).u16(14, 3),
                        planned_week(1410, 1, 12, 2).u16(16, 1)}));
    write_bytes(g.dir / "blackout.dat", concat({unavailable_bytes(3, 1408)}));
    return g.open();
}

// The page on those weeks, shown.
struct ShownPage {
    GuiDocument g;
    store::Document& doc = open_marked(g);
    gui::LocalTalksPage page{doc};
    ShownPage() {
        page.resize(1000, 640);
        page.show();
    }
};

}  // namespace

void LocalTalksPageTest::markers_legend_and_conflict_follow_the_week() {
    ShownPage shown;
    gui::LocalTalksPage& page = shown.page;
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTreeWidget* list = page.list();
    QCOMPARE(list->topLevelItem(2)->text(2), QStringLiteral("* Павел Орлов"));
    QCOMPARE(list->topLevelItem(4)->text(2), QStringLiteral("# Иван Петров"));

    click_cell(list, 2, 0);
    QVERIFY(page.availability_button()->isVisible());
    QCOMPARE(page.availability_button()->text(),
             QStringLiteral("Показать доступные - Павел Орлов"));
    QVERIFY(!page.legend()->isVisible());
    QVERIFY(page.conflict_label()->isVisible());
    QCOMPARE(page.conflict_label()->text(),
             QStringLiteral("# Конфликт планирования - Дек 27 - Председатель - Докладчик"));
    shot(&page, QStringLiteral("local_talks_page_conflict"));
    bool read_only = false;
    when_dialog<gui::AvailabilityDialog>([&](gui::AvailabilityDialog* a) {
        read_only =
            !a->ok_button()->isVisible() && a->windowTitle() == QStringLiteral("Павел Орлов");
        a->reject();
    });
    QTest::mouseClick(page.availability_button(), Qt::LeftButton);
    QVERIFY(read_only);

    click_cell(list, 4, 0);
    QVERIFY(!page.availability_button()->isVisible());
    QVERIFY(page.legend()->isVisible());
    QCOMPARE(page.legend()->text(), QStringLiteral("( * = Докладчик недоступен ! )"));
    QString contacts;
    when_dialog<gui::ContactsDialog>([&](gui::ContactsDialog* c) {
        contacts = c->windowTitle();
        c->reject();
    });
    QTest::mouseClick(page.contacts_button(), Qt::LeftButton);
    QCOMPARE(contacts, QStringLiteral("Лесное"));

    click_cell(list, 1, 0);  // the convention: nothing to pick
    QVERIFY(!page.talk_button()->isVisible());
    QVERIFY(!page.speaker_button()->isVisible());
    QVERIFY(!page.exchange_or_congregation_button()->isVisible());
    QVERIFY(!page.clear_or_cancel_button()->isVisible());
    QVERIFY(!page.speaker_history_button()->isVisible());
    QVERIFY(!page.talk_history_button()->isVisible());

    click_cell(list, 4, 0);
    QTest::mouseClick(page.exchange_or_congregation_button(), Qt::LeftButton);  // "Обмен"
    QCOMPARE(page.clear_or_cancel_button()->text(), QStringLiteral("Отменить обмен"));
    shot(&page, QStringLiteral("local_talks_page_exchange"));
    QTest::mouseClick(page.clear_or_cancel_button(), Qt::LeftButton);
    QVERIFY(!page.exchange_prompt()->isVisible());
    QCOMPARE(list->topLevelItem(4)->text(2), QStringLiteral("# Иван Петров"));  // nothing cleared
}

void LocalTalksPageTest::mark_cells_toggle_in_any_row() {
    ShownPage shown;
    store::Document& doc = shown.doc;
    gui::LocalTalksPage& page = shown.page;
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTreeWidget* list = page.list();
    click_cell(list, 10, 5);  // confirmed only, in an empty week
    QCOMPARE(list->topLevelItem(10)->text(5), QStringLiteral("[ X ]"));
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1415)).confirmed, 1406);
    QCOMPARE(list->currentIndex().row(), 10);
    click_cell(list, 10, 4);
    click_cell(list, 10, 4);  // requested twice clears all three
    QCOMPARE(list->topLevelItem(10)->text(5), QStringLiteral("[ ]"));
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1415)).confirmed, 0);
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1415)).week_flags, 1);
    click_cell(list, 10, 2);  // other columns toggle nothing
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1415)).requested, 0);
}

void LocalTalksPageTest::the_congregation_comes_from_the_chooser() {
    ShownPage shown;
    store::Document& doc = shown.doc;
    gui::LocalTalksPage& page = shown.page;
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.list()->currentIndex().row(), 0);
    QCOMPARE(page.exchange_or_congregation_button()->text(), QStringLiteral("Выбор собрания"));
    when_dialog<gui::WeekCongregationDialog>([](gui::WeekCongregationDialog* chooser) {
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Декабря 13, 2026"));
        const int row = row_with(chooser->list(), 0, QStringLiteral("Речное ( 1 ) "));
        QVERIFY(row >= 0);
        click_cell(chooser->list(), row, 0);
        chooser->accept();
    });
    QTest::mouseClick(page.exchange_or_congregation_button(), Qt::LeftButton);
    QCOMPARE(page.list()->topLevelItem(0)->text(3), QStringLiteral("Речное"));
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1405)).speaker_cong_id, 3);
    QVERIFY(page.contacts_button()->isVisible());
    QVERIFY(page.clear_or_cancel_button()->isVisible());
    QCOMPARE(page.focusWidget(), page.list());
}

void LocalTalksPageTest::refresh_and_select_requests() {
    ShownPage shown;
    store::Document& doc = shown.doc;
    gui::LocalTalksPage& page = shown.page;
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.model().select(4);
    page.show_model();
    QCOMPARE(page.list()->currentIndex().row(), 4);
    QCOMPARE(page.week_label()->text(), QStringLiteral("Янв 10"));

    doc.set_current_week(calendar::WeekNumber(1416));
    page.model().refresh();
    page.show_model();
    QCOMPARE(page.list()->topLevelItem(0)->text(0), QStringLiteral("Фев 21, 2027"));
    QCOMPARE(page.list()->currentIndex().row(), 4);
    QCOMPARE(page.week_label()->text(), QStringLiteral("Мар 21"));
}

void LocalTalksPageTest::arrows_step_through_the_weeks() {
    ShownPage shown;
    gui::LocalTalksPage& page = shown.page;
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTreeWidget* list = page.list();
    QCOMPARE(page.focusWidget(), list);
    QCOMPARE(list->currentIndex().row(), 0);
    QVERIFY(page.talk_button()->isVisible());

    QTest::keyClick(list, Qt::Key_Down);  // the convention
    QCOMPARE(page.model().selected_row(), 1);
    QCOMPARE(page.week_label()->text(), QStringLiteral("Дек 20"));
    QVERIFY(!page.talk_button()->isVisible());
    QTest::keyClick(list, Qt::Key_Down);  // Орлов, away that week
    QVERIFY(page.availability_button()->isVisible());
    QCOMPARE(page.talk_label()->text(), QStringLiteral("Речь 56 ( 56 ) "));
    QTest::keyClick(list, Qt::Key_End);
    QCOMPARE(page.model().selected_row(), 25);
    QCOMPARE(page.week_label()->text(), QStringLiteral("Июн 06"));
    QVERIFY(!page.availability_button()->isVisible());
    QVERIFY(page.talk_button()->isVisible());
}

void LocalTalksPageTest::the_line_under_the_pointer_is_framed() {
    ShownPage shown;
    gui::LocalTalksPage& page = shown.page;
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTreeWidget* list = page.list();
    const QRect cell = list->visualRect(list->model()->index(6, 2));
    const auto framed = [&] {
        const QImage image = list->viewport()->grab().toImage();
        return image.pixelColor(cell.center().x(), cell.top()) == QColor(Qt::black) &&
               image.pixelColor(cell.center().x(), cell.bottom()) == QColor(Qt::black);
    };
    QVERIFY(!framed());
    QTest::mouseMove(list->viewport(), cell.center());
    QTRY_VERIFY(framed());
    shot(&page, QStringLiteral("local_talks_page_hover"));
    QTest::mouseMove(page.week_label(), QPoint(2, 2));  // the pointer leaves the list
    QTRY_VERIFY(!framed());
}

QTEST_MAIN(LocalTalksPageTest)
#include "local_talks_page_test.moc"
