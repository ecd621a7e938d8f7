#include "gui/reports/week_range_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/app/help_pages.h"
#include "gui/app/help_keys.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

namespace {

QListWidget* make_list(const std::vector<std::string>& lines, int row, QWidget* parent) {
    auto* list = new QListWidget(parent);
    // Centring a line by whole items stops short of the top of the list.
    list->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    for (const std::string& line : lines)
        list->addItem(qs(line));
    list->setCurrentRow(row);
    return list;
}

// Only a list that has its size can bring its current line into the middle.
void centre_current(QListWidget* list) {
    if (list->currentItem())
        list->scrollToItem(list->currentItem(), QAbstractItemView::PositionAtCenter);
}

}  // namespace

WeekRangeDialog::WeekRangeDialog(const store::Document& doc, reports::WeekRangeForm form,
                                 QWidget* parent)
    : QDialog(parent), model_(doc, form) {
    setObjectName(QStringLiteral("WeekRangeDialog"));
    setProperty(kHelpPageProperty, qs(app::help_page_for(form)));
    start_ = make_list(model_.start_lines(), model_.start_row(), this);
    start_->setObjectName(QStringLiteral("StartWeeks"));
    start_->setMinimumWidth(
        start_->fontMetrics().horizontalAdvance(QStringLiteral("Сен 30, 2026")) + 48);
    count_ = make_list(model_.count_lines(), model_.count_row(), this);
    count_->setObjectName(QStringLiteral("WeekCounts"));
    count_->setMaximumWidth(count_->fontMetrics().horizontalAdvance(QStringLiteral("144")) + 48);

    auto* start_label = new QLabel(qs(text::TextId::start_week), this);
    start_label->setBuddy(start_);
    auto* count_label = new QLabel(qs(text::TextId::week_count), this);
    count_label->setBuddy(count_);

    // OK, "Экспорт" and "Отмена" from the top in this order, whatever the desktop's button
    // order; a form without export leaves its button out.
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OkButton"));
    ok->setDefault(true);
    export_ = new QPushButton(qs(text::TextId::export_button), this);
    export_->setObjectName(QStringLiteral("ExportButton"));
    export_->setVisible(model_.export_visible());
    auto* cancel = new QPushButton(qs(text::TextId::cancel), this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    connect(ok, &QPushButton::clicked, this, [this] { done(static_cast<int>(Choice::show)); });
    connect(export_, &QPushButton::clicked, this,
            [this] { done(static_cast<int>(Choice::export_text)); });
    connect(cancel, &QPushButton::clicked, this,
            [this] { done(static_cast<int>(Choice::cancel)); });
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(export_);
    buttons->addWidget(cancel);
    buttons->addStretch();

    connect(start_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.select_start(row);
        sync_caption();
    });
    connect(count_, &QListWidget::currentRowChanged, this, [this](int row) {
        model_.select_count_row(row);
        sync_caption();
    });
    connect(start_, &QListWidget::itemDoubleClicked, this,
            [this] { done(static_cast<int>(Choice::show)); });

    auto* grid = new QGridLayout(this);
    grid->addWidget(start_label, 0, 0);
    grid->addWidget(count_label, 0, 1);
    grid->addWidget(start_, 1, 0);
    grid->addWidget(count_, 1, 1);
    grid->addLayout(buttons, 1, 2);
    sync_caption();
    resize(sizeHint().width(), 320);
}

void WeekRangeDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // Once the lists are laid out at their shown size.
    QTimer::singleShot(0, this, [this] {
        centre_current(start_);
        centre_current(count_);
    });
}

void WeekRangeDialog::sync_caption() {
    setWindowTitle(qs(model_.caption()));
}

WeekRangeDialog::Choice WeekRangeDialog::choose() {
    return static_cast<Choice>(exec());
}

}  // namespace vorla::gui
