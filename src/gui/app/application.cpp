#include "gui/app/application.h"

#include <QApplication>
#include <QEvent>

#include <cstdlib>

#include "core/store/vr_doc.h"
#include "gui/app/icons.h"
#include "gui/app/main_frame.h"
#include "gui/app/qt_prompter.h"
#include "gui/app/qt_translations.h"

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
                const calendar::Date& today) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vorla"));
    QApplication::setApplicationDisplayName(program_title());
    QApplication::setWindowIcon(program_icon());
    QApplication::setDesktopFileName(QStringLiteral("vorla"));

    QtPrompter prompter;
    store::CVrDoc doc({folder, today, {}}, prompter);
    install_qt_translations(app, doc.language());
    int code = 0;
    {
        CMainFrame frame(doc, prompter);
        FirstPaintProbe probe;
        if (std::getenv("VORLA_STARTUP_PROBE")) frame.installEventFilter(&probe);
        frame.show();
        frame.adjustSize();
        code = QApplication::exec();
        // Nothing else needs saving: every change reached its file when it was made.
        frame.save_fonts();
    }
    return code;
}

}  // namespace vorla::gui
