#include "gui/schedule/schedule_widgets.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLayout>
#include <QPainter>
#include <QStyledItemDelegate>

#include "core/text/texts.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

namespace {

// Draws the hover frame over the usual item; across the columns of a row it runs as one.
class HoverFrame : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override {
        QStyledItemDelegate::paint(painter, option, index);
        if (!(option.state & QStyle::State_MouseOver)) return;
        const QRect& r = option.rect;  // right() and bottom() are its last pixels
        const bool first = index.column() == 0;
        const bool last = index.column() + 1 >= index.model()->columnCount(index.parent());
        painter->save();
        painter->setPen(QPen(Qt::black, 1));
        painter->drawLine(r.topLeft(), r.topRight());
        painter->drawLine(r.bottomLeft(), r.bottomRight());
        if (first) painter->drawLine(r.topLeft(), r.bottomLeft());
        if (last) painter->drawLine(r.topRight(), r.bottomRight());
        painter->restore();
    }
};

}  // namespace

QPushButton* add_ok_cancel(QDialog* picker, QLayout* layout) {
    auto* buttons = new QDialogButtonBox(picker);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(qs(text::text(text::TextId::cancel)), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    layout->addWidget(buttons);
    QObject::connect(buttons, &QDialogButtonBox::accepted, picker, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, picker, &QDialog::reject);
    return ok;
}

QLabel* alert_label(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    QPalette alert = label->palette();
    alert.setColor(QPalette::WindowText, QColor(0xA0, 0x10, 0x10));
    label->setPalette(alert);
    return label;
}

QVBoxLayout* frame_week_page(QWidget* page, QLayout* top, QWidget* weeks, QLayout* side) {
    auto* middle = new QHBoxLayout;
    middle->addWidget(weeks, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(page);
    if (top) layout->addLayout(top);
    layout->addLayout(middle, 1);
    return layout;
}

void frame_hovered_line(QAbstractItemView* list) {
    list->setMouseTracking(true);
    list->viewport()->setAttribute(Qt::WA_Hover);
    list->setItemDelegate(new HoverFrame(list));
}

}  // namespace vorla::gui
