#include "gui/app/line_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QScrollBar>
#include <QSignalBlocker>
#include <algorithm>

#include "gui/app/string_helpers.h"

namespace vorla::gui {

LineList::LineList(int columns, QWidget* parent) : QTreeWidget(parent) {
    setColumnCount(columns);
    setHeaderHidden(true);
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAllColumnsShowFocus(true);
    header()->setStretchLastSection(true);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemSelectionChanged, this, [this] {
        keep_current_on_selection();
        if (const auto line = current_line()) emit line_selected(static_cast<int>(*line));
    });
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item, int) { emit line_activated(indexOfTopLevelItem(item)); });
}

LineList::LineList(const std::vector<std::string>& captions, QWidget* parent)
    : LineList(static_cast<int>(captions.size()), parent) {
    QStringList labels;
    for (const std::string& c : captions)
        labels << qs(c);
    setHeaderLabels(labels);
    setHeaderHidden(false);
    // The columns keep the widths fit_columns gives them.
    header()->setSectionResizeMode(QHeaderView::Interactive);
    header()->setSectionsMovable(false);
}

void LineList::set_lines(const std::vector<std::string>& texts) {
    const QSignalBlocker quiet(this);
    clear();
    texts_ = texts;
    QList<QTreeWidgetItem*> items;
    items.reserve(static_cast<qsizetype>(texts.size()));
    for (const std::string& t : texts)
        items.append(new QTreeWidgetItem(qs(t).split(QLatin1Char('\t'))));
    addTopLevelItems(items);
}

void LineList::set_row_cells(int row, const std::vector<std::string>& cells) {
    QTreeWidgetItem* item = topLevelItem(row);
    if (!item) return;
    for (int c = 0; c < item->columnCount() || c < static_cast<int>(cells.size()); ++c) {
        item->setText(c, c < static_cast<int>(cells.size()) ? qs(cells[static_cast<std::size_t>(c)])
                                                            : QString());
    }
}

void LineList::select_line(std::optional<std::size_t> line) {
    const QSignalBlocker quiet(this);
    if (line && *line < static_cast<std::size_t>(topLevelItemCount())) {
        QTreeWidgetItem* item = topLevelItem(static_cast<int>(*line));
        setCurrentItem(item);
        item->setSelected(true);
        scrollToItem(item);
    } else {
        clearSelection();
        selectionModel()->clearCurrentIndex();
    }
}

void LineList::keep_current_on_selection() {
    // One row looks chosen, never two: the focus frame goes where the selection is.
    if (selectionMode() != QAbstractItemView::SingleSelection) return;
    const QList<QTreeWidgetItem*> selected = selectedItems();
    if (selected.isEmpty() || selected.first() == currentItem()) return;
    selectionModel()->setCurrentIndex(indexFromItem(selected.first()),
                                      QItemSelectionModel::NoUpdate);
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

void LineList::fit_columns(const std::vector<int>& least) {
    int total = 0;
    for (int c = 0; c < columnCount(); ++c) {
        resizeColumnToContents(c);
        const int at_least =
            c < static_cast<int>(least.size()) ? least[static_cast<std::size_t>(c)] : 0;
        const int width = std::max({columnWidth(c), header()->sectionSizeHint(c), at_least}) + 12;
        // The last column stretches over what is left.
        if (c + 1 < columnCount()) setColumnWidth(c, width);
        total += width;
    }
    setMinimumWidth(std::max(minimumWidth(),
                             total + 2 * frameWidth() + verticalScrollBar()->sizeHint().width()));
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
    // The view puts its focus frame on the first row when none is current; with nothing
    // selected that frame looks like a choice the user never made.
    if (selectionMode() == QAbstractItemView::SingleSelection && selectedItems().isEmpty())
        selectionModel()->clearCurrentIndex();
    keep_current_on_selection();
}

}  // namespace vorla::gui
