#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QColor>
#include <QFileDialog>
#include <QFontDialog>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "core/commands/command.h"
#include "core/reports/report_request.h"
#include "core/text/cp1251.h"
#include "gui/app/line_list.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_translations.h"
#include "gui/app/settings_dialog.h"
#include "gui/app/work_panel.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/reports/font_chooser.h"
#include "gui/reports/report_commands.h"
#include "gui/reports/report_printer.h"
#include "gui/reports/report_renderer.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_widget.h"
#include "gui/reports/week_range_dialog.h"
#include "support/gui_fixture.h"
#include "support/record_fixtures.h"

using namespace vorla;
using namespace vorla::testing;
using vorla::commands::Command;

namespace {

constexpr std::uint16_t kThisWeek = 1406;  // Monday 7 December 2026

// Congregations, brothers and 30 weeks, each with a speaker, chairman and two outgoing speakers.
void write_folder(const TempDir& dir) {
    write_bytes(dir / "cong.dat",
                slot_file({congregation_bytes(1, "Центральное"),
                           congregation_bytes(2, "Северное").text(188, "10:00")}));
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 2),
                                                 brother_bytes(2, "Олег", "Сидоров", 1),
                                                 brother_bytes(3, "Пётр", "Иванов", 1)}));
    std::vector<std::uint8_t> history;
    for (int k = 0; k < 30; ++k) {
        const FixtureBytes w = week_bytes(static_cast<std::uint16_t>(kThisWeek + k))
                                   .u16(2, 1)
                                   .u16(4, 12)
                                   .u16(6, 2)
                                   .u16(14, 3)
                                   .u16(20, 1)
                                   .u16(28, 2)
                                   .u16(40, 2)
                                   .u16(30, 3)
                                   .u16(42, 2);
        history.insert(history.end(), w.bytes().begin(), w.bytes().end());
    }
    write_bytes(dir / "history.dat", history);
}

// Number of pages of a PDF file: its page objects.
int pdf_pages(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = f.readAll();
    return static_cast<int>(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") +
                            bytes.count("/Type /Page ") + bytes.count("/Type /Page/") +
                            bytes.count("/Type /Page>"));
}

reports::ReportRequest schedule(int weeks) {
    return {reports::ReportKind::schedule, calendar::WeekIndex(kThisWeek - 1), weeks};
}

// Runs `act` on the next pop-up menu once it is shown.
void when_popup(std::function<void(QMenu*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu || !menu->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(menu);
    });
    timer->start();
}

}  // namespace

class ScheduleReportTest : public QObject {
    Q_OBJECT
  private slots:
    // Qt's dialogs as the program shows them, when this machine has their Russian.
    void initTestCase() {
        gui::install_qt_translations(*qApp, "rus");
        // The paper of the locale is the printer's and the screen's: A4 here.
        qputenv("LC_ALL", "C.UTF-8");
    }
    void plan_opens_the_week_range_and_ok_shows_the_schedule();
    void export_writes_the_file_and_cancel_does_nothing();
    void calendar_export_writes_one_brothers_assignments();
    void keys_scroll_by_lines_and_pages_and_esc_returns();
    void right_button_offers_the_eight_font_and_settings_items();
    void font_commands_keep_the_font_when_only_the_colour_changes();
    void printing_makes_the_copies_the_driver_cannot();
    void pdf_and_png_show_the_pages_as_printed();
    void a_caption_wider_than_its_room_is_condensed();
    void print_commands_open_their_dialogs_on_the_report();
    void a_setting_changed_over_the_report_shows_at_once();
};

void ScheduleReportTest::plan_opens_the_week_range_and_ok_shows_the_schedule() {
    GuiDocument g;
    write_folder(g.dir);
    gui::MainWindow window(g.open(), g.prompter);
    window.show();
    QVERIFY(!window.commands().action(Command::print)->isEnabled());
    QVERIFY(window.commands().action(Command::schedule)->isEnabled());

    QString caption;
    int top_row = -1;
    when_modal([&](QWidget* w) {
        auto* dialog = qobject_cast<gui::WeekRangeDialog*>(w);
        QVERIFY(dialog);
        QTest::qWait(20);
        QCOMPARE(dialog->start_list()->count(), 26);
        QCOMPARE(dialog->start_list()->currentRow(), 4);
        // The four weeks before the current one are in sight above it.
        top_row = dialog->start_list()->indexAt(QPoint(1, 1)).row();
        QCOMPARE(dialog->start_list()->currentItem()->text(), QStringLiteral("Дек 13, 2026"));
        QCOMPARE(dialog->count_list()->count(), 52);
        // Every one of the weeks t + 2 .. t + 20 has a speaker: two weeks are preselected.
        QCOMPARE(dialog->count_list()->currentRow(), 1);
        QVERIFY(dialog->export_button()->isVisible());
        // OK, "Экспорт", "Отмена" from the top; OK is the default.
        auto* ok = dialog->findChild<QPushButton*>(QStringLiteral("OkButton"));
        auto* cancel = dialog->findChild<QPushButton*>(QStringLiteral("CancelButton"));
        QVERIFY(ok->isDefault());
        QVERIFY(ok->y() < dialog->export_button()->y());
        QVERIFY(dialog->export_button()->y() < cancel->y());
        QCOMPARE(cancel->text(), QStringLiteral("Отмена"));
        QCOMPARE(dialog->windowTitle(), QStringLiteral("2 Стартовая неделя Декабря 13, 2026"));
        dialog->count_list()->setCurrentRow(11);
        caption = dialog->windowTitle();
        save_shot(dialog, QStringLiteral("week_range_dialog"));
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    window.panel()->button(app::PanelButtonId::schedule)->click();  // "Текущее расписание"
    QCOMPARE(caption, QStringLiteral("12 Стартовая неделя Декабря 13, 2026"));
    QCOMPARE(top_row, 0);
    QCOMPARE(int(window.view()->mode()), int(gui::ReportView::Mode::report));
    gui::ReportWidget* page = window.view()->report_page();
    QVERIFY(page);
    // Two outgoing lines a week: (2n + 4n) x 16 + 80 <= 936 holds for 8 weeks a page.
    QCOMPARE(page->page_count(), 2);
    // Two sheets of A4 at 96 dpi: 210 x 297 mm.
    QCOMPARE(page->size(), QSize(794, 2 * 1123));
    QVERIFY(window.commands().action(Command::print)->isEnabled());
    QVERIFY(window.commands().action(Command::print_preview)->isEnabled());
    QVERIFY(window.commands().action(Command::save_pdf)->isEnabled());
    // What the screen shows: white paper with the title's ink near the top centre, the page
    // placed as on paper: 13 pixels in ((794 - 768) / 2) and a quarter inch down.
    const QImage shot = page->grab().toImage();
    QCOMPARE(shot.pixelColor(5, 5), QColor(Qt::white));
    const auto ink_in = [&](int top, int bottom) {
        for (int x = 263; x < 533; ++x) {
            for (int y = top; y < bottom; ++y) {
                if (shot.pixelColor(x, y).lightness() < 100) return true;
            }
        }
        return false;
    };
    QVERIFY(!ink_in(24, 24 + 45));
    QVERIFY(ink_in(24 + 55, 24 + 80));
    save_shot(&window, QStringLiteral("schedule_report"));
    save_shot(page, QStringLiteral("schedule_report_pages"));

    // The lists' forms have no "Экспорт".
    gui::WeekRangeDialog shorter(window.doc(), reports::WeekRangeForm::short_list);
    shorter.show();
    QVERIFY(!shorter.export_button()->isVisible());
    QCOMPARE(shorter.start_list()->count(), 39);
    QCOMPARE(shorter.count_list()->count(), 18);
    QCOMPARE(shorter.windowTitle(), QStringLiteral("18 Стартовая неделя Декабря 13, 2026"));

    // The long form starts in 2000: on opening, the current week is in sight, not the first.
    gui::WeekRangeDialog longer(window.doc(), reports::WeekRangeForm::long_list);
    longer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&longer));
    QListWidget* weeks = longer.start_list();
    QCOMPARE(weeks->currentItem()->text(), QStringLiteral("Дек 13, 2026"));
    QVERIFY(weeks->viewport()->rect().contains(weeks->visualItemRect(weeks->currentItem())));
    QVERIFY(longer.count_list()->viewport()->rect().contains(
        longer.count_list()->visualItemRect(longer.count_list()->currentItem())));
    save_shot(&longer, QStringLiteral("week_range_dialog_long"));

    // Escape is "Отмена".
    QTest::keyClick(weeks, Qt::Key_Escape);
    QCOMPARE(longer.result(), int(gui::WeekRangeDialog::Choice::cancel));
    QVERIFY(!longer.isVisible());
}

void ScheduleReportTest::export_writes_the_file_and_cancel_does_nothing() {
    GuiDocument g;
    write_folder(g.dir);
    gui::MainWindow window(g.open(), g.prompter);
    window.show();
    when_modal([](QWidget* w) { qobject_cast<gui::WeekRangeDialog*>(w)->reject(); });
    window.commands().action(Command::schedule)->trigger();
    QCOMPARE(int(window.view()->mode()), int(gui::ReportView::Mode::panel));
    QVERIFY(!std::filesystem::exists(g.dir / "ptsched.txt"));

    QString message;
    when_modal([&](QWidget* w) {
        auto* dialog = qobject_cast<gui::WeekRangeDialog*>(w);
        dialog->count_list()->setCurrentRow(2);
        when_modal([&](QWidget* box) {
            message = qobject_cast<QMessageBox*>(box)->text();
            qobject_cast<QMessageBox*>(box)->accept();
        });
        dialog->export_button()->click();
    });
    window.commands().action(Command::schedule)->trigger();
    QCOMPARE(int(window.view()->mode()),
             int(gui::ReportView::Mode::panel));  // no report after Экспорт
    QCOMPARE(message, QStringLiteral("Расписание экспортировалось в\n\n%1/ptsched.txt.")
                          .arg(QString::fromStdString(g.dir.path().string())));
    const std::string text = text::cp1251_to_utf8(read_text(g.dir / "ptsched.txt"));
    QCOMPARE(std::count(text.begin(), text.end(), '\n'), 5);  // header, empty line, three weeks
    QVERIFY(text.find("Дек 13, 2026\t\tИван Петров\t") != std::string::npos);
}

void ScheduleReportTest::calendar_export_writes_one_brothers_assignments() {
    GuiDocument g;
    write_folder(g.dir);
    gui::MainWindow window(g.open(), g.prompter);
    window.show();
    QAction* command = window.commands().action(Command::export_calendar);
    QVERIFY(command->isEnabled());
    QMenu* file_menu = window.menuBar()->actions().constFirst()->menu();
    QVERIFY(file_menu->actions().contains(command));
    QCOMPARE(command->text(), QStringLiteral("Экспорт &календаря…"));

    // The weeks, Yes to one brother, Пётр Иванов, the file; he has no address: the path is
    // announced.
    const QString file = QString::fromStdString((g.dir / "Пётр.ics").string());
    QString asked;
    QString told;
    when_modal([&](QWidget* w) {
        auto* range = qobject_cast<gui::WeekRangeDialog*>(w);
        QVERIFY(range);
        QVERIFY(!range->export_button()->isVisible());
        range->count_list()->setCurrentRow(1);  // two weeks
        save_shot(range, QStringLiteral("calendar_week_range"));
        when_modal([&](QWidget* box) {
            auto* question = qobject_cast<QMessageBox*>(box);
            asked = question->text();
            when_modal([&](QWidget* w2) {
                auto* chooser = qobject_cast<gui::BrotherListDialog*>(w2);
                const auto& lines = chooser->model().lines();
                for (std::size_t i = 0; i < lines.size(); ++i) {
                    if (lines[i].text.rfind("Иванов", 0) == 0) chooser->list()->select_line(i);
                }
                save_shot(chooser, QStringLiteral("calendar_brother_chooser"));
                when_modal([&](QWidget* w3) {
                    auto* save = qobject_cast<QFileDialog*>(w3);
                    auto* name = save->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
                    name->setText(file);
                    when_modal([&](QWidget* done) {
                        told = qobject_cast<QMessageBox*>(done)->text();
                        qobject_cast<QMessageBox*>(done)->accept();
                    });
                    QTest::keyClick(name, Qt::Key_Return);
                });
                chooser->accept();
            });
            question->button(QMessageBox::Yes)->click();
        });
        QTest::keyClick(range, Qt::Key_Return);
    });
    command->trigger();
    QTRY_COMPARE(told, QStringLiteral("Календарь записан в файл\n\n") + file);
    QVERIFY(asked.startsWith(QStringLiteral("Записать назначения только одного брата?")));
    // Chairman and second outgoing speaker in each of the two weeks.
    const std::string ics = read_text(std::filesystem::path(file.toStdString()));
    int events = 0;
    for (std::size_t at = ics.find("BEGIN:VEVENT"); at != std::string::npos;
         at = ics.find("BEGIN:VEVENT", at + 1))
        ++events;
    QCOMPARE(events, 4);
    QVERIFY(ics.find("UID:w1406-chairman-c0@vorla") != std::string::npos);
    QVERIFY(ics.find("UID:w1407-out2-c0@vorla") != std::string::npos);
    QVERIFY(ics.find("UID:w1406-talk") == std::string::npos);
}

void ScheduleReportTest::keys_scroll_by_lines_and_pages_and_esc_returns() {
    GuiDocument g;
    write_folder(g.dir);
    gui::MainWindow window(g.open(), g.prompter);
    window.resize(700, 500);
    window.show();
    gui::show_report(window, schedule(30));
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* page = window.view()->report();
    QScrollBar* v = window.view()->scroll_area()->verticalScrollBar();
    QScrollBar* h = window.view()->scroll_area()->horizontalScrollBar();
    const int ry = page->logicalDpiY();
    const int rx = page->logicalDpiX();
    QCOMPARE(v->singleStep(), ry / 6);
    QCOMPARE(h->singleStep(), rx / 10);
    QTest::keyClick(page, Qt::Key_PageDown);
    QCOMPARE(v->value(), 4 * ry);
    QTest::keyClick(page, Qt::Key_Down);
    QCOMPARE(v->value(), 4 * ry + ry / 6);
    QTest::keyClick(page, Qt::Key_PageUp);
    QCOMPARE(v->value(), ry / 6);
    QTest::keyClick(page, Qt::Key_End);
    QCOMPARE(v->value(), v->maximum());
    QCOMPARE(h->value(), h->maximum());
    QTest::keyClick(page, Qt::Key_Left);
    QCOMPARE(h->value(), std::max(0, h->maximum() - rx / 10));
    QTest::keyClick(page, Qt::Key_Home);
    QCOMPARE(v->value(), 0);
    QCOMPARE(h->value(), 0);
    QTest::keyClick(page, Qt::Key_Escape);
    QCOMPARE(int(window.view()->mode()), int(gui::ReportView::Mode::panel));
}

void ScheduleReportTest::right_button_offers_the_eight_font_and_settings_items() {
    GuiDocument g;
    write_folder(g.dir);
    gui::MainWindow window(g.open(), g.prompter);
    window.show();
    gui::show_report(window, schedule(2));
    QStringList texts;
    when_popup([&](QMenu* menu) {
        for (QAction* a : menu->actions())
            texts << a->text();
        // The last item runs "По умолчанию".
        menu->actions().last()->trigger();
        menu->close();
    });
    settings::FontSpec changed = window.fonts().get(settings::FontRole::text);
    changed.height = -30;
    window.fonts().set(settings::FontRole::text, changed);
    QTest::mouseRelease(window.view()->report(), Qt::RightButton, {}, QPoint(100, 100));
    QCOMPARE(texts,
             (QStringList{QStringLiteral("Настройки"), QStringLiteral("Шрифт заголовка"),
                          QStringLiteral("Дата Шрифт"), QStringLiteral("Речь Шрифт"),
                          QStringLiteral("Названия Шрифт"), QStringLiteral("Докладчик Шрифт"),
                          QStringLiteral("Текст Шрифт"), QStringLiteral("Шрифты по умолчанию")}));
    QCOMPARE(window.fonts().get(settings::FontRole::text).height, -16);
    QVERIFY(window.fonts().forced());
}

void ScheduleReportTest::font_commands_keep_the_font_when_only_the_colour_changes() {
    GuiDocument g;
    write_folder(g.dir);
    gui::MainWindow window(g.open(), g.prompter);
    window.show();
    gui::show_report(window, schedule(12));
    const settings::FontSpec before = window.fonts().get(settings::FontRole::title);

    QString title;
    QFont shown;
    when_modal([&](QWidget* w) {
        auto* chooser = qobject_cast<gui::FontChooser*>(w);
        title = chooser->windowTitle();
        shown = chooser->font_dialog()->currentFont();
        chooser->set_colour(QColor(0, 0, 255));
        save_shot(chooser, QStringLiteral("font_chooser"));
        chooser->accept();
    });
    window.commands().action(Command::font_title)->trigger();
    QCOMPARE(title, QStringLiteral("Шрифт для заголовка расписания"));
    QCOMPARE(shown.pointSize(), 20);  // 27 pixels of the 96-dpi screen, in whole points
    QVERIFY(shown.bold());
    QCOMPARE(shown.family(), QFontInfo(QFont(QStringLiteral("Arial"))).family());
    settings::FontSpec after = window.fonts().get(settings::FontRole::title);
    QCOMPARE(after.colour, 0xFF0000u);  // blue: red in the low byte
    after.colour = before.colour;
    QVERIFY(after == before);

    // A larger text font makes fewer weeks fit: 12 weeks need three pages.
    QCOMPARE(window.view()->report_page()->page_count(), 2);
    when_modal([&](QWidget* w) {
        auto* chooser = qobject_cast<gui::FontChooser*>(w);
        QFont f = chooser->font_dialog()->currentFont();
        f.setPointSize(24);
        chooser->font_dialog()->setCurrentFont(f);
        chooser->accept();
    });
    window.commands().action(Command::font_text)->trigger();
    QCOMPARE(window.fonts().get(settings::FontRole::text).height, -32);
    QCOMPARE(window.view()->report_page()->page_count(), 3);

    // Cancel keeps everything.
    when_modal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
    window.commands().action(Command::font_date)->trigger();
    QCOMPARE(window.fonts().get(settings::FontRole::date),
             settings::default_font(settings::FontRole::date, "rus"));
}

void ScheduleReportTest::printing_makes_the_copies_the_driver_cannot() {
    GuiDocument g;
    write_folder(g.dir);
    gui::MainWindow window(g.open(), g.prompter);
    gui::show_report(window, schedule(20));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setResolution(300);
    const QString file = QString::fromStdString((g.dir / "printed.pdf").string());
    printer.setOutputFileName(file);
    QVERIFY(!printer.supportsMultipleCopies());
    // 20 weeks with two outgoing speakers: 8, 8 and 4 weeks; twice, one copy after the other.
    QVERIFY(window.report_printer().print_range(printer, 0, 0, 2));
    QCOMPARE(pdf_pages(file), 6);
    QVERIFY(!window.report_printer().printing());
    QVERIFY(window.report_printer().print_range(printer, 2, 3, 1));
    QCOMPARE(pdf_pages(file), 2);
}

void ScheduleReportTest::pdf_and_png_show_the_pages_as_printed() {
    GuiDocument g;
    write_folder(g.dir);
    store::Document& doc = g.open();
    settings::Settings s = doc.settings();
    s.background_style = settings::BackgroundStyle::black;  // white text
    doc.set_settings(s);
    settings::ReportFonts fonts("rus");
    const auto request = schedule(9);
    const gui::ReportSource source = [&](const reports::Device& d) {
        return reports::layout_report(doc, fonts, request, d);
    };
    const QString pdf = QString::fromStdString((g.dir / "schedule.pdf").string());
    QVERIFY(gui::write_pdf(pdf, source, 600, gui::sheet_layout(reports::Paper::a4),
                           QStringLiteral("План"))
                .ok());
    QCOMPARE(pdf_pages(pdf), 2);

    // The page on each sheet: centred across, a quarter inch down. The title band at 100 dpi
    // runs from 33 + 50 - (1 + 28) below the page's top, black.
    const QString prefix = QString::fromStdString((g.dir / "page").string());
    const auto first_page = [&](reports::Paper paper) {
        QStringList written;
        const io::FileSetResult result =
            gui::write_png_pages(prefix, source, 100, gui::sheet_layout(paper), &written);
        return result.ok() && written.size() == 2 ? QImage(written[0]) : QImage();
    };
    const QImage letter = first_page(reports::Paper::letter);
    QCOMPARE(letter.size(), QSize(850, 1100));
    QCOMPARE(letter.pixelColor(25 + 30, 25 + 60), QColor(Qt::black));
    QCOMPARE(letter.pixelColor(25 + 30, 25 + 40), QColor(Qt::white));
    QCOMPARE(letter.pixelColor(25 - 2, 25 + 60), QColor(Qt::white));
    const QImage a4 = first_page(reports::Paper::a4);
    QCOMPARE(a4.size(), QSize(827, 1169));
    QCOMPARE(a4.pixelColor(13 + 30, 25 + 60), QColor(Qt::black));
    QCOMPARE(a4.pixelColor(13 + 30, 25 + 40), QColor(Qt::white));
}

namespace {

// The leftmost and rightmost columns with dark ink.
std::pair<int, int> ink_span(const QImage& image) {
    int first = image.width();
    int last = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                first = std::min(first, x);
                last = std::max(last, x);
            }
        }
    }
    return {first, last};
}

}  // namespace

void ScheduleReportTest::a_caption_wider_than_its_room_is_condensed() {
    reports::DisplayList list;
    list.page_width = 400;
    list.page_height = 60;
    settings::FontSpec font = settings::default_font(settings::FontRole::captions, "rus");
    font.height = -20;
    list.fonts[static_cast<std::size_t>(reports::FontId::captions)] = font;
    const reports::TextItem caption{20, 40, "Председатель", reports::FontId::captions};
    const auto paint = [&](int max_width) {
        QImage image(list.page_width, list.page_height, QImage::Format_RGB32);
        image.fill(Qt::white);
        reports::DisplayList one = list;
        reports::TextItem item = caption;
        item.max_width = max_width;
        reports::Page page;
        page.texts = {item};
        one.pages = {page};
        QPainter painter(&image);
        gui::paint_page(painter, one, 0);
        painter.end();
        return ink_span(image);
    };
    const auto [free_left, free_right] = paint(0);
    QVERIFY(free_right - free_left > 100);  // a wide caption at this size
    // Given more room than it needs it is drawn as is; given less, it ends within it.
    QCOMPARE(paint(300), std::make_pair(free_left, free_right));
    const auto [left, right] = paint(80);
    QVERIFY(std::abs(left - free_left) <= 1);  // it still starts where it did
    QVERIFY2(right < 20 + 80, qPrintable(QString::number(right)));
    QVERIFY(right > 20 + 60);
}

void ScheduleReportTest::print_commands_open_their_dialogs_on_the_report() {
    GuiDocument g;
    write_folder(g.dir);
    gui::MainWindow window(g.open(), g.prompter);
    window.show();
    gui::show_report(window, schedule(20));

    // Preview: every page of the report, laid out for the printer.
    int preview_pages = 0;
    int preview_mode = -1;
    when_modal([&](QWidget* w) {
        if (auto* widget = w->findChild<QPrintPreviewWidget*>()) {
            QTest::qWait(20);
            preview_pages = widget->pageCount();
            preview_mode = widget->viewMode();
        }
        save_shot(w, QStringLiteral("print_preview"));
        qobject_cast<QDialog*>(w)->reject();
    });
    window.commands().action(Command::print_preview)->trigger();
    QCOMPARE(preview_pages, 3);
    QCOMPARE(preview_mode, int(QPrintPreviewWidget::AllPagesView));

    // Print: the range offered is the report's pages; Cancel prints nothing.
    int from = 0;
    int to = 0;
    int max = 0;
    when_modal([&](QWidget* w) {
        auto* dialog = qobject_cast<QPrintDialog*>(w);
        from = dialog->fromPage();
        to = dialog->toPage();
        max = dialog->maxPage();
        save_shot(dialog, QStringLiteral("print_dialog"));
        dialog->reject();
    });
    window.commands().action(Command::print)->trigger();
    QCOMPARE(from, 1);
    QCOMPARE(to, 3);
    QCOMPARE(max, 3);
    QVERIFY(!window.report_printer().printing());

    bool setup = false;
    when_modal([&](QWidget* w) {
        setup = qobject_cast<QPageSetupDialog*>(w) != nullptr;
        qobject_cast<QDialog*>(w)->reject();
    });
    window.commands().action(Command::print_setup)->trigger();
    QVERIFY(setup);

    // "Сохранить в PDF...": the file named in the file dialog, ".pdf" added.
    const QString base = QString::fromStdString((g.dir / "план").string());
    QString opened_in;
    when_modal([&](QWidget* w) {
        // The dialog opens in the data folder; the name is typed as a user would.
        auto* dialog = qobject_cast<QFileDialog*>(w);
        opened_in = dialog->directory().absolutePath();
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(QStringLiteral("план"));
        QTest::keyClick(name, Qt::Key_Return);
    });
    window.commands().action(Command::save_pdf)->trigger();
    QCOMPARE(opened_in, QString::fromStdString(g.dir.path().string()));
    QCOMPARE(pdf_pages(base + QStringLiteral(".pdf")), 3);

    // The same name again: the file that would be replaced is the one with ".pdf", and the
    // dialog asks about it; No keeps it.
    write_text(g.dir / "план.pdf", "kept");
    bool asked = false;
    when_modal([&](QWidget* w) {
        auto* dialog = qobject_cast<QFileDialog*>(w);
        auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        name->setText(QStringLiteral("план"));
        when_modal([&asked, dialog](QWidget* box) {
            auto* question = qobject_cast<QMessageBox*>(box);
            asked = question && question->text().contains(QStringLiteral("план.pdf"));
            if (question) question->button(QMessageBox::No)->click();
            dialog->reject();
        });
        QTest::keyClick(name, Qt::Key_Return);
    });
    window.commands().action(Command::save_pdf)->trigger();
    QVERIFY(asked);
    QCOMPARE(read_text(g.dir / "план.pdf"), std::string("kept"));
}

void ScheduleReportTest::a_setting_changed_over_the_report_shows_at_once() {
    GuiDocument g;
    write_folder(g.dir);
    gui::MainWindow window(g.open(), g.prompter);
    window.show();
    gui::show_report(window, schedule(12));
    QCOMPARE(window.view()->report_page()->page_count(), 2);

    // "Настройки" from the report's pop-up: leaving the outgoing speakers out lets the 12
    // weeks fit on one page, and the view says so as soon as the dialog is gone.
    when_modal([](QWidget* w) {
        auto* dialog = qobject_cast<gui::SettingsDialog*>(w);
        QVERIFY(dialog);
        dialog->skip_outgoing()->click();
        dialog->accept();
    });
    window.commands().action(Command::settings)->trigger();
    QVERIFY(window.doc().settings().skip_outgoing);
    QCOMPARE(window.view()->report_page()->page_count(), 1);
    QCOMPARE(window.view()->report_page()->height(), 1123);  // one sheet of A4
}

QTEST_MAIN(ScheduleReportTest)
#include "schedule_report_test.moc"
