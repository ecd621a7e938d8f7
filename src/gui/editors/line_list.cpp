#include "gui/editors/line_list.h"

#include <QHeaderView>
#include <QKeyEvent>

#include "gui/app/string_helpers.h"

namespace vorla::gui {

LineList::LineList(int columns, QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(columns);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (filling_) return;
        if (const auto line = current_line()) emit line_selected(static_cast<int>(*line));
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { emit line_activated(indexOfTopLevelItem(item)); });
}

void LineList::set_lines(const std::vector<editors::ListLine>& lines) {
    filling_ = true;
    clear();
    texts_ = editors::texts_of(lines);
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(lines.size()));
    for (const editors::ListLine& l : lines) {
        auto* item = new QTreeWidgetItem(qs(l.text).split(QLatin1Char('\t')));
        item->setData(0, Qt::UserRole, static_cast<qulonglong>(l.position));
        items.append(item);
    }
    addTopLevelItems(items);
    filling_ = false;
}

void LineList::select_line(std::optional<std::size_t> line) {
    filling_ = true;
    if (line && *line < static_cast<std::size_t>(topLevelItemCount())) {
        QTreeWidgetItem* item = topLevelItem(static_cast<int>(*line));
        setCurrentItem(item);
        item->setSelected(true);
        scrollToItem(item);
    } else {
        clearSelection();
    }
    filling_ = false;
}

std::optional<std::size_t> LineList::current_line() const {
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty()) return std::nullopt;
    return static_cast<std::size_t>(indexOfTopLevelItem(selected.first()));
}

QString LineList::line_text(int line) const {
    QTreeWidgetItem* item = topLevelItem(line);
    if (!item) return {};
    QStringList columns;
    for (int c = 0; c < columnCount() && !item->text(c).isNull(); ++c)
        columns.append(item->text(c));
    return columns.join(QLatin1Char('\t'));
}

void LineList::keyPressEvent(QKeyEvent* event) {
    const QString typed = event->text();
    if (type_ahead_on_ && typed.size() == 1 && editors::TypeAhead::is_letter(us(typed))) {
        if (const auto line = type_ahead_.type(us(typed), texts_)) {
            select_line(*line);
            scrollToItem(topLevelItem(static_cast<int>(*line)), QAbstractItemView::PositionAtTop);
            emit line_selected(static_cast<int>(*line));
        }
        return;
    }
    QTreeWidget::keyPressEvent(event);
}

void LineList::focusInEvent(QFocusEvent* event) {
    type_ahead_.reset();
    QTreeWidget::focusInEvent(event);
}

}  // namespace vorla::gui
