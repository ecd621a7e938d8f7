#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "core/schedule/local_brothers_fixture.h"
#include "gui/app/line_list.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/talk_chooser_dialog.h"
#include "gui/schedule/outgoing_page.h"
#include "gui/schedule/schedule_sheet.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::PageKind;

class OutgoingPageTest : public QObject {
    Q_OBJECT
  private slots:
    void a_speaker_is_sent_with_talk_and_congregation();
    void slots_are_exchanged_between_weeks();
};

namespace {

// Row 0 (1406): Борисов goes to Лесное with talk 12; row 1 (1407): an overseer's visit.
store::Document& open_outgoing(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    write_local_brothers(g.dir.path());
    write_bytes(g.dir / "history.dat",
                concat({week_bytes(1406).u16(28, 7).u16(40, 2).u16(52, 12).u16(20, 1),
                        week_bytes(1407).u16(20, 0x05)}));
    return g.open();
}

// The sheet opened on the outgoing page, shown.
struct OutgoingSheet {
    explicit OutgoingSheet(store::Document& doc) : sheet(doc, nullptr, PageKind::outgoing) {
        sheet.show();
        shown = QTest::qWaitForWindowExposed(&sheet);
        page = qobject_cast<gui::OutgoingPage*>(sheet.page(PageKind::outgoing));
    }
    gui::ScheduleSheet sheet;
    bool shown = false;
    gui::OutgoingPage* page = nullptr;
};

}  // namespace

void OutgoingPageTest::a_speaker_is_sent_with_talk_and_congregation() {
    GuiDocument g;
    OutgoingSheet opened(open_outgoing(g));
    QVERIFY(opened.shown && opened.page);
    gui::ScheduleSheet& sheet = opened.sheet;
    gui::OutgoingPage* page = opened.page;
    QTreeWidget* list = page->list();
    QCOMPARE(list->topLevelItem(0)->text(2), QStringLiteral("Борис Борисов"));
    QCOMPARE(list->topLevelItem(1)->text(2), QStringLiteral("РН Визит"));
    QCOMPARE(list->currentIndex().row(), 1);
    QVERIFY(!page->add_button()->isVisible());  // no one goes out in an overseer's week

    click_cell(list, 2, 0);
    QVERIFY(page->add_button()->isVisible());
    QVERIFY(!page->talk_button()->isVisible());
    // The chooser of outgoing speakers offers our brothers on that list who give talks.
    when_dialog<gui::BrotherListDialog>([](gui::BrotherListDialog* chooser) {
        QCOMPARE(chooser->model().params().role, editors::BrotherRole::outgoing_speaker);
        QCOMPARE(chooser->model().params().week, 1407);
        QCOMPARE(chooser->list()->topLevelItemCount(), 2);
        click_cell(chooser->list(), 1, 0);
        QTest::mouseClick(chooser->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(page->add_button(), Qt::LeftButton);
    QCOMPARE(page->slot_list()->topLevelItemCount(), 1);
    QCOMPARE(page->slot_list()->topLevelItem(0)->text(0), QStringLiteral("Василий Волков"));
    QCOMPARE(list->topLevelItem(2)->text(2), QStringLiteral("Василий Волков"));

    when_dialog<gui::TalkChooserDialog>([](gui::TalkChooserDialog* chooser) {
        QCOMPARE(chooser->list()->topLevelItemCount(), 1);  // his one talk
        click_cell(chooser->list(), 0, 0);
        QTest::mouseClick(chooser->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(page->talk_button(), Qt::LeftButton);
    QCOMPARE(page->talk_button()->text(), QStringLiteral("Речь - Речь 34 ( 34 ) "));
    when_dialog<gui::CongregationListDialog>([](gui::CongregationListDialog* chooser) {
        chooser->list()->select_line(3u);  // "Речное"
        QTest::mouseClick(chooser->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(page->congregation_button(), Qt::LeftButton);
    QCOMPARE(page->congregation_button()->text(), QStringLiteral("Собрание - Речное"));
    QCOMPARE(list->topLevelItem(2)->text(1), QStringLiteral("34"));
    QCOMPARE(list->topLevelItem(2)->text(3), QStringLiteral("Речное"));
    QVERIFY(page->contacts_button()->isVisible());
    shot(&sheet, QStringLiteral("schedule_sheet_outgoing"));

    QTest::mouseClick(sheet.ok_button(), Qt::LeftButton);
    const auto file = read_bytes(g.dir / "history.dat");
    QCOMPARE(file.size(), std::size_t{3 * 64});
    QCOMPARE(std::vector<std::uint8_t>(file.begin() + 128, file.end()),
             week_bytes(1408).u16(28, 8).u16(40, 3).u16(52, 34).u16(20, 1).bytes());
}

void OutgoingPageTest::slots_are_exchanged_between_weeks() {
    GuiDocument g;
    store::Document& doc = open_outgoing(g);
    OutgoingSheet opened(doc);
    QVERIFY(opened.shown && opened.page);
    gui::ScheduleSheet& sheet = opened.sheet;
    gui::OutgoingPage* page = opened.page;
    click_cell(page->list(), 0, 0);
    QTest::mouseClick(page->exchange_button(), Qt::LeftButton);
    QVERIFY(page->exchange_prompt()->isVisible());
    QCOMPARE(page->exchange_button()->text(), QStringLiteral("Отменить обмен"));
    QCOMPARE(page->slot_list()->topLevelItem(1)->text(0), QStringLiteral(" +..."));
    QVERIFY(!page->exchange_confirm_button()->isVisible());

    click_cell(page->list(), 3, 0);
    QVERIFY(page->exchange_confirm_button()->isVisible());
    QCOMPARE(page->exchange_confirm_button()->text(),
             QStringLiteral("Борис Борисов (Дек 13) <->  (Янв 03) Обмен"));
    shot(&sheet, QStringLiteral("schedule_sheet_outgoing_exchange"));
    QTest::mouseClick(page->exchange_confirm_button(), Qt::LeftButton);
    QVERIFY(!page->exchange_prompt()->isVisible());
    QCOMPARE(page->list()->topLevelItem(3)->text(2), QStringLiteral("Борис Борисов"));
    QCOMPARE(page->list()->topLevelItem(0)->text(2), QString());
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1408)).out_talk_no[0], 12);
}

QTEST_MAIN(OutgoingPageTest)
#include "outgoing_page_test.moc"
