#include "gui/app/side_button.h"

#include <QFontMetrics>
#include <QStyle>
#include <QStyleOptionButton>

namespace vorla::gui {

namespace {

// The room a caption has inside a button of the button's width.
int caption_room(const QPushButton* b) {
    QStyleOptionButton option;
    option.initFrom(b);
    const QSize frame =
        b->style()->sizeFromContents(QStyle::CT_PushButton, &option, QSize(0, 0), b);
    return b->width() > 0 ? b->width() - frame.width() : b->maximumWidth() - frame.width();
}

}  // namespace

void keep_side_column(std::initializer_list<QPushButton*> buttons, const QString& widest) {
    for (QPushButton* b : buttons) {
        QStyleOptionButton option;
        option.initFrom(b);
        const QSize text(b->fontMetrics().horizontalAdvance(widest), b->fontMetrics().height());
        b->setFixedWidth(
            b->style()->sizeFromContents(QStyle::CT_PushButton, &option, text, b).width());
        QSizePolicy policy = b->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        b->setSizePolicy(policy);
    }
}

void set_side_text(QPushButton* button, const QString& text) {
    const QString shown =
        button->fontMetrics().elidedText(text, Qt::ElideRight, caption_room(button));
    button->setText(shown);
    button->setToolTip(shown == text ? QString() : text);
}

}  // namespace vorla::gui
