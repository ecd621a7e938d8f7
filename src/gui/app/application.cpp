#include "gui/app/application.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdlib>

#include "core/app/folder_access.h"
#include "core/store/document.h"
#include "gui/app/help_keys.h"
#include "gui/app/icons.h"
#include "gui/app/main_window.h"
#include "gui/app/qt_prompter.h"
#include "gui/app/qt_translations.h"
#include "gui/app/select_on_focus.h"

namespace vorla::gui {

namespace {

// For the start-up benchmark: ends the process as soon as the main window has painted.
class FirstPaintProbe : public QObject {
  public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) std::_Exit(0);
        return false;
    }
};

}  // namespace

int run_desktop(int& argc, char** argv, const std::filesystem::path& folder,
                const calendar::Clock& clock) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorla"));
    QApplication::setApplicationDisplayName(program_title());
    QApplication::setWindowIcon(program_icon());
    QApplication::setDesktopFileName(QStringLiteral("vorla"));

    QtPrompter prompter;
    // Held until the program ends: a second program opens the folder read-only or quits.
    const app::FolderAccess access =
        app::take_data_folder(folder, app::FolderUse::desktop, prompter);
    if (access.refused) return 0;
    store::Document doc({folder, clock.today(), {}, access.read_only, &clock}, prompter);
    install_qt_translations(app, doc.language());
    select_numbers_on_focus(app);
    install_help_keys(app);
    int code = 0;
    {
        MainWindow window(doc, prompter);
        FirstPaintProbe probe;
        if (std::getenv("VORLA_STARTUP_PROBE")) window.installEventFilter(&probe);
        window.show();
        window.adjustSize();
        QTimer::singleShot(0, &window, [&window] { window.give_first_run_advice(); });
        code = QApplication::exec();
        // Nothing else needs saving: every change reached its file when it was made.
        window.save_fonts();
    }
    return code;
}

}  // namespace vorla::gui
