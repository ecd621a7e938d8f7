#include "gui/app/select_on_focus.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QEvent>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

namespace vorla::gui {

namespace {

class SelectOnFocus : public QObject {
  public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::FocusIn) return false;
        auto* spin = qobject_cast<QAbstractSpinBox*>(watched);
        if (!spin) {
            if (auto* edit = qobject_cast<QLineEdit*>(watched))
                spin = qobject_cast<QAbstractSpinBox*>(edit->parentWidget());
        }
        if (spin) {
            // After the click that gave the focus has placed the caret.
            QTimer::singleShot(0, spin, [box = QPointer<QAbstractSpinBox>(spin)] {
                if (box && box->hasFocus()) box->selectAll();
            });
        }
        return false;
    }
};

}  // namespace

void select_numbers_on_focus(QApplication& app) {
    app.installEventFilter(new SelectOnFocus(&app));
}

}  // namespace vorla::gui
