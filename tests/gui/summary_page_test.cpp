// The summary page as a user meets it: opened by its command, the table drawn from the
// model, the spin moving every page, the view button, the legend, and clicks that bring the
// right page forward at the right week. Pictures in a light and a dark theme, with a large
// font, at a small and a large size.
#include <QApplication>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>

#include "core/commands/command.h"
#include "core/schedule/schedule_fixture.h"
#include "gui/app/command_set.h"
#include "gui/app/main_window.h"
#include "gui/schedule/schedule_sheet.h"
#include "gui/schedule/summary_page.h"
#include "gui/schedule/weekly_role_page.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;
using schedule::PageKind;
using schedule::SummaryColumn;

class SummaryPageTest : public QObject {
    Q_OBJECT
  private slots:
    void the_command_opens_the_sheet_on_the_summary();
    void a_click_opens_the_page_of_its_column_at_its_week();
    void spin_view_and_legend_follow_the_model();
    void readable_in_every_theme_and_size();
};

namespace {

// A mix of statuses in the first rows: complete, unconfirmed, incomplete, a convention with an
// outgoing speaker (conflict), an outgoing speaker without his talk, Орлов away.
store::Document& open_mix(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    write_bytes(g.dir / "blackout.dat", concat({unavailable_bytes(3, 1411)}));
    write_bytes(
        g.dir / "history.dat",
        concat({planned_week(1406, 1, 12, 2).u16(10, 1406).u16(14, 4),
                planned_week(1407, 1, 34, 2).u16(14, 4), week_bytes(1408).u16(14, 4).u16(20, 1),
                week_bytes(1409).u16(20, 0x03).u16(28, 4).u16(40, 3).u16(52, 12),
                week_bytes(1410).u16(20, 1).u16(28, 4).u16(40, 3),
                planned_week(1411, 3, 56, 3).u16(14, 4)}));
    write_bytes(g.dir / "special.dat", concat({event_bytes(1408, 0x02, "Конгресс")}));
    return g.open();
}

gui::SummaryPage* summary(gui::ScheduleSheet& sheet) {
    return qobject_cast<gui::SummaryPage*>(sheet.page(PageKind::summary));
}

// The middle of a cell of the drawn table: row -1 is the header.
QPoint cell_point(gui::SummaryTable* table, int row, SummaryColumn column, bool roles = false) {
    const auto columns = schedule::summary_columns(roles ? schedule::SummaryView::roles
                                                         : schedule::SummaryView::normal);
    const int rh = (table->height() - 1) / 21;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (columns[c].column != column) continue;
        const int left = (table->width() - 1) * columns[c].num / columns[c].den;
        const int right = c + 1 < columns.size()
                              ? (table->width() - 1) * columns[c + 1].num / columns[c + 1].den
                              : table->width() - 1;
        return {(left + right) / 2, (row + 1) * rh + rh / 2};
    }
    return {};
}

}  // namespace

void SummaryPageTest::the_command_opens_the_sheet_on_the_summary() {
    GuiDocument g;
    store::Document& doc = open_mix(g);
    gui::MainWindow window(doc, g.prompter);
    window.show();
    QVERIFY(window.commands().enabled(commands::Command::summary));
    bool ran = false;
    when_dialog<gui::ScheduleSheet>([&](gui::ScheduleSheet* sheet) {
        ran = true;
        QCOMPARE(sheet->tabs()->currentIndex(), 0);
        QCOMPARE(sheet->tabs()->tabText(0), QStringLiteral("Сводка"));
        QVERIFY(summary(*sheet));
        sheet->reject();
    });
    window.commands().action(commands::Command::summary)->trigger();
    QVERIFY(ran);
}

void SummaryPageTest::a_click_opens_the_page_of_its_column_at_its_week() {
    GuiDocument g;
    store::Document& doc = open_mix(g);
    gui::ScheduleSheet sheet(doc, nullptr, PageKind::summary);
    sheet.resize(900, 640);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    gui::SummaryPage* page = summary(sheet);
    gui::SummaryTable* table = page->table();

    // Hospitality is not scheduled: its column opens nothing.
    QTest::mouseClick(table, Qt::LeftButton, {}, cell_point(table, 3, SummaryColumn::host_mark));
    QCOMPARE(sheet.tabs()->currentIndex(), 0);

    QTest::mouseClick(table, Qt::LeftButton, {},
                      cell_point(table, 3, SummaryColumn::chairman_mark));
    QCOMPARE(sheet.tabs()->tabText(sheet.tabs()->currentIndex()), QStringLiteral("Председатели"));
    auto* chairmen = qobject_cast<gui::WeeklyRolePage*>(sheet.page(PageKind::chairmen));
    QVERIFY(chairmen);
    QCOMPARE(chairmen->model().selected_row(), 3);

    sheet.tabs()->setCurrentIndex(0);
    QTest::mouseClick(table, Qt::LeftButton, {}, cell_point(table, 4, SummaryColumn::outgoing));
    QCOMPARE(sheet.tabs()->tabText(sheet.tabs()->currentIndex()),
             QStringLiteral("Уходяшие докладчики"));
    sheet.tabs()->setCurrentIndex(0);
    QTest::mouseClick(table, Qt::LeftButton, {}, cell_point(table, -1, SummaryColumn::speaker));
    QCOMPARE(sheet.tabs()->tabText(sheet.tabs()->currentIndex()), QStringLiteral("Местные речи"));
    sheet.reject();
}

void SummaryPageTest::spin_view_and_legend_follow_the_model() {
    GuiDocument g;
    store::Document& doc = open_mix(g);
    gui::ScheduleSheet sheet(doc, nullptr, PageKind::summary);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    gui::SummaryPage* page = summary(sheet);
    QCOMPARE(page->start_label()->text(), QStringLiteral("Начало\nДек 13"));
    const auto legend = page->model().legend();
    for (std::size_t k = 0; k < legend.size(); ++k)
        QCOMPARE(page->legend_buttons()[k]->isVisibleTo(page), legend[k].visible);
    QCOMPARE(page->legend_buttons()[0]->text(), QStringLiteral("Полный"));
    QVERIFY(page->legend_buttons()[0]->isVisibleTo(page));
    shot(&sheet, QStringLiteral("summary_normal"));

    QTest::mouseClick(page->spin_up(), Qt::LeftButton);
    QCOMPARE(page->start_label()->text(), QStringLiteral("Начало\nФев 21"));
    QCOMPARE(doc.current_week(), calendar::WeekNumber(1416));
    QTest::mouseClick(page->spin_down(), Qt::LeftButton);
    QCOMPARE(doc.current_week(), calendar::WeekNumber(1406));

    QTest::keyClick(page->table(), Qt::Key_Return);  // Enter switches the view
    QCOMPARE(page->view_button()->text(), QStringLiteral("Назад"));
    QVERIFY(sheet.isVisible());
    shot(&sheet, QStringLiteral("summary_roles"));
    QTest::mouseClick(page->view_button(), Qt::LeftButton);
    QCOMPARE(page->view_button()->text(), QStringLiteral("П - Г - Ч"));
    sheet.reject();
}

void SummaryPageTest::readable_in_every_theme_and_size() {
    GuiDocument g;
    store::Document& doc = open_mix(g);
    QPalette dark;
    dark.setColor(QPalette::Window, QColor(0x30, 0x30, 0x30));
    dark.setColor(QPalette::WindowText, QColor(0xE0, 0xE0, 0xE0));
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::Text, QColor(0xE8, 0xE8, 0xE8));
    dark.setColor(QPalette::Button, QColor(0x40, 0x40, 0x40));
    dark.setColor(QPalette::ButtonText, QColor(0xE0, 0xE0, 0xE0));
    gui::ScheduleSheet sheet(doc, nullptr, PageKind::summary);
    sheet.setPalette(dark);
    QFont large = sheet.font();
    large.setPointSizeF(large.pointSizeF() * 1.5);
    sheet.setFont(large);
    sheet.show();
    QVERIFY(QTest::qWaitForWindowExposed(&sheet));
    gui::SummaryTable* table = summary(sheet)->table();
    // However small the window is made, a row keeps the height of its text.
    sheet.resize(200, 200);
    QApplication::processEvents();
    QVERIFY((table->height() - 1) / 21 >= table->fontMetrics().height());
    shot(&sheet, QStringLiteral("summary_dark_large_font_small"));
    sheet.resize(1400, 1000);
    QApplication::processEvents();
    shot(&sheet, QStringLiteral("summary_dark_large_font_large"));
    sheet.reject();
}

QTEST_MAIN(SummaryPageTest)
#include "summary_page_test.moc"
