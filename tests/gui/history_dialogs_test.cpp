#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "core/commands/command.h"
#include "core/schedule/history_fixture.h"
#include "gui/app/line_list.h"
#include "gui/app/main_window.h"
#include "gui/app/work_panel.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/editors/speaker_history_dialog.h"
#include "gui/editors/talk_history_dialog.h"
#include "gui/editors/week_editor_dialog.h"
#include "gui/schedule/local_talks_page.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::TalkHistoryMode;
using vorla::commands::Command;

class HistoryDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void commands_open_the_editor_and_the_views();
    void week_editor_shows_its_model_and_hands_back_the_buttons();
    void pick_week_returns_the_visit_or_nothing();
    void talk_history_opens_the_speakers_history();
    void local_talks_page_opens_both_histories();
};

namespace {

store::Document& open_history(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    write_local_brothers(g.dir.path());
    write_bytes(g.dir / "talk.dat", titled_talk_file());
    write_bytes(g.dir / "history.dat", history_weeks().bytes());
    return g.open();
}

template <class Dialog>
void expect_title(const QString& title) {
    when_dialog<Dialog>([title](Dialog* dialog) {
        shot(dialog,
             QStringLiteral("history_") + QString::fromLatin1(dialog->metaObject()->className())
                                              .section(QLatin1Char(':'), -1));
        QCOMPARE(dialog->windowTitle(), title);
        dialog->reject();
    });
}

}  // namespace

void HistoryDialogsTest::commands_open_the_editor_and_the_views() {
    GuiDocument g;
    gui::MainWindow window(open_history(g), g.prompter);
    for (Command c : {Command::history, Command::speaker_history, Command::talk_history,
                      Command::outgoing_talk_history})
        QVERIFY(window.commands().action(c)->isEnabled());
    expect_title<gui::WeekEditorDialog>(QStringLiteral("Наше - Дек 06, 2026"));
    window.commands().action(Command::history)->trigger();
    expect_title<gui::SpeakerHistoryDialog>(QStringLiteral("История - Антон Белов"));
    window.commands().action(Command::speaker_history)->trigger();
    expect_title<gui::TalkHistoryDialog>(QStringLiteral("История местной речи"));
    window.commands().action(Command::talk_history)->trigger();
    expect_title<gui::TalkHistoryDialog>(QStringLiteral("История речей вне собрания"));
    window.commands().action(Command::outgoing_talk_history)->trigger();

    // Without our congregation the editor does not open.
    window.doc().set_our_congregation(0);
    QVERIFY(!window.panel()->button(app::PanelButtonId::edit_history)->isEnabled());
    window.commands().action(Command::history)->trigger();
    QVERIFY(!QApplication::activeModalWidget());
}

void HistoryDialogsTest::week_editor_shows_its_model_and_hands_back_the_buttons() {
    GuiDocument g;
    store::Document& doc = open_history(g);
    gui::WeekEditorDialog dialog(doc);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.week_list()->currentIndex(), dialog.model().week_line());
    QVERIFY(!dialog.clear_button()->isVisible());
    QVERIFY(!dialog.reader_button()->isVisible());  // readers are not scheduled
    shot(&dialog, QStringLiteral("week_editor_empty"));

    dialog.week_list()->setCurrentIndex(1400 - 885);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Наше - Ноя 01, 2026"));
    QCOMPARE(dialog.speaker_button()->text(), QStringLiteral("Докладчик - Иван Петров"));
    QCOMPARE(dialog.outgoing_list()->count(), 2);
    QVERIFY(dialog.clear_button()->isVisible());
    QVERIFY(dialog.up_button()->isVisible());
    QCOMPARE(dialog.outgoing_talk_button()->text(),
             QStringLiteral("Речь - Любите ближнего ( 12 ) "));
    shot(&dialog, QStringLiteral("week_editor_planned"));
    QTest::mouseClick(dialog.down_button(), Qt::LeftButton);
    QCOMPARE(dialog.outgoing_list()->currentRow(), 1);
    QCOMPARE(dialog.outgoing_congregation_button()->text(), QStringLiteral("Собрание - Лесное"));

    // A cancelled chooser changes nothing.
    when_dialog<gui::BrotherListDialog>([](gui::BrotherListDialog* d) { d->reject(); });
    QTest::mouseClick(dialog.speaker_button(), Qt::LeftButton);
    QVERIFY(!dialog.model().changed());

    QTest::mouseClick(dialog.remove_button(), Qt::LeftButton);
    QCOMPARE(dialog.outgoing_list()->count(), 1);
    QVERIFY(!dialog.up_button()->isVisible());
    QTest::mouseClick(dialog.next_button(), Qt::LeftButton);
    QCOMPARE(dialog.week_list()->currentIndex(), 1401 - 885);
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    // Cancel wrote the week left behind.
    const auto file = read_bytes(g.dir / "history.dat");
    QCOMPARE(std::vector<std::uint8_t>(file.begin() + 128, file.begin() + 192),
             with_slot(planned_week(1400, 1, 12, 2), 0, 7, 3, 12).bytes());
}

void HistoryDialogsTest::pick_week_returns_the_visit_or_nothing() {
    GuiDocument g;
    store::Document& doc = open_history(g);
    when_dialog<gui::TalkHistoryDialog>([](gui::TalkHistoryDialog* d) {
        QCOMPARE(d->windowTitle(), QStringLiteral("Выбор докладчика"));
        QVERIFY(!d->talks()->isVisible());
        QVERIFY(!d->speakers()->isVisible());
        QCOMPARE(d->weeks()->topLevelItemCount(), 2);
        shot(d, QStringLiteral("pick_week"));
        click_cell(d->weeks(), 1, 0);
        QTest::mouseClick(d->ok_button(), Qt::LeftButton);
    });
    const auto picked = gui::pick_week(nullptr, doc, TalkHistoryMode::outgoing);
    QVERIFY(picked.has_value());
    QCOMPARE(picked->week.value, 1419);
    QCOMPARE(picked->slot, std::optional<std::size_t>(1));

    when_dialog<gui::TalkHistoryDialog>([](gui::TalkHistoryDialog* d) { d->reject(); });
    QVERIFY(!gui::pick_week(nullptr, doc, TalkHistoryMode::local).has_value());

    // Nothing planned ahead: OK is Cancel.
    doc.weeks().at(calendar::WeekIndex(1409)).talk_no = 0;
    when_dialog<gui::TalkHistoryDialog>(
        [](gui::TalkHistoryDialog* d) { QTest::mouseClick(d->ok_button(), Qt::LeftButton); });
    QVERIFY(!gui::pick_week(nullptr, doc, TalkHistoryMode::local).has_value());
}

void HistoryDialogsTest::talk_history_opens_the_speakers_history() {
    GuiDocument g;
    store::Document& doc = open_history(g);
    gui::TalkHistoryDialog dialog(doc, TalkHistoryMode::local);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.weeks()->topLevelItem(0)->text(1), QStringLiteral("Иван Петров ( 34 )"));
    QCOMPARE(dialog.talk_caption()->text(), QStringLiteral("Вера и надежда ( 34 ) "));
    QVERIFY(dialog.speaker_history_button()->isVisible());
    shot(&dialog, QStringLiteral("talk_history_local"));
    expect_title<gui::SpeakerHistoryDialog>(QStringLiteral("История - Иван Петров - Лесное"));
    double_click_cell(dialog.weeks(), 0, 0);
    click_cell(dialog.weeks(), 4, 0);  // Белов spoke once
    QVERIFY(!dialog.speaker_history_button()->isVisible());
    dialog.talks()->setCurrentIndex(1);
    QCOMPARE(dialog.weeks()->topLevelItemCount(), 2);
    QCOMPARE(dialog.talk_caption()->text(), QString());
}

void HistoryDialogsTest::local_talks_page_opens_both_histories() {
    GuiDocument g;
    store::Document& doc = open_history(g);
    std::vector<int> asked;
    gui::PageServices services;
    services.speaker_history = [&asked](std::uint16_t id) { asked.push_back(id); };
    services.talk_history = [&asked](int talk) { asked.push_back(-talk); };
    gui::LocalTalksPage page(doc, services);
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    click_cell(page.list(), 4, 0);  // 1410: Петров with 34
    QVERIFY(page.speaker_history_button()->isVisible());
    QVERIFY(page.talk_history_button()->isVisible());
    QTest::mouseClick(page.speaker_history_button(), Qt::LeftButton);
    QTest::mouseClick(page.talk_history_button(), Qt::LeftButton);
    QCOMPARE(asked, (std::vector<int>{1, -34}));
    click_cell(page.list(), 1, 0);  // nothing planned
    QVERIFY(!page.speaker_history_button()->isVisible());
    QVERIFY(!page.talk_history_button()->isVisible());
}

QTEST_MAIN(HistoryDialogsTest)
#include "history_dialogs_test.moc"
