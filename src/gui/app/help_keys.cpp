#include "gui/app/help_keys.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QVariant>
#include <QWhatsThis>

#include "core/app/help_pages.h"
#include "gui/app/help_window.h"

namespace vorla::gui {

namespace {

bool has_own_text(const QWidget* w) {
    for (; w; w = w->isWindow() ? nullptr : w->parentWidget()) {
        if (!w->whatsThis().isEmpty()) return true;
    }
    return false;
}

class HelpKeys : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (!widget) return false;
        if (event->type() == QEvent::WhatsThis && !has_own_text(widget)) {
            open_help_for(widget->window());
            event->accept();
            return true;
        }
        if (event->type() != QEvent::KeyPress) return false;
        // The main window has its own F1 and Shift+F1 commands; these are for dialogs.
        QWidget* window = widget->window();
        if (!qobject_cast<QDialog*>(window)) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_F1) return false;
        if (key->modifiers() == Qt::NoModifier) {
            open_help_for(window);
            return true;
        }
        if (key->modifiers() == Qt::ShiftModifier) {
            QWhatsThis::enterWhatsThisMode();
            return true;
        }
        return false;
    }
};

}  // namespace

void install_help_keys(QApplication& app) {
    app.installEventFilter(new HelpKeys(&app));
}

void open_help_for(QWidget* window) {
    // A window of the dialog's own, so that its modality does not block it.
    auto* help = new HelpWindow(window);
    help->setAttribute(Qt::WA_DeleteOnClose);
    const QVariant own = window->property(kHelpPageProperty);
    help->show_page(own.isValid() ? own.toString()
                                  : QString::fromStdString(
                                        app::help_page_for(window->metaObject()->className())));
}

}  // namespace vorla::gui
