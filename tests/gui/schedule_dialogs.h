#pragma once
// Helpers for the tests of the scheduling sheet and its pickers: answering a modal dialog of
// one kind (nested dialogs open over one another), and clicking cells and lines.
#include <QApplication>
#include <QDialog>
#include <QListWidget>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <functional>

#include "support/gui_fixture.h"

namespace vorla::testing {

// Runs `act` on the next modal dialog of type T once it is shown. A dialog the act left
// open (a failed check) is closed, so that the test goes on instead of waiting forever.
template <class T>
void when_dialog(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible()) return;
        timer->stop();
        timer->deleteLater();
        act(dialog);
        if (dialog->isVisible()) dialog->QDialog::reject();
    });
    timer->start();
}

// A picture of the widget once pending layouts have settled (captions set just before).
inline void shot(QWidget* widget, const QString& name) {
    QApplication::processEvents();
    save_shot(widget, name);
}

inline void click_cell(QTreeWidget* list, int row, int column) {
    const QRect cell = list->visualRect(list->model()->index(row, column));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, cell.center());
}

// A double-click as a person makes it: a click, then the second press and its release (the
// tree views ignore QTest's double-click, which has no release after the first press).
inline void double_click_cell(QTreeWidget* list, int row, int column) {
    QWidget* viewport = list->viewport();
    const QPoint at = list->visualRect(list->model()->index(row, column)).center();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, at);
    QMouseEvent twice(QEvent::MouseButtonDblClick, at, viewport->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &twice);
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, at);
}

inline void click_line(QListWidget* list, int row) {
    list->scrollToItem(list->item(row));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
}

// The row of the first line whose cell in `column` equals `text`, -1 when none.
inline int row_with(QTreeWidget* list, int column, const QString& text) {
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        if (list->topLevelItem(r)->text(column) == text) return r;
    }
    return -1;
}

}  // namespace vorla::testing
