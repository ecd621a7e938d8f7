#include "gui/schedule/schedule_widgets.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "core/schedule/week_list.h"
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

void frame_hovered_line(QAbstractItemView* list) {
    list->setMouseTracking(true);
    list->viewport()->setAttribute(Qt::WA_Hover);
    list->setItemDelegate(new HoverFrame(list));
}

QTreeWidget* make_column_list(const std::vector<std::string>& captions, QWidget* parent) {
    auto* list = new QTreeWidget(parent);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setColumnCount(static_cast<int>(captions.size()));
    QStringList labels;
    for (const std::string& c : captions)
        labels << qs(c);
    list->setHeaderLabels(labels);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(true);
    return list;
}

void set_row_cells(QTreeWidgetItem* item, const std::vector<std::string>& cells) {
    for (int c = 0; c < item->columnCount() || c < static_cast<int>(cells.size()); ++c) {
        item->setText(c, c < static_cast<int>(cells.size()) ? qs(cells[static_cast<std::size_t>(c)])
                                                            : QString());
    }
}

void fill_column_list(QTreeWidget* list, const std::vector<std::string>& lines) {
    list->clear();
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (std::size_t k = 0; k < lines.size(); ++k) {
        auto* item = new QTreeWidgetItem;
        set_row_cells(item, schedule::split_tabs(lines[k]));
        item->setData(0, Qt::UserRole, static_cast<qulonglong>(k));
        items.append(item);
    }
    list->addTopLevelItems(items);
}

std::optional<std::size_t> selected_line(const QTreeWidget* list) {
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return selected.first()->data(0, Qt::UserRole).toULongLong();
}

QPushButton* side_button(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}

void fit_columns(QTreeWidget* list, const std::vector<int>& least) {
    int total = 0;
    for (int c = 0; c < list->columnCount(); ++c) {
        list->resizeColumnToContents(c);
        const int at_least =
            c < static_cast<int>(least.size()) ? least[static_cast<std::size_t>(c)] : 0;
        const int width =
            std::max({list->columnWidth(c), list->header()->sectionSizeHint(c), at_least}) + 12;
        // The last column stretches over what is left.
        if (c + 1 < list->columnCount()) list->setColumnWidth(c, width);
        total += width;
    }
    list->setMinimumWidth(
        std::max(list->minimumWidth(),
                 total + 2 * list->frameWidth() + list->verticalScrollBar()->sizeHint().width()));
}

}  // namespace vorla::gui
