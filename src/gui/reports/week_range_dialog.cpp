#include "gui/reports/week_range_dialog.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>

#include "gui/app/qt_prompter.h"

namespace vorla::gui {

namespace {

QListWidget* make_list(const std::vector<std::string>& lines, int row, QWidget* parent) {
    auto* list = new QListWidget(parent);
    for (const std::string& line : lines)
        list->addItem(qs(line));
    list->setCurrentRow(row);
    list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
    return list;
}

}  // namespace

WeekRangeDialog::WeekRangeDialog(const store::CVrDoc& doc, reports::WeekRangeForm form,
                                 QWidget* parent)
    : QDialog(parent), model_(doc, form) {
    setObjectName(QStringLiteral("WeekRangeDialog"));
    start_ = make_list(model_.start_lines(), model_.start_row(), this);
    start_->setObjectName(QStringLiteral("StartWeeks"));
    start_->setMinimumWidth(
        start_->fontMetrics().horizontalAdvance(QStringLiteral("Сен 30, 2026")) + 48);
    count_ = make_list(model_.count_lines(), model_.count_row(), this);
    count_->setObjectName(QStringLiteral("WeekCounts"));
    count_->setMaximumWidth(count_->fontMetrics().horizontalAdvance(QStringLiteral("144")) + 48);

    auto* start_label = new QLabel(QStringLiteral("&Стартовая неделя"), this);
    start_label->setBuddy(start_);
    auto* count_label = new QLabel(QStringLiteral("&# из недель"), this);
    count_label->setBuddy(count_);

    auto* buttons = new QDialogButtonBox(Qt::Vertical, this);
    buttons->addButton(QDialogButtonBox::Ok);
    // The button box shows whatever it holds, so a form without export leaves it out.
    export_ = new QPushButton(QStringLiteral("&Экспорт"), this);
    export_->setObjectName(QStringLiteral("ExportButton"));
    if (model_.export_visible()) {
        buttons->addButton(export_, QDialogButtonBox::ActionRole);
    } else {
        export_->hide();
    }
    buttons->addButton(QStringLiteral("Отмена"), QDialogButtonBox::RejectRole);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { done(kShow); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { done(kCancel); });
    connect(export_, &QPushButton::clicked, this, [this] { done(kExport); });

    connect(start_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.select_start(row);
        sync_caption();
    });
    connect(count_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.select_count_row(row);
        sync_caption();
    });
    connect(start_, &QListWidget::itemDoubleClicked, this, [this] { done(kShow); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(start_label, 0, 0);
    grid->addWidget(count_label, 0, 1);
    grid->addWidget(start_, 1, 0);
    grid->addWidget(count_, 1, 1);
    grid->addWidget(buttons, 1, 2, Qt::AlignTop);
    sync_caption();
    resize(sizeHint().width(), 320);
}

void WeekRangeDialog::sync_caption() {
    setWindowTitle(qs(model_.caption()));
}

WeekRangeDialog::Choice WeekRangeDialog::choose() {
    return static_cast<Choice>(exec());
}

}  // namespace vorla::gui
