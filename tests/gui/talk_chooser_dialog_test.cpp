#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "gui/app/line_list.h"
#include "gui/editors/name_list_dialog.h"
#include "gui/editors/talk_chooser_dialog.h"
#include "gui/editors/talk_editor_dialog.h"
#include "support/gui_fixture.h"
#include "support/record_fixtures.h"

using namespace vorla;
using namespace vorla::testing;

class TalkChooserDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void titles_mode_imports_titles_and_writes_them_on_closing();
    void empty_places_open_in_the_talk_editor_with_its_topics();
    void topic_list_adds_renames_and_deletes();
    void speaker_mode_edits_his_list_in_the_grid();
    void enter_in_the_titles_list_closes_and_writes_the_catalogue();
    void talk_editor_titles_itself_with_the_week_picked_in_its_history();
};

namespace {

void set_title(store::Document& doc, int n, const std::string& title) {
    store::TalkRecord t = *doc.talks().find(n);
    t.title = title;
    doc.talks().set(n, t);
}

}  // namespace

void TalkChooserDialogTest::titles_mode_imports_titles_and_writes_them_on_closing() {
    GuiDocument g;
    store::Document& doc = g.open();
    write_text(
        g.dir / "titles.txt",
        "1\tНасколько хорошо вы знаете Бога?\n2\tВы переживёте последние дни?\nбез номера\n");
    gui::TalkChooserDialog dialog(doc, editors::TalkChooserModel::titles(doc));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Выбрать речь для редактирования"));
    QCOMPARE(dialog.ok_button()->text(), QStringLiteral("Редактировать"));
    QCOMPARE(dialog.cancel_button()->text(), QStringLiteral("Закрыть"));
    QVERIFY(dialog.cancel_button()->isDefault());
    QVERIFY(dialog.import_button()->isVisible());
    QVERIFY(!dialog.grid()->isVisible());
    QCOMPARE(dialog.list()->topLevelItemCount(), 1);  // only talk 232 has a title

    QString report;
    when_modal([&](QWidget* w) {
        auto* box = qobject_cast<QMessageBox*>(w);
        QVERIFY(box);
        report = box->text();
        box->accept();
    });
    dialog.import_file(QString::fromStdString((g.dir / "titles.txt").string()));
    QVERIFY(
        report.startsWith(QStringLiteral("Принято названий речей: 2.\nНе приняты строки (1): 3.")));
    QCOMPARE(dialog.list()->topLevelItemCount(), 3);
    QCOMPARE(dialog.list()->line_text(0), QStringLiteral("1\tНасколько хорошо вы знаете Бога?"));
    save_shot(&dialog, QStringLiteral("talk_chooser_titles"));
    QVERIFY(!std::filesystem::exists(g.dir / "talk.dat"));
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    const auto bytes = read_bytes(g.dir / "talk.dat");
    QCOMPARE(bytes.size(), std::size_t(256 * 154));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.data()) + 154, 2),
             QByteArray("\xC2\xFB"));  // "Вы"
}

void TalkChooserDialogTest::empty_places_open_in_the_talk_editor_with_its_topics() {
    GuiDocument g;
    store::Document& doc = g.open();
    gui::TalkChooserDialog dialog(doc, editors::TalkChooserModel::titles(doc));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.action_button()->text(), QStringLiteral("Добавить новую речь"));
    QTest::mouseClick(dialog.action_button(), Qt::LeftButton);
    QVERIFY(!dialog.action_button()->isVisible());
    QCOMPARE(dialog.list()->topLevelItemCount(), 256);
    QCOMPARE(dialog.list()->line_text(0), QStringLiteral("1\tДоступно для новой речи"));
    QCOMPARE(dialog.list()->current_line(), std::optional<std::size_t>(0));
    save_shot(&dialog, QStringLiteral("talk_chooser_empty_places"));

    when_modal([](QWidget* w) {
        auto* editor = qobject_cast<gui::TalkEditorDialog*>(w);
        QVERIFY(editor);
        QCOMPARE(editor->topic_button()->text(), QStringLiteral("Выбрать тему для речи 1"));
        QCOMPARE(editor->talk_topics()->count(), 1);  // talk 1 starts in "Вера / Духовность"
        QVERIFY(!editor->all_topics()->isVisible());
        QVERIFY(!editor->edit_topics_button()->isVisible());
        editor->title_edit()->setText(QStringLiteral("Насколько хорошо вы знаете Бога?"));
        QTest::mouseClick(editor->topic_button(), Qt::LeftButton);
        QVERIFY(editor->all_topics()->isVisible());
        QVERIFY(editor->edit_topics_button()->isVisible());
        QCOMPARE(editor->topic_button()->text(), QStringLiteral("Просмотр списка для речи 1"));
        QCOMPARE(editor->all_topics()->count(), 10);
        QTest::mouseClick(
            editor->all_topics()->viewport(), Qt::LeftButton, {},
            editor->all_topics()->visualItemRect(editor->all_topics()->item(0)).center());
        save_shot(editor, QStringLiteral("talk_editor_topics"));
        QTest::mouseClick(editor->topic_button(), Qt::LeftButton);
        QCOMPARE(editor->talk_topics()->count(), 2);
        save_shot(editor, QStringLiteral("talk_editor"));
        QTest::mouseClick(editor->ok_button(), Qt::LeftButton);
    });
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QCOMPARE(dialog.list()->topLevelItemCount(), 2);  // talk 1 now has a title
    QCOMPARE(dialog.list()->line_text(0), QStringLiteral("1\tНасколько хорошо вы знаете Бога?"));
    QCOMPARE(doc.talks().find(1)->topic_ids[1] != 0, true);
}

void TalkChooserDialogTest::topic_list_adds_renames_and_deletes() {
    GuiDocument g;
    store::Document& doc = g.open();
    gui::NameListDialog dialog(doc, editors::NamedList::topics);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Темы"));
    QVERIFY(!dialog.ok_button()->isVisible());
    QTest::mouseClick(dialog.add_button(), Qt::LeftButton);
    QVERIFY(dialog.edit()->isVisible());
    QVERIFY(!dialog.add_button()->isVisible());
    type_text(dialog.edit(), QStringLiteral("Молитва"));
    save_shot(&dialog, QStringLiteral("topic_list"));
    QTest::keyClick(dialog.edit(), Qt::Key_Return);
    QCOMPARE(dialog.list()->topLevelItemCount(), 11);
    QCOMPARE(read_bytes(g.dir / "topic.dat").size(), std::size_t(11 * 48));
    const int prayer = int(doc.topics().find_by_id(11)) - 1;
    QTest::mouseClick(dialog.list()->viewport(), Qt::LeftButton, {},
                      dialog.list()->visualItemRect(dialog.list()->topLevelItem(prayer)).center());
    QCOMPARE(dialog.edit()->text(), QStringLiteral("Молитва"));
    dialog.edit()->clear();
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QCOMPARE(dialog.list()->topLevelItemCount(), 10);
}

void TalkChooserDialogTest::speaker_mode_edits_his_list_in_the_grid() {
    GuiDocument g;
    store::Document& doc = g.open();
    set_title(doc, 3, "Мир, который придёт");
    set_title(doc, 12, "Бог ненавидит обман");
    store::BrotherRecord speaker;
    speaker.first_name = "Иван";
    speaker.last_name = "Петров";
    speaker.talks.set(3);
    gui::TalkChooserDialog dialog(doc, editors::TalkChooserModel::speaker(doc, speaker, 3));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Выберите речь"));
    QCOMPARE(dialog.cancel_button()->text(), QStringLiteral("Отмена"));
    QCOMPARE(dialog.action_button()->text(), QStringLiteral("Редактировать список"));
    QVERIFY(!dialog.import_button()->isVisible());
    QCOMPARE(dialog.list()->current_line(), std::optional<std::size_t>(0));
    QTest::mouseClick(dialog.action_button(), Qt::LeftButton);
    QVERIFY(dialog.grid()->isVisible());
    QCOMPARE(dialog.action_button()->text(), QStringLiteral("Просмотр списка"));
    QTest::mouseMove(dialog.grid()->viewport(),
                     dialog.grid()->visualItemRect(dialog.grid()->item(1)).center());
    QTest::mouseClick(dialog.grid()->viewport(), Qt::LeftButton, {},
                      dialog.grid()->visualItemRect(dialog.grid()->item(1)).center());
    QCOMPARE(dialog.added()->text(), QStringLiteral("Добавленный 1"));
    save_shot(&dialog, QStringLiteral("talk_chooser_speaker_grid"));
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);  // back to his list, with talk 12
    QVERIFY(!dialog.grid()->isVisible());
    QCOMPARE(dialog.list()->topLevelItemCount(), 2);
    dialog.list()->select_line(1);
    QTest::mouseClick(dialog.ok_button(), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.model().chosen_talk(), std::optional<std::size_t>(11));
    QVERIFY(dialog.model().record().talks.has(12));
}

void TalkChooserDialogTest::enter_in_the_titles_list_closes_and_writes_the_catalogue() {
    GuiDocument g;
    store::Document& doc = g.open();
    set_title(doc, 5, "Любовь Бога");
    gui::TalkChooserDialog dialog(doc, editors::TalkChooserModel::titles(doc));
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QApplication::setActiveWindow(&dialog);
    dialog.list()->setFocus();
    QTest::keyClick(dialog.list(), Qt::Key_Down);
    QTest::keyClick(dialog.list(), Qt::Key_Return);
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    QVERIFY(!dialog.isVisible());
    const auto bytes = read_bytes(g.dir / "talk.dat");
    QCOMPARE(bytes.size(), std::size_t(256 * 154));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(bytes.data()) + 4 * 154, 2),
             QByteArray("\xCB\xFE"));  // "Лю"
}

void TalkChooserDialogTest::talk_editor_titles_itself_with_the_week_picked_in_its_history() {
    GuiDocument g;
    write_bytes(g.dir / "cong.dat", slot_file({congregation_bytes(1, "Озёрное")}));
    write_bytes(g.dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1)}));
    // Talk 12 in weeks 1300 (Петров of Озёрное) and 1400 (no speaker).
    write_bytes(g.dir / "history.dat",
                concat({week_bytes(1300).u16(2, 1).u16(4, 12).u16(6, 1).u16(20, 1),
                        week_bytes(1400).u16(4, 12).u16(20, 1)}));
    store::Document& doc = g.open();
    editors::TalkChooserModel chooser = editors::TalkChooserModel::titles(doc);
    gui::TalkEditorDialog editor(doc, &chooser, 11);
    editor.show();
    QVERIFY(QTest::qWaitForWindowExposed(&editor));
    QCOMPARE(editor.history()->count(), 2);
    using gui::qs;
    const QString recent =
        qs(doc.date_label(calendar::WeekNumber(1400),
                          calendar::LabelStyle::short_month | calendar::LabelStyle::with_year));
    QCOMPARE(editor.history()->item(0)->text(), recent);
    QCOMPARE(editor.windowTitle(), recent);
    QTest::mouseClick(editor.history()->viewport(), Qt::LeftButton, {},
                      editor.history()->visualItemRect(editor.history()->item(1)).center());
    QCOMPARE(editor.windowTitle(),
             qs(doc.date_label(calendar::WeekNumber(1300), calendar::LabelStyle::short_month |
                                                               calendar::LabelStyle::with_year)) +
                 QStringLiteral(" - Иван Петров - Озёрное"));
    save_shot(&editor, QStringLiteral("talk_editor_history"));
    QTest::keyClick(&editor, Qt::Key_Escape);
    QCOMPARE(editor.result(), int(QDialog::Rejected));
}

QTEST_MAIN(TalkChooserDialogTest)
#include "talk_chooser_dialog_test.moc"
