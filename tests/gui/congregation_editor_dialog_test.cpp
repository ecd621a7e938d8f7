#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "gui/app/line_list.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/editors/congregation_editor_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/map_dialog.h"
#include "gui/editors/name_list_dialog.h"
#include "support/gui_fixture.h"
#include "support/record_fixtures.h"

using namespace vorla;
using namespace vorla::testing;
using editors::CongregationOffice;

class CongregationEditorDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void empty_list_focuses_add_and_edit_opens_a_new_congregation();
    void new_congregation_applied_goes_on_as_an_edited_one();
    void ok_without_a_name_asks_for_it_and_keeps_the_editor_open();
    void day_buttons_cycle_and_sunday_is_stored_as_zero();
    void officers_and_circuit_are_chosen_in_their_choosers();
    void map_dialog_shows_the_picture_and_its_rules();
    void map_that_cannot_be_read_leaves_no_name();
    void circuits_and_hosts_are_added_renamed_and_deleted();
};

namespace {

store::Document& open_congregations(GuiDocument& g) {
    write_bytes(g.dir / "cong.dat",
                slot_file({congregation_bytes(1, "Восточное"), congregation_bytes(2, "Западное")}));
    write_bytes(g.dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1),
                                                   brother_bytes(2, "Олег", "Сидоров", 1)}));
    write_bytes(g.dir / "circuit.dat",
                concat({named_bytes("Район 1", 30001), named_bytes("Район 2", 30002)}));
    return g.open();
}

// Answers the message box shown next with its default button, keeping its text.
void answer_message(QString* text) {
    when_modal([text](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        if (text) *text = box->text();
        box->defaultButton() ? box->defaultButton()->click() : box->accept();
    });
}

}  // namespace

void CongregationEditorDialogTest::empty_list_focuses_add_and_edit_opens_a_new_congregation() {
    GuiDocument g;
    store::Document& doc = g.open();
    gui::CongregationListDialog dialog(doc, false);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QApplication::setActiveWindow(&dialog);
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Выбор собрания"));
    QCOMPARE(dialog.ok_button()->text(), QStringLiteral("Редактировать"));
    QCOMPARE(dialog.add_button()->text(), QStringLiteral("Добавить cобрание"));
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(dialog.add_button()));
    bool adding = false;
    when_modal([&](QWidget* w) {
        auto* editor = qobject_cast<gui::CongregationEditorDialog*>(w);
        QVERIFY(editor);
        adding = editor->model().adding();
        QVERIFY(!editor->brothers_button()->isVisible());
        QVERIFY(!editor->map_button()->isVisible());
        QVERIFY(!editor->delete_button()->isVisible());
        QVERIFY(!editor->apply_button()->isVisible());
        type_text(editor->name(), QStringLiteral("Лесное"));
        QVERIFY(editor->apply_button()->isVisible());
        save_shot(editor, QStringLiteral("congregation_editor_new"));
        QTest::mouseClick(editor->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QVERIFY(adding);
    QCOMPARE(dialog.list()->line_text(0), QStringLiteral("Лесное"));
    QCOMPARE(read_bytes(g.dir / "cong.dat").size(), std::size_t(512));
}

void CongregationEditorDialogTest::new_congregation_applied_goes_on_as_an_edited_one() {
    GuiDocument g;
    store::Document& doc = open_congregations(g);
    editors::CongregationListModel list(doc, false);
    gui::CongregationEditorDialog editor(doc, &list, std::nullopt);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    type_text(editor.name(), QStringLiteral("Юж/н\\ое"));
    QCOMPARE(editor.name()->text(), QStringLiteral("Южное"));  // no folder separators in a name
    type_text(editor.address1(), QStringLiteral("ул. Мира, 12"));
    type_text(editor.time_odd(), QStringLiteral("10:00 утра"));  // 9 characters fit
    QCOMPARE(editor.time_odd()->text(), QStringLiteral("10:00 утр"));
    QTest::mouseClick(editor.apply_button(), Qt::LeftButton);
    QVERIFY(!editor.model().adding());
    QVERIFY(!editor.apply_button()->isVisible());
    QCOMPARE(editor.brothers_button()->text(), QStringLiteral("Братья ( 0 )"));
    QVERIFY(editor.circuit_button()->isVisible());
    QVERIFY(editor.map_button()->isVisible());
    QVERIFY(!editor.officer_button(CongregationOffice::cobe)->isVisible());
    QCOMPARE(editor.time_even()->text(),
             QStringLiteral("10:00 утр"));  // one time serves both years
    save_shot(&editor, QStringLiteral("congregation_editor"));

    // Its brothers: pull in Петров from "Восточное" after the move question.
    when_modal([](QWidget* w) {
        auto* brothers = qobject_cast<gui::BrotherListDialog*>(w);
        QVERIFY(brothers);
        when_modal([](QWidget* chooser) {
            auto* speakers = qobject_cast<gui::BrotherListDialog*>(chooser);
            QVERIFY(speakers);
            speakers->list()->select_line(0);
            when_modal([](QWidget* box) {
                auto* question = qobject_cast<QMessageBox*>(box);
                QVERIFY(question);
                QCOMPARE(question->text(),
                         QStringLiteral("Иван Петров назначен в Восточное собрание.\n\nВы хотите "
                                        "переместить его?"));
                question->button(QMessageBox::Yes)->click();
            });
            QTest::mouseClick(speakers->ok_button(), Qt::LeftButton);
        });
        QTest::mouseClick(brothers->add_button(), Qt::LeftButton);
        QCOMPARE(brothers->list()->topLevelItemCount(), 1);
        brothers->reject();
    });
    QTest::mouseClick(editor.brothers_button(), Qt::LeftButton);
    QCOMPARE(editor.brothers_button()->text(), QStringLiteral("Братья ( 1 )"));
    QVERIFY(editor.officer_button(CongregationOffice::secretary)->isVisible());
}

void CongregationEditorDialogTest::ok_without_a_name_asks_for_it_and_keeps_the_editor_open() {
    GuiDocument g;
    store::Document& doc = open_congregations(g);
    editors::CongregationListModel list(doc, false);
    gui::CongregationEditorDialog editor(doc, &list, std::nullopt);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QApplication::setActiveWindow(&editor);
    type_text(editor.address1(), QStringLiteral("ул. Мира, 12"));
    QString message;
    answer_message(&message);
    QTest::mouseClick(editor.ok_button(), Qt::LeftButton);
    QCOMPARE(message, QStringLiteral("Пожалуйста, введите название собрания"));
    QVERIFY(editor.isVisible());
    QCOMPARE(editor.focusWidget(), static_cast<QWidget*>(editor.name()));
    QCOMPARE(editor.address1()->text(), QStringLiteral("ул. Мира, 12"));
    type_text(editor.name(), QStringLiteral("Лесное"));
    QTest::keyClick(editor.name(), Qt::Key_Return);  // Enter is OK
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    QCOMPARE(doc.congregations().size(), std::size_t(3));
}

void CongregationEditorDialogTest::day_buttons_cycle_and_sunday_is_stored_as_zero() {
    GuiDocument g;
    store::Document& doc = open_congregations(g);
    editors::CongregationListModel list(doc, false);
    gui::CongregationEditorDialog editor(doc, &list, doc.congregations().find(2));
    editor.show();
    QCOMPARE(editor.day_even()->text(), QStringLiteral("Воскресенье"));  // stored 0
    QTest::mouseClick(editor.day_even(), Qt::LeftButton);
    QCOMPARE(editor.day_even()->text(), QStringLiteral("Понедельник"));
    for (int i = 0; i < 6; ++i)
        QTest::mouseClick(editor.day_odd(), Qt::LeftButton);
    QCOMPARE(editor.day_odd()->text(), QStringLiteral("Суббота"));
    QTest::mouseClick(editor.day_odd(), Qt::LeftButton);
    QCOMPARE(editor.day_odd()->text(), QStringLiteral("Воскресенье"));
    QTest::mouseClick(editor.ok_button(), Qt::LeftButton);
    const auto bytes = read_bytes(g.dir / "cong.dat");
    QCOMPARE(int(bytes[2 * 256 + 227]), 1);  // even: Monday
    QCOMPARE(int(bytes[2 * 256 + 226]), 0);  // odd: Sunday
}

void CongregationEditorDialogTest::officers_and_circuit_are_chosen_in_their_choosers() {
    GuiDocument g;
    store::Document& doc = open_congregations(g);
    editors::CongregationListModel list(doc, false);
    gui::CongregationEditorDialog editor(doc, &list, doc.congregations().find(1));
    editor.show();
    QPushButton* coordinator = editor.officer_button(CongregationOffice::talk_coordinator);
    QCOMPARE(coordinator->text(), QStringLiteral("Ответственный за речи"));
    when_modal([](QWidget* w) {
        auto* chooser = qobject_cast<gui::BrotherListDialog*>(w);
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Выбрать Ответственный за речи"));
        chooser->list()->select_line(1);
        QTest::mouseClick(chooser->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(coordinator, Qt::LeftButton);
    QCOMPARE(coordinator->text(), QStringLiteral("Ответственный за речи - Олег Сидоров"));

    when_modal([](QWidget* w) {
        auto* chooser = qobject_cast<gui::NameListDialog*>(w);
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Районы"));
        QCOMPARE(chooser->cancel_button()->text(), QStringLiteral("Отмена"));
        QVERIFY(!chooser->edit()->isVisible());
        save_shot(chooser, QStringLiteral("circuit_chooser"));
        chooser->list()->select_line(1);
        QTest::mouseClick(chooser->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(editor.circuit_button(), Qt::LeftButton);
    QCOMPARE(editor.circuit_button()->text(), QStringLiteral("Район - Район 2"));
    QTest::mouseClick(editor.ok_button(), Qt::LeftButton);
    const auto bytes = read_bytes(g.dir / "cong.dat");
    QCOMPARE(int(bytes[256 + 186]), 2);
    QCOMPARE(int(bytes[256 + 178] | bytes[256 + 179] << 8), 30002);
}

void CongregationEditorDialogTest::map_dialog_shows_the_picture_and_its_rules() {
    GuiDocument g;
    store::Document& doc = open_congregations(g);
    QImage image(300, 150, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    image.setDotsPerMeterX(5906);  // 150 dpi: 2 inches wide on screen = 192 pixels
    image.setDotsPerMeterY(5906);
    QVERIFY(image.save(QString::fromStdString((g.dir / "карта.jpg").string()), "JPG"));

    gui::MapDialog dialog(doc, " карта.jpg ");
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Карта"));
    QVERIFY(dialog.picture().loaded());
    QCOMPARE(dialog.picture().size(), QSize(192, 96));
    QVERIFY(!dialog.rules_button()->isVisible());
    const QImage shot = dialog.frame()->grab().toImage();
    QCOMPARE(shot.pixelColor(shot.width() / 2, shot.height() / 2).green() > 80,
             true);  // stretched over the frame
    save_shot(&dialog, QStringLiteral("map_dialog"));

    // A file chosen elsewhere keeps only its name, and is looked for in the data folder.
    QString message;
    answer_message(&message);
    dialog.choose_file(QStringLiteral("/tmp/elsewhere/схема.jpg"));
    QCOMPARE(message, QStringLiteral("Не удалось открыть карту схема.jpg: файл не найден."));
    QVERIFY(!dialog.picture().loaded());
    QVERIFY(dialog.rules_button()->isVisible());
    QCOMPARE(dialog.result(), std::string());
    dialog.choose_file(QString::fromStdString((g.dir / "карта.jpg").string()));
    QCOMPARE(dialog.result(), std::string("карта.jpg"));

    answer_message(&message);
    gui::MapDialog unsafe(doc, "../карта.jpg");
    QVERIFY(message.startsWith(QStringLiteral("Правила для файлов карт")));
    QVERIFY(!unsafe.picture().loaded());
    save_shot(&unsafe, QStringLiteral("map_dialog_empty"));
}

void CongregationEditorDialogTest::map_that_cannot_be_read_leaves_no_name() {
    GuiDocument g;
    write_text(g.dir / "битая.jpg", "not a picture");
    write_bytes(g.dir / "cong.dat",
                slot_file({congregation_bytes(1, "Восточное").text(198, "битая.jpg")}));
    store::Document& doc = g.open();
    editors::CongregationListModel list(doc, false);
    gui::CongregationEditorDialog editor(doc, &list, doc.congregations().find(1));
    editor.show();
    when_modal([](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), QStringLiteral("Карта"));
        QCOMPARE(
            box->text(),
            QStringLiteral(
                "Файл битая.jpg не является рисунком JPEG, который программа может показать."));
        when_modal([](QWidget* map) {
            auto* dialog = qobject_cast<gui::MapDialog*>(map);
            QVERIFY(dialog);
            QTest::mouseClick(dialog->ok_button(), Qt::LeftButton);
        });
        box->accept();
    });
    QTest::mouseClick(editor.map_button(), Qt::LeftButton);
    QCOMPARE(editor.model().map_file(), std::string());
}

void CongregationEditorDialogTest::circuits_and_hosts_are_added_renamed_and_deleted() {
    GuiDocument g;
    store::Document& doc = open_congregations(g);
    gui::NameListDialog circuits(doc, editors::NamedList::circuits);
    circuits.show();
    QVERIFY(QTest::qWaitForWindowExposed(&circuits));
    QCOMPARE(circuits.add_button()->text(), QStringLiteral("Добавить район"));
    QCOMPARE(circuits.cancel_button()->text(), QStringLiteral("Закрыть"));
    QVERIFY(!circuits.edit()->isVisible());
    QVERIFY(!circuits.ok_button()->isVisible());
    QTest::mouseClick(circuits.add_button(), Qt::LeftButton);
    QVERIFY(circuits.edit()->isVisible());
    QVERIFY(!circuits.add_button()->isVisible());
    type_text(circuits.edit(), QStringLiteral("Новый район"));
    save_shot(&circuits, QStringLiteral("circuits_editing"));
    QTest::keyClick(circuits.edit(), Qt::Key_Return);
    QCOMPARE(circuits.list()->line_text(0), QStringLiteral("Новый район"));
    QCOMPARE(doc.circuits().at(0).id, std::uint16_t(30003));
    QTest::mouseClick(circuits.list()->viewport(), Qt::LeftButton, {},
                      circuits.list()->visualItemRect(circuits.list()->topLevelItem(1)).center());
    QCOMPARE(circuits.edit()->text(), QStringLiteral("Район 1"));
    circuits.edit()->clear();
    QTest::mouseClick(circuits.ok_button(), Qt::LeftButton);
    QCOMPARE(circuits.list()->topLevelItemCount(), 2);
    QCOMPARE(read_bytes(g.dir / "circuit.dat").size(), std::size_t(64));

    gui::NameListDialog hosts(doc, editors::NamedList::hosts);
    QCOMPARE(hosts.windowTitle(), QStringLiteral("Гостеприимство"));
    QCOMPARE(hosts.add_button()->text(), QStringLiteral("Добав. гостеприимных"));
    hosts.show();
    QTest::mouseClick(hosts.add_button(), Qt::LeftButton);
    type_text(hosts.edit(), QStringLiteral("~Ивановы"));
    QTest::mouseClick(hosts.ok_button(), Qt::LeftButton);
    QCOMPARE(hosts.list()->line_text(0), QStringLiteral("~Ивановы"));
    save_shot(&hosts, QStringLiteral("hosts_list"));
}

QTEST_MAIN(CongregationEditorDialogTest)
#include "congregation_editor_dialog_test.moc"
