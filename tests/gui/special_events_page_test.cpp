// The special-events page and its dialog as a user meets them: adding a convention over a
// planned week, the question answered both ways, Apply writing both files, and deleting.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

#include "core/schedule/schedule_fixture.h"
#include "gui/schedule/event_dialog.h"
#include "gui/schedule/schedule_sheet.h"
#include "gui/schedule/special_events_page.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::PageKind;

class SpecialEventsPageTest : public QObject {
    Q_OBJECT
  private slots:
    void an_event_displaces_assignments_only_when_the_user_agrees();
    void deleting_hides_the_buttons_and_frees_the_week();
};

namespace {

// Week 1408 has Петров with talk 12 and a chairman; special.dat is empty.
store::Document& open_events(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    write_bytes(g.dir / "history.dat", concat({planned_week(1408, 1, 12, 2).u16(14, 4)}));
    return g.open();
}

gui::SpecialEventsPage* events_page(gui::ScheduleSheet& sheet) {
    return qobject_cast<gui::SpecialEventsPage*>(sheet.page(PageKind::events));
}

}  // namespace

void SpecialEventsPageTest::an_event_displaces_assignments_only_when_the_user_agrees() {
    GuiDocument g;
    store::Document& doc = open_events(g);
    gui::ScheduleSheet sheet(doc, nullptr, PageKind::events);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    QCOMPARE(sheet.tabs()->currentIndex(), sheet.tabs()->count() - 1);
    gui::SpecialEventsPage* page = events_page(sheet);
    QVERIFY(page);
    QVERIFY(!page->edit_button()->isVisibleTo(page));
    QVERIFY(!sheet.apply_button()->isEnabled());

    QString question;
    bool ran = false;
    when_dialog<gui::EventDialog>([&](gui::EventDialog* d) {
        ran = true;
        QCOMPARE(d->windowTitle(), QStringLiteral("Редактировать особое событие"));
        QCOMPARE(d->weeks()->currentText(), QStringLiteral("Выбрать неделю"));
        shot(d, QStringLiteral("event_dialog_new"));
        d->title_edit()->setText(QStringLiteral("Мой текст"));
        d->kind_button(store::EventKind::overseer_visit)->click();
        QCOMPARE(d->title_edit()->text(), QStringLiteral("РН Визит"));
        QVERIFY(d->chairman_box()->isChecked() && d->host_box()->isChecked());
        QVERIFY(!d->reader_box()->isVisibleTo(d));
        shot(d, QStringLiteral("event_dialog_visit"));
        d->kind_button(store::EventKind::convention)->click();
        QVERIFY(!d->permissions()->isVisibleTo(d));
        d->weeks()->setCurrentIndex(2);
        shot(d, QStringLiteral("event_dialog_convention"));

        // "Отмена" in the question keeps the dialog open and the week as it was.
        when_modal([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box);
            question = box->text();
            shot(box, QStringLiteral("event_question"));
            box->button(QMessageBox::Cancel)->click();
        });
        d->accept();
        QVERIFY(d->isVisible());
        QCOMPARE(doc.weeks().at(calendar::WeekIndex(1407)).speaker_id, 1);
        when_modal(
            [](QWidget* w) { qobject_cast<QMessageBox*>(w)->button(QMessageBox::Ok)->click(); });
        d->accept();
        QVERIFY(!d->isVisible());
    });
    QTest::mouseClick(page->add_button(), Qt::LeftButton);
    QVERIFY(ran);
    QVERIFY(question.contains(QStringLiteral("* Отменить местного докладчика Иван Петров *")));
    QVERIFY(question.contains(QStringLiteral("* Отменить председателя Юрий Архипов *")));
    QCOMPARE(page->list()->topLevelItemCount(), 1);
    QCOMPARE(page->list()->topLevelItem(0)->text(1), QStringLiteral("Конгресс"));
    QVERIFY(page->edit_button()->isVisibleTo(page));
    shot(&sheet, QStringLiteral("schedule_sheet_events"));

    QVERIFY(sheet.apply_button()->isEnabled());
    QTest::mouseClick(sheet.apply_button(), Qt::LeftButton);
    QVERIFY(!sheet.apply_button()->isEnabled());
    QCOMPARE(read_bytes(g.dir / "history.dat"), concat({week_bytes(1408).u16(20, 0x03)}));
    QCOMPARE(read_bytes(g.dir / "special.dat"), concat({event_bytes(1407, 0x02, "Конгресс")}));
    QTest::mouseClick(sheet.cancel_button(), Qt::LeftButton);  // what Apply wrote stays
    QCOMPARE(doc.events().size(), std::size_t{1});
}

void SpecialEventsPageTest::deleting_hides_the_buttons_and_frees_the_week() {
    GuiDocument g;
    write_planning_folder(g.dir.path());
    write_bytes(g.dir / "history.dat", concat({week_bytes(1410).u16(20, 0x09)}));
    write_bytes(g.dir / "special.dat", concat({event_bytes(1409, 0x08, "Сбор")}));
    store::Document& doc = g.open();
    gui::ScheduleSheet sheet(doc, nullptr, PageKind::events);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    gui::SpecialEventsPage* page = events_page(sheet);
    QCOMPARE(page->list()->topLevelItem(0)->text(0), QStringLiteral("Янв 10, 2027"));
    click_cell(page->list(), 0, 1);
    QVERIFY(page->remove_button()->isVisibleTo(page));
    QTest::mouseClick(page->remove_button(), Qt::LeftButton);
    QCOMPARE(page->list()->topLevelItemCount(), 0);
    QVERIFY(!page->remove_button()->isVisibleTo(page));
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1409)).week_flags, 0x01);
    QTest::mouseClick(sheet.ok_button(), Qt::LeftButton);
    QCOMPARE(read_bytes(g.dir / "special.dat"), std::vector<std::uint8_t>{});
    QCOMPARE(read_bytes(g.dir / "history.dat"), concat({week_bytes(1410).u16(20, 0x01)}));
}

QTEST_MAIN(SpecialEventsPageTest)
#include "special_events_page_test.moc"
