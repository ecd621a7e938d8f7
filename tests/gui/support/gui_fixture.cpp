#include "support/gui_fixture.h"

#include <QApplication>
#include <QDir>
#include <QTimer>

namespace vorla::testing {

store::Document& GuiDocument::open(calendar::Date today) {
    doc = std::make_unique<store::Document>(store::Document::Options{dir.path(), today, {}},
                                            prompter);
    return *doc;
}

QString save_shot(QWidget* widget, const QString& name) {
    QDir().mkpath(QStringLiteral(VORLA_SHOTS_DIR));
    const QString path = QStringLiteral(VORLA_SHOTS_DIR "/%1.png").arg(name);
    widget->grab().save(path);
    return path;
}

void when_modal(std::function<void(QWidget*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(modal);
    });
    timer->start();
}

}  // namespace vorla::testing

#include <QKeyEvent>

namespace vorla::testing {

void type_text(QWidget* widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &release);
    }
}

}  // namespace vorla::testing
