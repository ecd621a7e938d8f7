#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include "gui/app/line_list.h"
#include "gui/editors/availability_dialog.h"
#include "gui/editors/brother_editor_dialog.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/talk_chooser_dialog.h"
#include "support/gui_fixture.h"
#include "support/record_fixtures.h"

using namespace vorla;
using namespace vorla::testing;

class BrotherListDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void list_shows_marks_status_lines_and_captions();
    void typed_letters_select_the_first_matching_line();
    void type_ahead_starts_afresh_when_the_list_gains_the_focus();
    void role_chooser_returns_the_picked_brother();
    void new_brother_is_typed_in_and_saved_from_the_list();
    void enter_steps_through_the_fields_and_saves_from_ok();
    void escape_leaves_the_brother_on_screen_unsaved();
    void long_names_and_office_boxes_follow_the_rules();
    void editor_buttons_open_the_choosers_and_show_their_results();
    void add_in_a_congregation_pulls_in_a_brother();
};

namespace {

// Congregations 1 "Северное", 2 "Южное"; Петров (1), Сидоров (2), Андреев (none, discontinued).
store::Document& open_brothers(GuiDocument& g) {
    write_bytes(g.dir / "cong.dat",
                slot_file({congregation_bytes(1, "Северное"), congregation_bytes(2, "Южное")}));
    write_bytes(
        g.dir / "speakers.dat",
        slot_file({brother_bytes(1, "Иван", "Петров", 1), brother_bytes(2, "Олег", "Сидоров", 2),
                   brother_bytes(3, "Павел", "Андреев").u8(200, 0x20)}));
    return g.open();
}

QStringList lines_of(gui::LineList* list) {
    QStringList out;
    for (int i = 0; i < list->topLevelItemCount(); ++i)
        out.append(list->line_text(i));
    return out;
}

}  // namespace

void BrotherListDialogTest::list_shows_marks_status_lines_and_captions() {
    GuiDocument g;
    store::Document& doc = open_brothers(g);
    gui::BrotherListDialog dialog(doc, {});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Братья"));
    QCOMPARE(lines_of(dialog.list()),
             (QStringList{QStringLiteral("(§) * Андреев, Павел"), QStringLiteral("Петров, Иван"),
                          QStringLiteral("Сидоров, Олег")}));
    QCOMPARE(dialog.star_note()->text(), QStringLiteral("* Нет собрания ( 1 )"));
    QVERIFY(dialog.star_note()->isVisible());
    QCOMPARE(dialog.discontinued_note()->text(), QStringLiteral("(§) Прекращено ( 1 )"));
    QCOMPARE(dialog.ok_button()->text(), QStringLiteral("&Редактировать..."));
    QCOMPARE(dialog.close_button()->text(), QStringLiteral("&Закрыть"));
    QCOMPARE(dialog.add_button()->text(), QStringLiteral("&Добавить брата"));
    QVERIFY(dialog.ok_button()->isDefault());
    save_shot(&dialog, QStringLiteral("brother_list"));
}

void BrotherListDialogTest::typed_letters_select_the_first_matching_line() {
    GuiDocument g;
    store::Document& doc = open_brothers(g);
    gui::BrotherListDialog dialog(doc, editors::BrotherListParams{.excluded_cong = 9});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    type_text(dialog.list(), QStringLiteral("с"));
    QCOMPARE(dialog.list()->current_line(), std::optional<std::size_t>(2));
    type_text(dialog.list(), QStringLiteral("и"));
    QCOMPARE(dialog.list()->current_line(), std::optional<std::size_t>(2));
    type_text(dialog.list(), QStringLiteral("П"));  // "СИП" matches nothing: starts again at "П"
    QCOMPARE(dialog.list()->current_line(), std::optional<std::size_t>(1));
    QTest::keyClick(dialog.list(), Qt::Key_Return);  // the speaker chooser returns his position
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosen(), doc.brothers().find(1));
}

void BrotherListDialogTest::type_ahead_starts_afresh_when_the_list_gains_the_focus() {
    QWidget window;
    auto* list = new gui::LineList(1, &window);
    auto* other = new QLineEdit(&window);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(list);
    layout->addWidget(other);
    list->enable_type_ahead(true);
    std::vector<text::ListLine> lines;
    for (const char* name : {"Андреев", "Ива", "Иван"})
        lines.push_back({name, lines.size()});
    // Enough lines below for the found one to be scrolled to the top.
    for (int i = 0; i < 40; ++i)
        lines.push_back({"Яковлев " + std::to_string(i), lines.size()});
    list->set_lines(lines);
    list->setFixedHeight(120);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QApplication::setActiveWindow(&window);
    list->setFocus();
    type_text(list, QStringLiteral("ив"));
    QCOMPARE(list->current_line(), std::optional<std::size_t>(1));
    other->setFocus();
    list->setFocus();
    type_text(list, QStringLiteral("а"));  // not "ива": the buffer was emptied
    QCOMPARE(list->current_line(), std::optional<std::size_t>(0));
    type_text(list, QStringLiteral("я"));  // "ая" matches nothing: "я" alone does
    QCOMPARE(list->current_line(), std::optional<std::size_t>(3));
    QCOMPARE(list->indexAt(QPoint(4, 4)).row(), 3);  // scrolled to the top
}

void BrotherListDialogTest::role_chooser_returns_the_picked_brother() {
    GuiDocument g;
    store::Document& doc = open_brothers(g);
    gui::BrotherListDialog dialog(
        doc, editors::BrotherListParams{
                 .cong_filter = 1, .role = editors::BrotherRole::secretary, .current_brother = 1});
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Выбрать Секретарь"));
    QVERIFY(!dialog.add_button()->isVisible());
    QCOMPARE(dialog.ok_button()->text(), QStringLiteral("&Выбрать"));
    QCOMPARE(dialog.close_button()->text(), QStringLiteral("&Отмена"));
    QCOMPARE(lines_of(dialog.list()), QStringList{QStringLiteral("Иван Петров")});
    QVERIFY(!dialog.star_note()->isVisible());
    save_shot(&dialog, QStringLiteral("brother_chooser_role"));
    const QPoint line = dialog.list()->visualItemRect(dialog.list()->topLevelItem(0)).center();
    QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {}, line);
    QTest::mouseDClick(dialog.list()->viewport(), Qt::LeftButton, {}, line);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.chosen(), doc.brothers().find(1));
}

void BrotherListDialogTest::new_brother_is_typed_in_and_saved_from_the_list() {
    GuiDocument g;
    store::Document& doc = open_brothers(g);
    gui::BrotherListDialog dialog(doc, {});
    dialog.show();
    bool seen = false;
    when_modal([&](QWidget* w) {
        auto* editor = qobject_cast<gui::BrotherEditorDialog*>(w);
        QVERIFY(editor);
        seen = true;
        QCOMPARE(editor->windowTitle(), QStringLiteral("Редактирование информации о братьях"));
        QVERIFY(!editor->delete_button()->isVisible());
        QVERIFY(!editor->prev_button()->isVisible());
        QVERIFY(editor->congregation_button()->isVisible());
        QCOMPARE(editor->availability_button()->text(), QStringLiteral("Доступен всегда"));
        type_text(editor->first_name(), QStringLiteral("Антон"));
        type_text(editor->last_name(), QStringLiteral("Белов"));
        type_text(editor->phone(), QStringLiteral("123-45-67-890-12345"));  // 14 at most
        type_text(editor->email(), QStringLiteral("anton@example.org"));
        type_text(editor->note(), QStringLiteral("Нота ♪"));  // the note sign cannot be stored
        QCOMPARE(editor->phone()->text(), QStringLiteral("123-45-67-890-"));
        QCOMPARE(editor->note()->text(), QStringLiteral("Нота "));
        save_shot(editor, QStringLiteral("brother_editor_new"));
        QTest::mouseClick(editor->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.add_button(), Qt::LeftButton);
    QVERIFY(seen);
    QCOMPARE(doc.brothers().size(), std::size_t(4));
    QCOMPARE(doc.brothers().name_of(4), std::string("Антон Белов"));
    QCOMPARE(dialog.list()->line_text(1), QStringLiteral("* Белов, Антон"));
    const auto bytes = read_bytes(g.dir / "speakers.dat");
    QCOMPARE(bytes.size(), std::size_t(5 * 256));
    QCOMPARE(int(bytes[4 * 256 + 206]), 1);  // his extra record
}

void BrotherListDialogTest::enter_steps_through_the_fields_and_saves_from_ok() {
    GuiDocument g;
    store::Document& doc = open_brothers(g);
    editors::BrotherListModel list(doc, {});
    list.select(1);
    gui::BrotherEditorDialog editor(doc, &list, doc.brothers().find(1), 0);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QApplication::setActiveWindow(&editor);
    editor.first_name()->setFocus();
    QTest::keyClick(editor.first_name(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(editor.last_name()));
    QTest::keyClick(editor.last_name(), Qt::Key_Return);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(editor.address1()));
    QVERIFY(editor.isVisible());
    save_shot(&editor, QStringLiteral("brother_editor"));
    editor.phone()->setText(QStringLiteral("222-33-44"));
    editor.ok_button()->setFocus();
    QTest::keyClick(editor.ok_button(), Qt::Key_Return);
    QCOMPARE(editor.result(), int(QDialog::Accepted));
    const auto bytes = read_bytes(g.dir / "speakers.dat");
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.data()) + 256 + 120, 9),
             QByteArray("222-33-44"));
}

void BrotherListDialogTest::escape_leaves_the_brother_on_screen_unsaved() {
    GuiDocument g;
    store::Document& doc = open_brothers(g);
    editors::BrotherListModel list(doc, {});
    list.select(1);  // Петров
    gui::BrotherEditorDialog editor(doc, &list, doc.brothers().find(1), 0);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QApplication::setActiveWindow(&editor);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(editor.first_name()));
    editor.phone()->setText(QStringLiteral("111"));
    QTest::mouseClick(editor.next_button(), Qt::LeftButton);  // saves Петров, shows Сидоров
    QCOMPARE(editor.last_name()->text(), QStringLiteral("Сидоров"));
    editor.phone()->setText(QStringLiteral("222"));
    QTest::keyClick(editor.phone(), Qt::Key_Escape);
    QCOMPARE(editor.result(), int(QDialog::Rejected));
    const auto bytes = read_bytes(g.dir / "speakers.dat");
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.data()) + 256 + 120, 4),
             QByteArray("111\0", 4));
    QCOMPARE(int(bytes[2 * 256 + 120]), 0);  // Сидоров's phone stays empty
}

void BrotherListDialogTest::long_names_and_office_boxes_follow_the_rules() {
    GuiDocument g;
    store::Document& doc = open_brothers(g);
    gui::BrotherEditorDialog editor(doc, nullptr, std::nullopt, 0);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QApplication::setActiveWindow(&editor);
    editor.first_name()->setFocus();
    type_text(editor.first_name(), QStringLiteral("Александрандреевич"));
    editor.last_name()->setFocus();  // leaving "Имя" records its length
    type_text(editor.last_name(), QStringLiteral("Константинопольск"));
    QCOMPARE(editor.first_name()->text(), QStringLiteral("Александрандреевич"));
    type_text(editor.last_name(), QStringLiteral("и"));
    QCOMPARE(editor.first_name()->text(), QStringLiteral("А."));

    QTest::mouseClick(editor.elder(), Qt::LeftButton);
    QTest::mouseClick(editor.servant(), Qt::LeftButton);
    QVERIFY(editor.servant()->isChecked());
    QVERIFY(!editor.elder()->isChecked());
    QTest::mouseClick(editor.elder(), Qt::LeftButton);
    QVERIFY(!editor.servant()->isChecked());
}

void BrotherListDialogTest::editor_buttons_open_the_choosers_and_show_their_results() {
    GuiDocument g;
    store::Document& doc = open_brothers(g);
    store::TalkRecord t = *doc.talks().find(12);
    t.title = "Бог ненавидит обман";
    doc.talks().set(12, t);
    gui::BrotherEditorDialog editor(doc, nullptr, doc.brothers().find(1), 0);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QCOMPARE(editor.congregation_button()->text(), QStringLiteral("Собрание - Северное"));

    when_modal([](QWidget* w) {
        auto* chooser = qobject_cast<gui::CongregationListDialog*>(w);
        QVERIFY(chooser);
        QCOMPARE(chooser->ok_button()->text(), QStringLiteral("OK"));
        save_shot(chooser, QStringLiteral("congregation_chooser"));
        chooser->list()->select_line(1);
        QTest::mouseClick(chooser->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(editor.congregation_button(), Qt::LeftButton);
    QCOMPARE(editor.congregation_button()->text(), QStringLiteral("Собрание - Южное"));

    when_modal([](QWidget* w) {
        auto* chooser = qobject_cast<gui::TalkChooserDialog*>(w);
        QVERIFY(chooser);
        QVERIFY(chooser->grid()->isVisible());
        QCOMPARE(chooser->grid()->count(), 2);  // talks 12 and 232 have titles
        QTest::mouseClick(chooser->grid()->viewport(), Qt::LeftButton, {},
                          chooser->grid()->visualItemRect(chooser->grid()->item(0)).center());
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Иван Петров - 1 речи"));
        QCOMPARE(chooser->added()->text(), QStringLiteral("Добавленный 1"));
        QVERIFY(chooser->added()->isVisible());
        QVERIFY(!chooser->removed()->isVisible());
        save_shot(chooser, QStringLiteral("talk_chooser_brother_grid"));
        QTest::mouseClick(chooser->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(editor.talks_button(), Qt::LeftButton);
    QCOMPARE(editor.talks_button()->text(), QStringLiteral("Просмотр / Выбор речей ( 1 )"));

    when_modal([](QWidget* w) {
        auto* availability = qobject_cast<gui::AvailabilityDialog*>(w);
        QVERIFY(availability);
        QCOMPARE(availability->windowTitle(), QStringLiteral("Иван Петров"));
        availability->discontinued_box()->setChecked(true);
        QTest::mouseClick(availability->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(editor.availability_button(), Qt::LeftButton);
    QCOMPARE(editor.availability_button()->text(), QStringLiteral("Прекращено"));

    QTest::mouseClick(editor.ok_button(), Qt::LeftButton);
    const auto bytes = read_bytes(g.dir / "speakers.dat");
    QCOMPARE(int(bytes[256 + 202]), 2);     // Южное
    QCOMPARE(int(bytes[256 + 137]), 0x08);  // talk 12
    QCOMPARE(int(bytes[256 + 200]), 0x20);  // discontinued
}

void BrotherListDialogTest::add_in_a_congregation_pulls_in_a_brother() {
    GuiDocument g;
    store::Document& doc = open_brothers(g);
    gui::BrotherListDialog dialog(doc, editors::BrotherListParams{.cong_filter = 1});
    dialog.show();
    when_modal([](QWidget* w) {
        auto* chooser = qobject_cast<gui::BrotherListDialog*>(w);
        QVERIFY(chooser);
        QCOMPARE(chooser->windowTitle(), QStringLiteral("Выбор докладчика"));
        QCOMPARE(chooser->add_button()->text(), QStringLiteral("&Новый докладчик"));
        save_shot(chooser, QStringLiteral("speaker_chooser"));
        chooser->list()->select_line(0);  // Андреев, without a congregation: no question
        QTest::mouseClick(chooser->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.add_button(), Qt::LeftButton);
    QCOMPARE(lines_of(dialog.list()),
             (QStringList{QStringLiteral("(§) Павел Андреев"), QStringLiteral("Иван Петров")}));
    QCOMPARE(int(read_bytes(g.dir / "speakers.dat")[3 * 256 + 202]), 1);
}

QTEST_MAIN(BrotherListDialogTest)
#include "brother_list_dialog_test.moc"
