#include <QClipboard>
#include <QDesktopServices>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include "core/schedule/schedule_fixture.h"
#include "gui/schedule/contacts_dialog.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;

// Receives the links the dialog opens instead of a mail program.
class MailCatcher : public QObject {
    Q_OBJECT
  public:
    QUrl last;
  public slots:
    void open(const QUrl& url) { last = url; }
};

class ContactsDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void fields_show_the_numbers_and_addresses();
    void a_focused_address_is_copied_or_written_to();
};

namespace {

// Петров (phone of five characters, two more numbers, an address); Орлов coordinates Лесное.
store::Document& open_contacts(GuiDocument& g) {
    write_planning_folder(g.dir.path());
    auto speakers = read_bytes(g.dir / "speakers.dat");
    const auto put = [&](std::size_t slot, std::string_view phone, std::uint8_t xtend) {
        const FixtureBytes f = FixtureBytes(256).text(120, phone);
        std::copy(f.bytes().begin() + 120, f.bytes().begin() + 136,
                  speakers.begin() + static_cast<long>(slot * 256 + 120));
        speakers[slot * 256 + 206] = xtend;
    };
    put(1, "12345", 1);
    put(3, "8-916-000-00-00", 0);
    write_bytes(g.dir / "speakers.dat", speakers);
    write_bytes(g.dir / "xtend.dat", FixtureBytes(128)
                                         .u16(0, 1)
                                         .text(2, "8-900-111")
                                         .text(18, "555-55-55")
                                         .text(34, "ivan@mail.ru")
                                         .bytes());
    return g.open();
}

}  // namespace

void ContactsDialogTest::fields_show_the_numbers_and_addresses() {
    GuiDocument g;
    store::Document& doc = open_contacts(g);
    gui::ContactsDialog dialog(doc, 1, 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Лесное"));
    QCOMPARE(dialog.speaker_group()->title(), QStringLiteral(" Докладчик - Иван Петров "));
    QCOMPARE(dialog.coordinator_group()->title(),
             QStringLiteral(" Ответственный за речи - Павел Орлов "));
    QCOMPARE(dialog.field(0, 0)->text(), QStringLiteral("8-900-111"));
    QCOMPARE(dialog.field(0, 1)->text(), QStringLiteral("555-55-55"));
    QCOMPARE(dialog.field(0, 2)->text(), QString());
    QCOMPARE(dialog.field(0, 3)->text(), QStringLiteral("ivan@mail.ru"));
    QCOMPARE(dialog.field(1, 0)->text(), QStringLiteral("8-916-000-00-00"));
    for (int f = 0; f < 4; ++f)
        QVERIFY(dialog.field(0, f)->isReadOnly());
    QCOMPARE(dialog.field(0, 3)->maxLength(), 48);
    // The first number has the focus: only its copy button.
    QTRY_VERIFY(dialog.field(0, 0)->hasFocus());
    QVERIFY(!dialog.action_button()->isVisible());
    QVERIFY(!dialog.mail_button()->isVisible());
    QTRY_VERIFY(dialog.phone_button()->isVisible());
    QCOMPARE(dialog.phone_button()->text(), QStringLiteral("Копировать номер"));
    shot(&dialog, QStringLiteral("contacts_dialog"));
    dialog.reject();
}

void ContactsDialogTest::a_focused_address_is_copied_or_written_to() {
    GuiDocument g;
    store::Document& doc = open_contacts(g);
    MailCatcher mail;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &mail, "open");
    QGuiApplication::clipboard()->setText(QStringLiteral("до"));
    gui::ContactsDialog dialog(doc, 1, 0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    dialog.activateWindow();

    dialog.field(0, 3)->setFocus();
    QTRY_VERIFY(dialog.action_button()->isVisible());
    QCOMPARE(dialog.action_button()->text(), QStringLiteral("Копия ivan@mail.ru"));
    QVERIFY(dialog.mail_button()->isVisible());
    QVERIFY(!dialog.phone_button()->isVisible());
    shot(&dialog, QStringLiteral("contacts_dialog_address"));
    QTest::mouseClick(dialog.mail_button(), Qt::LeftButton);
    QCOMPARE(mail.last, QUrl(QStringLiteral("mailto:ivan@mail.ru")));
    QTest::mouseClick(dialog.action_button(), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ivan@mail.ru"));

    dialog.field(0, 1)->setFocus();  // a number: the address buttons go, its own comes
    QTRY_VERIFY(!dialog.action_button()->isVisible());
    QVERIFY(!dialog.mail_button()->isVisible());
    QVERIFY(dialog.phone_button()->isVisible());
    QTest::mouseClick(dialog.phone_button(), Qt::LeftButton);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("555-55-55"));
    dialog.field(0, 2)->setFocus();  // an empty number field
    QTRY_VERIFY(!dialog.phone_button()->isVisible());
    dialog.field(0, 3)->setFocus();
    QTRY_VERIFY(dialog.action_button()->isVisible());
    dialog.field(1, 3)->setFocus();  // the coordinator has no address
    QTRY_VERIFY(!dialog.action_button()->isVisible());

    // What the dialog copied goes when it closes.
    dialog.reject();
    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
}

QTEST_MAIN(ContactsDialogTest)
#include "contacts_dialog_test.moc"
