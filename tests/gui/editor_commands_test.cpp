#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/commands/command.h"
#include "gui/app/line_list.h"
#include "gui/app/main_window.h"
#include "gui/app/work_panel.h"
#include "gui/editors/availability_dialog.h"
#include "gui/editors/brother_editor_dialog.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/name_list_dialog.h"
#include "gui/editors/talk_chooser_dialog.h"
#include "support/change_log.h"
#include "support/gui_fixture.h"
#include "support/record_fixtures.h"

using namespace vorla;
using namespace vorla::testing;
using vorla::commands::Command;

class EditorCommandsTest : public QObject {
    Q_OBJECT
  private slots:
    void editing_commands_open_their_dialogs();
    void brothers_command_rebuilds_our_brothers_after_a_change();
    void availability_command_marks_weeks_and_writes_them_at_the_end();
};

namespace {

store::Document& open_data(GuiDocument& g) {
    write_bytes(g.dir / "cong.dat",
                slot_file({congregation_bytes(1, "Наше"), congregation_bytes(2, "Соседнее")}));
    write_bytes(g.dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 1),
                                                   brother_bytes(2, "Олег", "Сидоров", 2)}));
    write_text(g.dir / "vorla.ini", "[Congregation]\r\nNumber=1\r\n");
    return g.open();
}

// Closes the next modal dialog after checking its class and title.
template <class Dialog>
void expect_dialog(const QString& title) {
    when_modal([title](QWidget* w) {
        auto* dialog = qobject_cast<Dialog*>(w);
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), title);
        dialog->done(QDialog::Rejected);
    });
}

}  // namespace

void EditorCommandsTest::editing_commands_open_their_dialogs() {
    GuiDocument g;
    gui::MainWindow window(open_data(g), g.prompter);
    ChangeLog changes(window.doc());
    for (Command command : {Command::congregations, Command::circuits, Command::brothers,
                            Command::talks, Command::availability}) {
        QVERIFY(window.commands().action(command)->isEnabled());
    }
    QVERIFY(window.panel()->button(app::PanelButtonId::congregations)->isEnabled());  // "Собрания"
    expect_dialog<gui::CongregationListDialog>(QStringLiteral("Выбор собрания"));
    window.commands().action(Command::congregations)->trigger();
    expect_dialog<gui::NameListDialog>(QStringLiteral("Районы"));
    window.commands().action(Command::circuits)->trigger();
    expect_dialog<gui::BrotherListDialog>(QStringLiteral("Братья"));
    QTest::mouseClick(window.panel()->button(app::PanelButtonId::brothers), Qt::LeftButton);
    expect_dialog<gui::TalkChooserDialog>(QStringLiteral("Выбрать речь для редактирования"));
    window.commands().action(Command::talks)->trigger();
    QVERIFY(changes.quiet());
}

void EditorCommandsTest::brothers_command_rebuilds_our_brothers_after_a_change() {
    GuiDocument g;
    gui::MainWindow window(open_data(g), g.prompter);
    QCOMPARE(window.doc().local_brothers().size(), std::size_t(1));
    ChangeLog changes(window.doc());
    when_modal([](QWidget* w) {
        auto* list = qobject_cast<gui::BrotherListDialog*>(w);
        QVERIFY(list);
        list->list()->select_line(1);  // Сидоров of "Соседнее"
        when_modal([list](QWidget* e) {
            auto* editor = qobject_cast<gui::BrotherEditorDialog*>(e);
            QVERIFY(editor);
            when_modal([](QWidget* c) {
                auto* chooser = qobject_cast<gui::CongregationListDialog*>(c);
                QVERIFY(chooser);
                chooser->list()->select_line(0);  // "Наше"
                QTest::mouseClick(chooser->ok_button(), Qt::LeftButton);
            });
            QTest::mouseClick(editor->congregation_button(), Qt::LeftButton);
            QTest::mouseClick(editor->ok_button(), Qt::LeftButton);
            QTimer::singleShot(0, list,
                               [list] { QTest::mouseClick(list->close_button(), Qt::LeftButton); });
        });
        QTest::mouseClick(list->ok_button(), Qt::LeftButton);
    });
    window.commands().action(Command::brothers)->trigger();
    QVERIFY(changes.saw(store::Change::brothers));
    QCOMPARE(window.doc().local_brothers().size(), std::size_t(2));
}

void EditorCommandsTest::availability_command_marks_weeks_and_writes_them_at_the_end() {
    GuiDocument g;
    gui::MainWindow window(open_data(g), g.prompter);
    when_modal([](QWidget* w) {
        auto* list = qobject_cast<gui::BrotherListDialog*>(w);
        QVERIFY(list);
        QVERIFY(!list->add_button()->isVisible());
        QCOMPARE(list->ok_button()->text(), QStringLiteral("&Выбрать"));
        list->list()->select_line(0);
        when_modal([list](QWidget* a) {
            auto* availability = qobject_cast<gui::AvailabilityDialog*>(a);
            QVERIFY(availability);
            availability->list()->item(2)->setSelected(true);
            QTest::mouseClick(availability->ok_button(), Qt::LeftButton);
            QTimer::singleShot(0, list, [list] { list->reject(); });
        });
        QTest::mouseClick(list->ok_button(), Qt::LeftButton);
    });
    window.commands().action(Command::availability)->trigger();
    // Brother 1, week number W + 2 = 1408.
    QCOMPARE(read_bytes(g.dir / "blackout.dat"), unavailable_bytes(1, 1408).bytes());
}

QTEST_MAIN(EditorCommandsTest)
#include "editor_commands_test.moc"
