#include "gui/schedule/summary_page.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QVBoxLayout>

#include "core/schedule/sheet_model.h"
#include "gui/app/string_helpers.h"
#include "gui/schedule/schedule_widgets.h"

namespace vorla::gui {

SummaryPage::SummaryPage(store::Document& doc, QWidget* parent)
    : SchedulePage(parent), model_(doc) {
    setObjectName(QStringLiteral("SummaryPage"));
    setWindowTitle(qs(schedule::page_title(schedule::PageKind::summary)));

    table_ = new SummaryTable(model_, this);
    start_ = new QLabel(this);
    start_->setAlignment(Qt::AlignCenter);
    up_ = new QToolButton(this);
    up_->setObjectName(QStringLiteral("spin_up"));
    up_->setArrowType(Qt::UpArrow);
    down_ = new QToolButton(this);
    down_->setObjectName(QStringLiteral("spin_down"));
    down_->setArrowType(Qt::DownArrow);
    view_ = side_button(QString(), this);

    auto* side = new QVBoxLayout;
    side->addWidget(start_);
    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    spin->addWidget(up_, 0, Qt::AlignHCenter);
    spin->addWidget(down_, 0, Qt::AlignHCenter);
    side->addLayout(spin);
    side->addStretch(1);
    // The legend under the table, so that the table keeps the width.
    auto* key = new QHBoxLayout;
    const int icon = fontMetrics().height();
    for (const schedule::LegendEntry& entry : model_.legend()) {
        auto* b = side_button(qs(entry.text), this);
        b->setIcon(status_icon(entry.status, icon));
        b->setIconSize(QSize(icon, icon));
        b->setFocusPolicy(Qt::NoFocus);  // a key to the colours, nothing to press
        b->setFlat(true);
        // Hidden entries keep their room: the table does not jump as the weeks change.
        QSizePolicy keep = b->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        b->setSizePolicy(keep);
        key->addWidget(b);
        legend_.push_back(b);
    }
    key->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(table_, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(middle, 1);
    layout->addLayout(key);
    layout->addWidget(view_);

    connect(up_, &QToolButton::clicked, this, [this] {
        model_.spin(true);
        show_model();
    });
    connect(down_, &QToolButton::clicked, this, [this] {
        model_.spin(false);
        show_model();
    });
    connect(view_, &QPushButton::clicked, this, [this] {
        model_.toggle_view();
        show_model();
    });
    connect(table_, &SummaryTable::cell_clicked, this,
            [this](std::optional<int> row, schedule::SummaryColumn column) {
                model_.click(row, column);
            });
    show_model();
    table_->setFocusPolicy(Qt::StrongFocus);
    table_->setFocus();
}

void SummaryPage::show_model() {
    start_->setText(qs(model_.start_label()));
    view_->setText(qs(model_.view_caption()));
    const auto entries = model_.legend();
    for (std::size_t k = 0; k < entries.size() && k < legend_.size(); ++k)
        legend_[k]->setVisible(entries[k].visible);
    table_->update();
}

void SummaryPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        view_->click();
        event->accept();
        return;
    }
    SchedulePage::keyPressEvent(event);
}

void SummaryPage::showEvent(QShowEvent* event) {
    // The other pages may have changed the weeks since the last drawing.
    model_.refresh();
    show_model();
    SchedulePage::showEvent(event);
}

}  // namespace vorla::gui
