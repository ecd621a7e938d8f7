#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "core/schedule/schedule_fixture.h"
#include "gui/editors/availability_dialog.h"
#include "gui/editors/speaker_history_dialog.h"
#include "gui/schedule/contacts_dialog.h"
#include "gui/schedule/speaker_picker_dialog.h"
#include "gui/schedule/talk_picker_dialog.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;

class SpeakerPickerDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void filters_narrow_the_speakers();
    void an_unavailable_speaker_is_refused_and_shown();
    void a_talk_picked_here_completes_the_choice();
};

namespace {

// Петров spoke 20 weeks ago; Орлов cannot come in week 1409 and has a note.
store::Document& open_speakers(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    write_bytes(g.dir / "history.dat", concat({planned_week(1386, 1, 12, 2)}));
    write_bytes(g.dir / "blackout.dat", concat({unavailable_bytes(3, 1409)}));
    write_bytes(g.dir / "xtend.dat",
                FixtureBytes(128).u16(0, 3).text(82, "! только по субботам").bytes());
    auto speakers = read_bytes(g.dir / "speakers.dat");
    speakers[3 * 256 + 206] = 1;
    write_bytes(g.dir / "speakers.dat", speakers);
    return g.open();
}

schedule::SpeakerPickerParams week_1409(int talk, std::uint16_t current = 0) {
    return {"Января 03, 2027 - Речь 12", talk, calendar::WeekIndex(1408), current, 0};
}

}  // namespace

void SpeakerPickerDialogTest::filters_narrow_the_speakers() {
    GuiDocument g;
    store::Document& doc = open_speakers(g);
    gui::SpeakerPickerDialog dialog(doc, week_1409(12, 1));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.list()->headerItem()->text(2), QStringLiteral("Последний визит"));
    QCOMPARE(dialog.list()->topLevelItemCount(), 2);
    QCOMPARE(dialog.list()->topLevelItem(0)->text(0), QStringLiteral("* Павел Орлов"));
    QCOMPARE(dialog.list()->topLevelItem(1)->text(0), QStringLiteral("Иван Петров ( СП ) "));
    QCOMPARE(dialog.list()->topLevelItem(1)->text(2), QStringLiteral("Июл 26, 2026 ( 12 ) "));
    QCOMPARE(dialog.list()->currentIndex().row(), 1);  // the current speaker
    QVERIFY(dialog.contacts_button()->isVisible());
    QVERIFY(!dialog.talk_button()->isVisible());
    QVERIFY(dialog.history_button()->isVisible());
    when_dialog<gui::SpeakerHistoryDialog>([](gui::SpeakerHistoryDialog* h) {
        QCOMPARE(h->windowTitle(), QStringLiteral("История - Иван Петров - Лесное"));
        h->reject();
    });
    QTest::mouseClick(dialog.history_button(), Qt::LeftButton);
    shot(&dialog, QStringLiteral("speaker_picker"));

    dialog.circuits()->setCurrentIndex(2);  // Южный
    QCOMPARE(dialog.congregations()->itemText(0), QStringLiteral("2 Собрания в районе Южный"));
    QCOMPARE(dialog.congregations()->count(), 3);
    QCOMPARE(dialog.list()->topLevelItemCount(), 1);
    QVERIFY(!dialog.contacts_button()->isVisible());
    dialog.congregations()->setCurrentIndex(1);  // Пустое
    QCOMPARE(dialog.list()->topLevelItemCount(), 0);
    dialog.reject();

    schedule::SpeakerPickerParams fixed = week_1409(12);
    fixed.fixed_congregation = 2;
    gui::SpeakerPickerDialog only_one(doc, fixed);
    only_one.show();
    QVERIFY(QTest::qWaitForWindowExposed(&only_one));
    QVERIFY(!only_one.circuits()->isVisible());
    QVERIFY(!only_one.congregations()->isVisible());
    QCOMPARE(only_one.list()->topLevelItemCount(), 1);
    only_one.reject();
}

void SpeakerPickerDialogTest::an_unavailable_speaker_is_refused_and_shown() {
    GuiDocument g;
    store::Document& doc = open_speakers(g);
    gui::SpeakerPickerDialog dialog(doc, week_1409(12));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    click_cell(dialog.list(), 0, 0);
    QString refusal;
    when_dialog<QMessageBox>([&](QMessageBox* box) {
        refusal = box->text();
        box->accept();
    });
    double_click_cell(dialog.list(), 0, 0);
    QCOMPARE(refusal, QStringLiteral("Павел Орлов не доступные - Января 03, 2027"));
    QVERIFY(dialog.isVisible());
    QCOMPARE(dialog.note()->text(), QStringLiteral(" - только по субботам -"));
    QVERIFY(dialog.availability_button()->isVisible());
    QCOMPARE(dialog.availability_button()->text(),
             QStringLiteral("Показать доступные - Павел Орлов"));

    bool read_only = false;
    when_dialog<gui::AvailabilityDialog>([&](gui::AvailabilityDialog* a) {
        read_only = !a->ok_button()->isVisible();
        a->reject();
    });
    QTest::mouseClick(dialog.availability_button(), Qt::LeftButton);
    QVERIFY(read_only);

    QString contacts_title;
    when_dialog<gui::ContactsDialog>([&](gui::ContactsDialog* c) {
        contacts_title = c->windowTitle();
        c->reject();
    });
    QTest::mouseClick(dialog.contacts_button(), Qt::LeftButton);
    QCOMPARE(contacts_title, QStringLiteral("Речное"));

    click_cell(dialog.list(), 1, 0);
    QVERIFY(!dialog.availability_button()->isVisible());
    dialog.accept();
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.model().chosen_id(), 1);
}

void SpeakerPickerDialogTest::a_talk_picked_here_completes_the_choice() {
    GuiDocument g;
    store::Document& doc = open_speakers(g);
    gui::SpeakerPickerDialog dialog(doc, week_1409(0));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    click_cell(dialog.list(), 1, 0);
    QVERIFY(dialog.talk_button()->isVisible());
    QCOMPARE(dialog.talk_button()->text(), QStringLiteral("Выберите речь  - Иван Петров ( 2 )"));
    when_dialog<gui::TalkPickerDialog>([](gui::TalkPickerDialog* picker) {
        QCOMPARE(picker->windowTitle(), QStringLiteral("Января 03, 2027 - Иван Петров"));
        QCOMPARE(picker->list()->count(), 2);
        click_line(picker->list(), 1);
        picker->accept();
    });
    QTest::mouseClick(dialog.talk_button(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(doc.weeks().at(calendar::WeekIndex(1408)).talk_no, 34);
}

QTEST_MAIN(SpeakerPickerDialogTest)
#include "speaker_picker_dialog_test.moc"
