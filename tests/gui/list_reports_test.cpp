#include <QAction>
#include <QComboBox>
#include <QPushButton>
#include <QTest>

#include "core/commands/command.h"
#include "core/reports/report_request.h"
#include "gui/app/line_list.h"
#include "gui/app/main_window.h"
#include "gui/editors/local_role_list_dialog.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_widget.h"
#include "gui/reports/week_range_dialog.h"
#include "gui/schedule/congregation_chooser_dialog.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"
#include "support/record_fixtures.h"

using namespace vorla;
using namespace vorla::testing;
using vorla::commands::Command;
using vorla::reports::ReportKind;

namespace {

constexpr std::uint16_t kThisWeek = 1406;  // Monday 7 December 2026

// Our congregation (1) and two others in two circuits; our brother 3 goes to congregation 2
// while its brother 2 comes to us and our brother 1 chairs, every week from this one.
void write_folder(const TempDir& dir) {
    write_bytes(dir / "circuit.dat",
                concat({named_bytes("Первый", 30001), named_bytes("Второй", 30002)}));
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Центральное").u16(178, 30001),
                                             congregation_bytes(2, "Северное").u16(178, 30002),
                                             congregation_bytes(3, "Южное").u16(178, 30002)}));
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1),
                                                 brother_bytes(2, "Олег", "Сидоров", 2),
                                                 brother_bytes(3, "Пётр", "Иванов", 1)}));
    std::vector<std::uint8_t> history;
    for (int k = 0; k < 20; ++k) {
        const FixtureBytes w = week_bytes(static_cast<std::uint16_t>(kThisWeek + k))
                                   .u16(2, 2)    // the speaker
                                   .u16(4, 12)   // his talk
                                   .u16(6, 2)    // his congregation
                                   .u16(14, 1)   // the chairman
                                   .u16(20, 1)   // the week holds a plan
                                   .u16(28, 3)   // our outgoing speaker
                                   .u16(40, 2);  // and where he goes
        history.insert(history.end(), w.bytes().begin(), w.bytes().end());
    }
    write_bytes(dir / "history.dat", history);
}

// The main window over the folder, with Центральное as our congregation.
struct ListWindow {
    GuiDocument g;
    std::unique_ptr<gui::MainWindow> window;
    ListWindow() {
        write_folder(g.dir);
        store::Document& doc = g.open();
        doc.set_our_congregation(1);
        window = std::make_unique<gui::MainWindow>(doc, g.prompter);
        window->show();
    }
};

const reports::ReportRequest* shown(gui::MainWindow& window) {
    const gui::ReportWidget* page = window.view()->report_page();
    return window.view()->mode() == gui::ReportView::Mode::report && page ? &page->request()
                                                                          : nullptr;
}

}  // namespace

class ListReportsTest : public QObject {
    Q_OBJECT
  private slots:
    void each_list_asks_for_its_selection_and_shows_what_was_chosen();
    void lists_without_a_selection_show_at_once();
};

void ListReportsTest::each_list_asks_for_its_selection_and_shows_what_was_chosen() {
    ListWindow w;
    gui::MainWindow& window = *w.window;

    // The speakers of one circuit: the filter narrows the list, "Все собрания" keeps all.
    when_dialog<gui::CongregationChooserDialog>([](gui::CongregationChooserDialog* d) {
        d->circuits()->setCurrentIndex(d->circuits()->findText(QStringLiteral("Второй")));
        QCOMPARE(d->list()->topLevelItemCount(), 3);  // "Все собрания", Северное, Южное
        d->list()->select_line(0);
        d->accept();
    });
    window.commands().action(Command::speaker_talks)->trigger();
    QVERIFY(shown(window));
    QCOMPARE(int(shown(window)->kind), int(ReportKind::speaker_talks));
    QCOMPARE(shown(window)->congregation, std::uint16_t(0));
    QCOMPARE(shown(window)->circuit, std::uint16_t(30002));

    // Cancel leaves the report shown before.
    when_dialog<gui::CongregationChooserDialog>(
        [](gui::CongregationChooserDialog* d) { d->reject(); });
    window.commands().action(Command::exchange_list)->trigger();
    QCOMPARE(int(shown(window)->kind), int(ReportKind::speaker_talks));

    // The exchange offers only the congregations we exchange with.
    when_dialog<gui::CongregationChooserDialog>([](gui::CongregationChooserDialog* d) {
        QCOMPARE(d->list()->topLevelItemCount(), 1);
        d->list()->select_line(0);
        d->accept();
    });
    window.commands().action(Command::exchange_list)->trigger();
    QCOMPARE(int(shown(window)->kind), int(ReportKind::exchange));
    QCOMPARE(shown(window)->congregation, std::uint16_t(2));

    // A local brother with assignments.
    QString picked;
    when_dialog<gui::LocalRoleListDialog>([&picked](gui::LocalRoleListDialog* d) {
        QVERIFY(d->list()->topLevelItemCount() > 0);
        d->list()->select_line(0);
        picked = d->list()->topLevelItem(0)->text(0);
        QTest::mouseClick(d->ok_button(), Qt::LeftButton);
    });
    window.commands().action(Command::local_assignments)->trigger();
    QCOMPARE(int(shown(window)->kind), int(ReportKind::local_assignments));
    const std::uint16_t brother = shown(window)->brother;
    QVERIFY(brother == 1 || brother == 3);
    const store::BrotherEntry& entry =
        window.doc().brothers().at(*window.doc().brothers().find(brother));
    QVERIFY2(picked.contains(QString::fromStdString(entry.last_name)), qPrintable(picked));

    // The week lists take their run of weeks from the short and the long form.
    const std::pair<Command, ReportKind> week_lists[] = {
        {Command::invited_list, ReportKind::invited},
        {Command::local_talks_worksheet, ReportKind::worksheet}};
    for (const auto& [command, kind] : week_lists) {
        calendar::WeekIndex first;
        int weeks = 0;
        when_dialog<gui::WeekRangeDialog>([&](gui::WeekRangeDialog* d) {
            d->count_list()->setCurrentRow(4);
            first = d->model().first_week();
            weeks = d->model().week_count();
            d->done(int(gui::WeekRangeDialog::Choice::show));
        });
        window.commands().action(command)->trigger();
        QCOMPARE(int(shown(window)->kind), int(kind));
        QCOMPARE(shown(window)->weeks, 5);
        QCOMPARE(shown(window)->weeks, weeks);
        QCOMPARE(shown(window)->first.value, first.value);
    }
}

void ListReportsTest::lists_without_a_selection_show_at_once() {
    ListWindow w;
    gui::MainWindow& window = *w.window;
    const std::pair<Command, ReportKind> plain[] = {
        {Command::talk_speakers, ReportKind::talk_speakers},
        {Command::annual_check, ReportKind::annual_check},
        {Command::outgoing_list, ReportKind::outgoing},
        {Command::readers_list, ReportKind::readers},
        {Command::local_speakers, ReportKind::local_speakers},
        {Command::talk_coordinators, ReportKind::coordinators}};
    for (const auto& [command, kind] : plain) {
        QVERIFY(window.commands().action(command)->isEnabled());
        window.commands().action(command)->trigger();
        QVERIFY(shown(window));
        QCOMPARE(int(shown(window)->kind), int(kind));
        QVERIFY(window.view()->report_page()->page_count() >= 1);
        window.view()->return_to_panel();
    }
}

QTEST_MAIN(ListReportsTest)
#include "list_reports_test.moc"
