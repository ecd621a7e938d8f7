// Every dialog walked as a new user meets it, with Qt's Russian loaded: no English word in
// what it shows, Tab in reading order, a size and controls that stay put while its state
// changes, room at 1024 x 768, one chosen row per list, numbers selected on a click, F1 opens
// its help section, and Esc closes it.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMap>
#include <QRegularExpression>
#include <QTabBar>
#include <QTest>
#include <QTextBrowser>
#include <QTextDocumentFragment>
#include <QTreeWidget>
#include <functional>
#include <memory>

#include "core/app/help_pages.h"
#include "core/schedule/schedule_fixture.h"
#include "gui/app/about_dialog.h"
#include "gui/app/backup_dialog.h"
#include "gui/app/help_keys.h"
#include "gui/app/help_window.h"
#include "gui/app/line_list.h"
#include "gui/app/qt_translations.h"
#include "gui/app/select_on_focus.h"
#include "gui/app/settings_dialog.h"
#include "gui/editors/availability_dialog.h"
#include "gui/editors/brother_editor_dialog.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/editors/congregation_editor_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/folder_chooser_dialog.h"
#include "gui/editors/local_role_list_dialog.h"
#include "gui/editors/name_list_dialog.h"
#include "gui/editors/our_congregation_dialog.h"
#include "gui/editors/speaker_history_dialog.h"
#include "gui/editors/talk_chooser_dialog.h"
#include "gui/editors/talk_history_dialog.h"
#include "gui/editors/week_editor_dialog.h"
#include "gui/editors/wish_list_dialog.h"
#include "gui/reports/font_chooser.h"
#include "gui/reports/week_range_dialog.h"
#include "gui/schedule/congregation_chooser_dialog.h"
#include "gui/schedule/contacts_dialog.h"
#include "gui/schedule/event_dialog.h"
#include "gui/schedule/schedule_sheet.h"
#include "gui/schedule/speaker_picker_dialog.h"
#include "gui/schedule/summary_page.h"
#include "gui/schedule/talk_picker_dialog.h"
#include "gui/schedule/week_congregation_dialog.h"
#include "schedule_dialogs.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;

namespace {

using Make = std::function<std::unique_ptr<QDialog>(store::Document&)>;
using Change = std::function<void(QDialog*)>;

struct State {
    QString name;
    Change change;
};

struct DialogCase {
    QString name;
    Make make;
    // Changes that show or hide things; the dialog and its controls must not move.
    std::vector<State> states = {};
    // The scheduling sheet closes only by OK or "Отмена", so that no plan is lost to a key.
    bool escape_closes = true;
};

template <class T, class... Args>
Make make(Args... args) {
    return [=](store::Document& doc) -> std::unique_ptr<QDialog> {
        return std::make_unique<T>(doc, args...);
    };
}

template <class T>
T* as(QDialog* dialog) {
    return static_cast<T*>(dialog);
}

std::vector<DialogCase> dialog_cases() {
    schedule::TalkPickerParams talks;
    talks.title = "Января 03, 2027 - Лесное";
    talks.chosen = 12;
    const schedule::SpeakerPickerParams speakers{"Января 03, 2027 - Речь 12", 12,
                                                 calendar::WeekIndex(1408), 0, 0};
    return {
        {QStringLiteral("about"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::AboutDialog>(
                 QString::fromStdString(doc.folder().folder().string()));
         }},
        {QStringLiteral("settings"),
         make<gui::SettingsDialog>(),
         {{QStringLiteral("readers"),
           [](QDialog* d) { as<gui::SettingsDialog>(d)->readers()->click(); }}}},
        {QStringLiteral("availability"),
         make<gui::AvailabilityDialog>(std::uint16_t{1}, false, false)},
        {QStringLiteral("availability_new_brother"),
         make<gui::AvailabilityDialog>(std::uint16_t{0}, false, false)},
        {QStringLiteral("brother_editor"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::BrotherEditorDialog>(doc, nullptr, doc.brothers().find(1),
                                                               0);
         }},
        {QStringLiteral("brother_list"),
         make<gui::BrotherListDialog>(editors::BrotherListParams{})},
        {QStringLiteral("congregation_editor"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::CongregationEditorDialog>(doc, nullptr,
                                                                    doc.congregations().find(2));
         }},
        {QStringLiteral("congregation_list"), make<gui::CongregationListDialog>(false)},
        {QStringLiteral("our_congregation"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::OurCongregationDialog>(doc, nullptr);
         }},
        {QStringLiteral("outgoing_speakers"),
         make<gui::LocalRoleListDialog>(editors::LocalRoleListParams{})},
        {QStringLiteral("wish_list"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             store::WishListRecord wanted;
             wanted.wanted.set(12);
             wanted.wanted.set(34);
             wanted.wanted_high.set(34);
             doc.wish_list().set_record(wanted);
             return std::make_unique<gui::WishListDialog>(doc, settings::ReportFonts("rus"));
         },
         {{QStringLiteral("line_selected"),
           [](QDialog* d) { click_cell(as<gui::WishListDialog>(d)->list(), 1, 0); }},
          {QStringLiteral("all_removed"),
           [](QDialog* d) {
               auto* dialog = as<gui::WishListDialog>(d);
               dialog->remove_button()->click();
               dialog->remove_button()->click();
           }}}},
        {QStringLiteral("backup"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::BackupDialog>(doc, app::BackupDirection::backup,
                                                        doc.prompter());
         }},
        {QStringLiteral("circuits"), make<gui::NameListDialog>(editors::NamedList::circuits)},
        {QStringLiteral("talk_titles"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::TalkChooserDialog>(
                 doc, editors::TalkChooserModel::titles(doc));
         }},
        {QStringLiteral("font_chooser"),
         [](store::Document&) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::FontChooser>(
                 QStringLiteral("Шрифт"),
                 settings::default_font(settings::FontRole::captions, "rus"));
         }},
        {QStringLiteral("week_range"),
         make<gui::WeekRangeDialog>(reports::WeekRangeForm::schedule)},
        {QStringLiteral("week_range_calendar"),
         make<gui::WeekRangeDialog>(reports::WeekRangeForm::calendar)},
        {QStringLiteral("week_range_lists"),
         make<gui::WeekRangeDialog>(reports::WeekRangeForm::long_list)},
        {QStringLiteral("folder_chooser"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::FolderChooserDialog>(
                 editors::FolderChooserModel::Params{doc.folder().folder(), {}, false, {}},
                 doc.prompter());
         }},
        {QStringLiteral("congregation_chooser"),
         make<gui::CongregationChooserDialog>(schedule::ChooserMode::ours)},
        {QStringLiteral("contacts"), make<gui::ContactsDialog>(std::uint16_t{1}, std::uint16_t{0})},
        {QStringLiteral("speaker_picker"),
         make<gui::SpeakerPickerDialog>(speakers),
         {{QStringLiteral("line_selected"),
           [](QDialog* d) { click_cell(as<gui::SpeakerPickerDialog>(d)->list(), 1, 0); }},
          {QStringLiteral("other_circuit"),
           [](QDialog* d) { as<gui::SpeakerPickerDialog>(d)->circuits()->setCurrentIndex(2); }}}},
        {QStringLiteral("talk_picker"), make<gui::TalkPickerDialog>(talks)},
        {QStringLiteral("week_congregation"),
         make<gui::WeekCongregationDialog>(
             schedule::WeekCongregationParams{"Января 03, 2027", 12, calendar::WeekIndex(1408)})},
        {QStringLiteral("schedule_sheet"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::ScheduleSheet>(doc, nullptr,
                                                         schedule::PageKind::local_talks);
         },
         {{QStringLiteral("week_selected"),
           [](QDialog* d) {
               click_cell(d->findChild<gui::LineList*>(QStringLiteral("weeks")), 2, 1);
           }},
          {QStringLiteral("other_week"),
           [](QDialog* d) {
               click_cell(d->findChild<gui::LineList*>(QStringLiteral("weeks")), 5, 1);
           }}},
         false},
        {QStringLiteral("week_editor"),
         make<gui::WeekEditorDialog>(),
         {{QStringLiteral("week_planned"),
           [](QDialog* d) {
               auto* editor = as<gui::WeekEditorDialog>(d);
               editor->model().apply_speaker(0);
               editor->model().apply_talk(12);
               editor->model().add_outgoing(1);
               editor->model().add_outgoing(2);
               // Away and back: the week was stored and shows what it holds.
               const int line = editor->week_list()->currentIndex();
               editor->week_list()->setCurrentIndex(line + 1);
               editor->week_list()->setCurrentIndex(line);
           }}}},
        {QStringLiteral("speaker_history"),
         make<gui::SpeakerHistoryDialog>(std::uint16_t{0}),
         {{QStringLiteral("other_circuit"),
           [](QDialog* d) { as<gui::SpeakerHistoryDialog>(d)->circuits()->setCurrentIndex(2); }}}},
        {QStringLiteral("talk_history"),
         make<gui::TalkHistoryDialog>(schedule::TalkHistoryMode::local, false, 0)},
        {QStringLiteral("outgoing_talk_history"),
         make<gui::TalkHistoryDialog>(schedule::TalkHistoryMode::outgoing, false, 0)},
        {QStringLiteral("pick_week"),
         make<gui::TalkHistoryDialog>(schedule::TalkHistoryMode::outgoing, true, 0)},
        {QStringLiteral("schedule_sheet_outgoing"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::ScheduleSheet>(doc, nullptr,
                                                         schedule::PageKind::outgoing);
         },
         {},
         false},
        {QStringLiteral("schedule_sheet_summary"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::ScheduleSheet>(doc, nullptr, schedule::PageKind::summary);
         },
         {{QStringLiteral("roles_view"),
           [](QDialog* d) { d->findChild<gui::SummaryPage*>()->view_button()->click(); }},
          {QStringLiteral("spun_on"),
           [](QDialog* d) { d->findChild<gui::SummaryPage*>()->spin_up()->click(); }}},
         false},
        {QStringLiteral("schedule_sheet_events"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::ScheduleSheet>(doc, nullptr, schedule::PageKind::events);
         },
         {},
         false},
        {QStringLiteral("event_dialog"),
         [](store::Document& doc) -> std::unique_ptr<QDialog> {
             return std::make_unique<gui::EventDialog>(
                 schedule::EventDialogModel(doc, std::nullopt));
         },
         {{QStringLiteral("overseer_visit"),
           [](QDialog* d) {
               as<gui::EventDialog>(d)->kind_button(store::EventKind::overseer_visit)->click();
           }},
          {QStringLiteral("convention"),
           [](QDialog* d) {
               as<gui::EventDialog>(d)->kind_button(store::EventKind::convention)->click();
           }}}},
    };
}

QString class_of(const QWidget* w) {
    return QString::fromLatin1(w->metaObject()->className());
}

// What the user reads on a widget.
QStringList shown_texts(QWidget* w) {
    QStringList out;
    auto add = [&out](const QString& s) {
        if (!s.isEmpty())
            out << (Qt::mightBeRichText(s) ? QTextDocumentFragment::fromHtml(s).toPlainText() : s);
    };
    add(w->toolTip());
    add(w->whatsThis());
    if (auto* label = qobject_cast<QLabel*>(w)) add(label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) add(button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) add(group->title());
    if (auto* edit = qobject_cast<QLineEdit*>(w)) add(edit->placeholderText());
    if (auto* spin = qobject_cast<QAbstractSpinBox*>(w)) add(spin->specialValueText());
    if (auto* tabs = qobject_cast<QTabBar*>(w)) {
        for (int i = 0; i < tabs->count(); ++i)
            add(tabs->tabText(i));
    }
    if (auto* combo = qobject_cast<QComboBox*>(w)) {
        for (int i = 0; i < combo->count(); ++i)
            add(combo->itemText(i));
    }
    if (auto* tree = qobject_cast<QTreeWidget*>(w)) {
        for (int c = 0; c < tree->columnCount(); ++c)
            add(tree->headerItem()->text(c));
    }
    return out;
}

// The English words a user would meet in the dialog; the program's name, file kinds, key
// names, "OK" and "E-mail" pass, and so do the paths of files.
QStringList english_words(QDialog* dialog) {
    static const QRegularExpression word(QStringLiteral("[A-Za-z]{2,}"));
    static const QRegularExpression path(QStringLiteral("/\\S*"));
    static const QStringList allowed = {
        QStringLiteral("Vorla"), QStringLiteral("PDF"),  QStringLiteral("JPG"),
        QStringLiteral("VPK"),   QStringLiteral("JPEG"), QStringLiteral("OK"),
        QStringLiteral("Tab"),   QStringLiteral("mail"), QStringLiteral("Enter")};
    QStringList found;
    QList<QWidget*> widgets = dialog->findChildren<QWidget*>();
    widgets.prepend(dialog);
    for (QWidget* w : widgets) {
        if (w != dialog && !w->isVisibleTo(dialog)) continue;
        QStringList texts = shown_texts(w);
        if (w == dialog) texts << dialog->windowTitle();
        for (const QString& t : texts) {
            QRegularExpressionMatchIterator words = word.globalMatch(QString(t).remove(path));
            while (words.hasNext()) {
                if (!allowed.contains(words.next().captured()))
                    found << class_of(w) + QStringLiteral(": ") + t;
            }
        }
    }
    found.removeDuplicates();
    return found;
}

QRect in_dialog(QWidget* w, QDialog* dialog) {
    return QRect(w->mapTo(dialog, QPoint(0, 0)), w->size());
}

// Tab must not go back up within a column: the next control never lies wholly above the
// previous one while sharing its columns.
QStringList tab_order_faults(QDialog* dialog) {
    QList<QWidget*> chain;
    for (QWidget* w = dialog->nextInFocusChain(); w && w != dialog; w = w->nextInFocusChain()) {
        if (!w->isVisibleTo(dialog) || !w->isEnabled() || !(w->focusPolicy() & Qt::TabFocus) ||
            w->focusProxy())
            continue;
        if (!chain.isEmpty() && chain.contains(w)) break;
        chain << w;
    }
    QStringList faults;
    for (int i = 1; i < chain.size(); ++i) {
        const QRect before = in_dialog(chain[i - 1], dialog);
        const QRect next = in_dialog(chain[i], dialog);
        const bool above = next.bottom() < before.top();
        const bool same_column = next.left() < before.right() && before.left() < next.right();
        if (above && same_column) {
            faults << QStringLiteral("%1 %2 -> %3 %4")
                          .arg(class_of(chain[i - 1]), shown_texts(chain[i - 1]).value(0),
                               class_of(chain[i]), shown_texts(chain[i]).value(0));
        }
    }
    return faults;
}

// Where every control of the dialog stands.
QMap<QWidget*, QRect> control_places(QDialog* dialog) {
    QMap<QWidget*, QRect> places;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QAbstractButton*>(w) ||
                             qobject_cast<QAbstractItemView*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QLineEdit*>(w) || qobject_cast<QAbstractSpinBox*>(w);
        if (control && w->isVisibleTo(dialog) &&
            !qobject_cast<QAbstractItemView*>(w->parentWidget()))
            places.insert(w, in_dialog(w, dialog));
    }
    return places;
}

// A list with one choice shows its focus frame on the chosen row, or on none.
QStringList lists_with_two_rows_marked(QDialog* dialog) {
    QStringList faults;
    for (gui::LineList* list : dialog->findChildren<gui::LineList*>()) {
        if (!list->isVisibleTo(dialog) ||
            list->selectionMode() != QAbstractItemView::SingleSelection)
            continue;
        QTreeWidgetItem* current = list->currentItem();
        if (current && !current->isSelected())
            faults << list->objectName() + QStringLiteral(": frame on row %1, not chosen")
                                               .arg(list->indexOfTopLevelItem(current));
    }
    return faults;
}

bool russian_qt_installed() {
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                         QStringLiteral("/qtbase_ru.qm"));
}

}  // namespace

class DialogWalkTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void every_dialog_is_russian_steady_and_keyboard_ready_data();
    void every_dialog_is_russian_steady_and_keyboard_ready();
};

void DialogWalkTest::initTestCase() {
    if (!russian_qt_installed()) QSKIP("Qt's Russian translation is not installed here");
    QVERIFY(gui::install_qt_translations(*qApp, "rus"));
    gui::select_numbers_on_focus(*qApp);
    gui::install_help_keys(*qApp);
}

void DialogWalkTest::every_dialog_is_russian_steady_and_keyboard_ready_data() {
    QTest::addColumn<int>("index");
    const std::vector<DialogCase> cases = dialog_cases();
    for (std::size_t i = 0; i < cases.size(); ++i)
        QTest::newRow(cases[i].name.toUtf8().constData()) << static_cast<int>(i);
}

void DialogWalkTest::every_dialog_is_russian_steady_and_keyboard_ready() {
    QFETCH(int, index);
    const DialogCase c = dialog_cases()[static_cast<std::size_t>(index)];
    GuiDocument g;
    write_planning_folder(g.dir.path());
    store::Document& doc = g.open();
    std::unique_ptr<QDialog> dialog = c.make(doc);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    dialog->activateWindow();
    QApplication::processEvents();
    shot(dialog.get(), QStringLiteral("walk_") + c.name);

    const QStringList english = english_words(dialog.get());
    QVERIFY2(english.isEmpty(), qPrintable(english.join(QStringLiteral(" | "))));
    const QStringList tab_faults = tab_order_faults(dialog.get());
    QVERIFY2(tab_faults.isEmpty(), qPrintable(tab_faults.join(QStringLiteral(" | "))));
    QVERIFY2(dialog->width() <= 1024 && dialog->height() <= 728,
             qPrintable(QStringLiteral("%1 x %2").arg(dialog->width()).arg(dialog->height())));

    for (const State& s : c.states) {
        const QSize size = dialog->size();
        const QMap<QWidget*, QRect> places = control_places(dialog.get());
        s.change(dialog.get());
        QApplication::processEvents();
        shot(dialog.get(), QStringLiteral("walk_") + c.name + QLatin1Char('_') + s.name);
        QVERIFY2(dialog->isVisible(), qPrintable(s.name));
        QCOMPARE(dialog->size(), size);
        const QMap<QWidget*, QRect> now = control_places(dialog.get());
        for (auto it = now.begin(); it != now.end(); ++it) {
            if (!places.contains(it.key())) continue;
            QVERIFY2(
                places[it.key()] == it.value(),
                qPrintable(s.name + QStringLiteral(": ") + class_of(it.key()) + QLatin1Char(' ') +
                           shown_texts(it.key()).value(0) + QStringLiteral(" moved")));
        }
        const QStringList english_now = english_words(dialog.get());
        QVERIFY2(english_now.isEmpty(), qPrintable(english_now.join(QStringLiteral(" | "))));
        const QStringList marked = lists_with_two_rows_marked(dialog.get());
        QVERIFY2(marked.isEmpty(), qPrintable(marked.join(QStringLiteral(" | "))));
    }
    const QStringList marked = lists_with_two_rows_marked(dialog.get());
    QVERIFY2(marked.isEmpty(), qPrintable(marked.join(QStringLiteral(" | "))));

    // A click into a number selects it, so that typing replaces it.
    for (QAbstractSpinBox* spin : dialog->findChildren<QAbstractSpinBox*>()) {
        if (!spin->isVisibleTo(dialog.get()) || !spin->isEnabled()) continue;
        auto* edit = spin->findChild<QLineEdit*>();
        QTest::mouseClick(edit, Qt::LeftButton, {}, QPoint(edit->width() - 4, edit->height() / 2));
        QTRY_COMPARE(edit->selectedText(), edit->text());
    }

    // F1 opens the dialog's own help section in a window the dialog's modality does not block.
    QWidget* before_help = QApplication::focusWidget();
    QTest::keyClick(before_help && dialog->isAncestorOf(before_help) ? before_help : dialog.get(),
                    Qt::Key_F1);
    auto* help = dialog->findChild<gui::HelpWindow*>();
    QVERIFY(help);
    QVERIFY(help->isVisible());
    const QVariant own = dialog->property(gui::kHelpPageProperty);
    const QString page =
        own.isValid()
            ? own.toString()
            : QString::fromStdString(app::help_page_for(dialog->metaObject()->className()));
    QVERIFY2(help->browser()->source().toString().endsWith(page),
             qPrintable(help->browser()->source().toString()));
    help->close();
    dialog->activateWindow();
    QApplication::processEvents();

    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && dialog->isAncestorOf(focus) ? focus : dialog.get(), Qt::Key_Escape);
    if (c.escape_closes) {
        QTRY_VERIFY(!dialog->isVisible());
    } else {
        QApplication::processEvents();
        QVERIFY(dialog->isVisible());
    }
}

QTEST_MAIN(DialogWalkTest)
#include "dialog_walk_test.moc"
