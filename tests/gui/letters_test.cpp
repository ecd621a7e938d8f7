#include <QAction>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "core/commands/command.h"
#include "core/reports/report_request.h"
#include "gui/app/line_list.h"
#include "gui/app/main_window.h"
#include "gui/editors/talk_history_dialog.h"
#include "gui/reports/report_commands.h"
#include "gui/reports/report_view.h"
#include "gui/reports/report_widget.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"
#include "support/record_fixtures.h"

using namespace vorla;
using namespace vorla::testing;
using vorla::commands::Command;

namespace {

constexpr std::uint16_t kThisWeek = 1406;  // Monday 7 December 2026
const calendar::WeekIndex kThisIndex(kThisWeek - 1);

// Our Центральное with its coordinator Олег Сидоров and a red map; Иван Петров of Северное
// comes to us with talk 12 and has an address; Пётр Иванов goes out with it and has none.
void write_folder(const TempDir& dir, bool with_map = true) {
    write_bytes(dir / "cong.dat", slot_file({congregation_bytes(1, "Центральное")
                                                 .text(50, "ул. Мира, 5")
                                                 .text(91, "Москва")
                                                 .text(132, "495-111-22-33")
                                                 .u16(186, 2)
                                                 .text(188, "10:00")
                                                 .text(198, "central.jpg"),
                                             congregation_bytes(2, "Северное")}));
    write_bytes(
        dir / "speakers.dat",
        slot_file({brother_bytes(1, "Иван", "Петров", 2).text(40, "ул. Лесная, 7").u16(206, 1),
                   brother_bytes(2, "Олег", "Сидоров", 1).text(120, "222-33-44"),
                   brother_bytes(3, "Пётр", "Иванов", 1)}));
    FixtureBytes ivan(128);
    ivan.u16(0, 1).text(34, "ivan@example.org");
    write_bytes(dir / "xtend.dat", concat({ivan}));
    write_bytes(dir / "history.dat", week_bytes(kThisWeek)
                                         .u16(2, 1)
                                         .u16(4, 12)
                                         .u16(6, 2)
                                         .u16(20, 1)
                                         .u16(28, 3)
                                         .u16(40, 2)
                                         .u16(52, 12)
                                         .bytes());
    if (with_map) {
        QImage map(70, 50, QImage::Format_RGB32);
        map.fill(QColor(200, 0, 0));
        map.save(QString::fromStdString((dir / "central.jpg").string()), "JPG");
    }
}

// A mail program standing in for the desktop's: it writes its arguments, one a line.
QString stand_in_mail_program(const TempDir& dir) {
    const QString bin = QString::fromStdString((dir / "bin").string());
    QDir().mkpath(bin);
    const QString log = QString::fromStdString((dir / "mail-args").string());
    QFile script(bin + QStringLiteral("/xdg-email"));
    script.open(QIODevice::WriteOnly);
    script.write(QStringLiteral("#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n--\\n' \"$a\"; done "
                                ">\"%1.tmp\" && mv \"%1.tmp\" \"%1\"\n")
                     .arg(log)
                     .toUtf8());
    script.close();
    script.setPermissions(QFileDevice::ExeOwner | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    return bin;
}

}  // namespace

class LettersTest : public QObject {
    Q_OBJECT
  public slots:
    void take_url(const QUrl& url) { opened_ = url; }

  private slots:
    void init() { path_ = qgetenv("PATH"); }
    void cleanup() { qputenv("PATH", path_); }
    void a_letter_shows_its_map_and_offers_the_mail_draft_to_its_speaker();
    void the_draft_goes_to_the_mail_program_with_the_letters_pdf();
    void without_the_mail_program_a_mailto_link_carries_subject_and_body();
    void a_missing_map_is_left_out_and_a_brother_without_address_gets_no_offer();

  private:
    QByteArray path_;
    QUrl opened_;
};

void LettersTest::a_letter_shows_its_map_and_offers_the_mail_draft_to_its_speaker() {
    GuiDocument g;
    write_folder(g.dir);
    store::Document& doc = g.open();
    doc.set_our_congregation(1);
    gui::MainWindow window(doc, g.prompter);
    window.show();
    QAction* mail = window.commands().action(Command::mail_letter);
    QVERIFY(!mail->isVisible());

    // The command takes its visit from the talk history.
    when_dialog<gui::TalkHistoryDialog>([](gui::TalkHistoryDialog* d) {
        click_cell(d->weeks(), 0, 0);
        QTest::mouseClick(d->ok_button(), Qt::LeftButton);
    });
    window.commands().action(Command::invitation_letter)->trigger();
    gui::ReportWidget* page = window.view()->report_page();
    QVERIFY(page);
    QCOMPARE(int(page->kind()), 6);
    QCOMPARE(page->request().first.value, kThisIndex.value);
    QCOMPARE(page->page_count(), 1);
    QVERIFY(mail->isVisible());
    QVERIFY(mail->isEnabled());
    QVERIFY(window.commands().action(Command::print)->isEnabled());
    // The map fills its rectangle: 5 to 9.8 inches below the top margin, 7 inches wide.
    const QImage shot = page->grab().toImage();
    const reports::PagePlacement place = page->placement();
    const auto at = [&](int x, int y) { return shot.pixelColor(place.left + x, place.top + y); };
    const QColor inside = at(19 + 24 + 336, 80 + 480 + 230);
    QVERIFY2(inside.red() > 150 && inside.green() < 60, qPrintable(inside.name()));
    QCOMPARE(at(19 + 24 - 3, 80 + 480 + 230), QColor(Qt::white));
    save_shot(page, QStringLiteral("invitation_letter"));

    // Back at the panel the offer goes.
    window.view()->return_to_panel();
    QVERIFY(!mail->isVisible());
}

void LettersTest::the_draft_goes_to_the_mail_program_with_the_letters_pdf() {
    GuiDocument g;
    write_folder(g.dir);
    qputenv("PATH", stand_in_mail_program(g.dir).toUtf8() + ":" + path_);
    qputenv("XDG_CACHE_HOME", QByteArray::fromStdString((g.dir / "cache").string()));
    store::Document& doc = g.open();
    doc.set_our_congregation(1);
    gui::MainWindow window(doc, g.prompter);
    window.show();
    gui::show_report(window, reports::invitation_letter_request(kThisIndex));
    window.commands().action(Command::mail_letter)->trigger();

    QFile log(QString::fromStdString((g.dir / "mail-args").string()));
    QTRY_VERIFY_WITH_TIMEOUT(log.exists(), 10000);
    QVERIFY(log.open(QIODevice::ReadOnly));
    QStringList args = QString::fromUtf8(log.readAll()).split(QStringLiteral("\n--\n"));
    args.removeLast();  // after the last separator
    QCOMPARE(args.size(), 7);
    QCOMPARE(args[0], QStringLiteral("--subject"));
    QCOMPARE(args[1], QStringLiteral("Публичная речь Декабря 13, 2026"));
    QCOMPARE(args[2], QStringLiteral("--body"));
    QVERIFY(args[3].startsWith(QStringLiteral("Дорогой брат Петров,\n\nмы рады")));
    QCOMPARE(args[4], QStringLiteral("--attach"));
    QVERIFY(args[5].endsWith(QStringLiteral(
        "/letters/Письмо приглашенному докладчику - Иван Петров - Дек 13, 2026.pdf")));
    QFile pdf(args[5]);
    QVERIFY(pdf.open(QIODevice::ReadOnly));
    QCOMPARE(pdf.read(5), QByteArray("%PDF-"));
    QCOMPARE(args[6], QStringLiteral("ivan@example.org"));
}

void LettersTest::without_the_mail_program_a_mailto_link_carries_subject_and_body() {
    GuiDocument g;
    write_folder(g.dir);
    qputenv("PATH", QByteArray::fromStdString((g.dir / "empty").string()));
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), this, "take_url");
    store::Document& doc = g.open();
    doc.set_our_congregation(1);
    gui::MainWindow window(doc, g.prompter);
    gui::show_report(window, reports::invitation_letter_request(kThisIndex));
    window.commands().action(Command::mail_letter)->trigger();
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QCOMPARE(opened_.scheme(), QStringLiteral("mailto"));
    QCOMPARE(opened_.path(), QStringLiteral("ivan@example.org"));
    const QString query = opened_.query(QUrl::FullyDecoded);
    QVERIFY(
        query.startsWith(QStringLiteral("subject=Публичная речь Декабря 13, 2026&body=Дорогой")));
    QVERIFY(!query.contains(QStringLiteral("attach")));
}

void LettersTest::a_missing_map_is_left_out_and_a_brother_without_address_gets_no_offer() {
    GuiDocument g;
    write_folder(g.dir, false);
    store::Document& doc = g.open();
    doc.set_our_congregation(1);
    gui::MainWindow window(doc, g.prompter);
    window.show();
    gui::show_report(window, reports::invitation_letter_request(kThisIndex));
    const QImage shot = window.view()->report_page()->grab().toImage();
    const reports::PagePlacement place = window.view()->report_page()->placement();
    QCOMPARE(shot.pixelColor(place.left + 19 + 24 + 336, place.top + 80 + 480 + 230),
             QColor(Qt::white));
    // The notice of Пётр, who has no address: no offer. Cancel in the picker keeps the letter.
    when_dialog<gui::TalkHistoryDialog>([](gui::TalkHistoryDialog* d) { d->reject(); });
    window.commands().action(Command::outgoing_notice)->trigger();
    QCOMPARE(int(window.view()->report_page()->kind()), 6);
    when_dialog<gui::TalkHistoryDialog>([](gui::TalkHistoryDialog* d) {
        click_cell(d->weeks(), 0, 0);
        QTest::mouseClick(d->ok_button(), Qt::LeftButton);
    });
    window.commands().action(Command::outgoing_notice)->trigger();
    QCOMPARE(int(window.view()->report_page()->kind()), 5);
    QCOMPARE(window.view()->report_page()->request().slot, 0);
    QVERIFY(!window.commands().action(Command::mail_letter)->isVisible());
    save_shot(window.view()->report_page(), QStringLiteral("outgoing_notice"));
}

QTEST_MAIN(LettersTest)
#include "letters_test.moc"
