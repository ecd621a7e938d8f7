#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QFontDialog>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gui/app/qt_translations.h"
#include "gui/reports/font_chooser.h"
#include "support/gui_fixture.h"

using namespace vorla;
using namespace vorla::testing;

namespace {

bool russian_qt_installed() {
    return QFile::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                         QStringLiteral("/qtbase_ru.qm"));
}

}  // namespace

// The report-font chooser as the program shows it: Qt's font dialog in Russian, the role's
// font preselected, no underline or strike-out, and the colour button.
class FontChooserTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void qt_dialogs_speak_the_language_of_the_program();
    void the_chooser_shows_the_roles_weight_and_slant();
    void the_chooser_offers_font_and_colour_only();
};

void FontChooserTest::initTestCase() {
    QVERIFY(!gui::install_qt_translations(*qApp, "eng"));
    QCOMPARE(gui::install_qt_translations(*qApp, "rus"), russian_qt_installed());
}

void FontChooserTest::qt_dialogs_speak_the_language_of_the_program() {
    if (!russian_qt_installed()) QSKIP("Qt's Russian translation is not installed here");
    QCOMPARE(QCoreApplication::translate("QFontDialog", "&Font"), QStringLiteral("&Шрифт"));
}

void FontChooserTest::the_chooser_shows_the_roles_weight_and_slant() {
    struct Case {
        settings::FontRole role;
        bool bold;
        bool italic;
    };
    for (const Case& c : {Case{settings::FontRole::captions, false, true},
                          Case{settings::FontRole::talk_title, true, true},
                          Case{settings::FontRole::title, true, false},
                          Case{settings::FontRole::text, false, false}}) {
        const settings::FontSpec font = settings::default_font(c.role, "rus");
        gui::FontChooser chooser(QStringLiteral("Шрифт"), font);
        const QFont shown = chooser.font_dialog()->currentFont();
        QCOMPARE(shown.bold(), c.bold);
        QCOMPARE(shown.italic(), c.italic);
        // A new size alone keeps the weight and the slant.
        QFont bigger = shown;
        bigger.setPointSize(14);
        chooser.font_dialog()->setCurrentFont(bigger);
        const settings::FontSpec chosen = chooser.chosen();
        QCOMPARE(chosen.height, -19);  // 14 points of the 96-dpi screen
        QCOMPARE(chosen.weight, font.weight);
        QCOMPARE(chosen.italic, font.italic);
    }
}

void FontChooserTest::the_chooser_offers_font_and_colour_only() {
    const settings::FontSpec font = settings::default_font(settings::FontRole::captions, "rus");
    gui::FontChooser chooser(QStringLiteral("Шрифт для названий полей"), font);
    chooser.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chooser));
    for (QCheckBox* box : chooser.font_dialog()->findChildren<QCheckBox*>())
        QVERIFY2(!box->isVisible(), qPrintable(box->text()));
    QVERIFY(chooser.colour_button()->isVisible());
    // The sample has room to show the font.
    const auto* sample =
        chooser.font_dialog()->findChild<QLineEdit*>(QStringLiteral("qt_fontDialog_sampleEdit"));
    QVERIFY(sample);
    QVERIFY(sample->height() >= 40);
    save_shot(&chooser, QStringLiteral("font_chooser_ru"));
}

QTEST_MAIN(FontChooserTest)
#include "font_chooser_test.moc"
