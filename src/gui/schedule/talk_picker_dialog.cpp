#include "gui/schedule/talk_picker_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/app/run_chooser.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/talk_history_dialog.h"
#include "gui/schedule/schedule_widgets.h"

namespace vorla::gui {

TalkPickerDialog::TalkPickerDialog(const store::Document& doc, schedule::TalkPickerParams params,
                                   QWidget* parent)
    : QDialog(parent), model_(doc, std::move(params)) {
    setObjectName(QStringLiteral("TalkPickerDialog"));
    setWindowTitle(qs(model_.title()));

    topics_ = new QComboBox(this);
    for (const std::string& line : model_.topic_lines())
        topics_->addItem(qs(line));
    recency_ = new QComboBox(this);
    for (const std::string& line : schedule::TalkPickerModel::recency_lines())
        recency_->addItem(qs(line));
    only_needed_ = new QCheckBox(qs(text::TextId::only_talks_we_need), this);
    only_needed_->setVisible(model_.only_needed_visible());

    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("talks"));
    // Short entries in columns: a list in single mode, a grid of ticks in multiple mode.
    list_->setFlow(model_.single() ? QListView::TopToBottom : QListView::LeftToRight);
    list_->setWrapping(true);
    list_->setResizeMode(QListView::Adjust);
    list_->setUniformItemSizes(true);
    list_->setGridSize(QSize(model_.single() ? 56 : 44, 22));
    list_->setSelectionMode(model_.single() ? QAbstractItemView::SingleSelection
                                            : QAbstractItemView::MultiSelection);
    frame_hovered_line(list_);
    list_->viewport()->installEventFilter(this);
    list_->setMinimumSize(model_.single() ? QSize(600, 300) : QSize(640, 380));

    for (QLabel*& line : details_) {
        line = new QLabel(this);
        line->setTextInteractionFlags(Qt::TextSelectableByMouse);
    }
    QFont bold = details_[0]->font();
    bold.setBold(true);
    details_[0]->setFont(bold);

    history_ = side_button(QString(), this);
    // It comes and goes with the selection; its place stays.
    QSizePolicy keep = history_->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    history_->setSizePolicy(keep);

    auto* filters = new QFormLayout;
    filters->addRow(qs(text::TextId::category), topics_);
    filters->addRow(qs(text::TextId::when_given), recency_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filters);
    layout->addWidget(only_needed_);
    layout->addWidget(list_, 1);
    for (QLabel* line : details_)
        layout->addWidget(line);
    layout->addWidget(history_, 0, Qt::AlignLeft);
    ok_ = add_ok_cancel(this, layout);

    connect(history_, &QPushButton::clicked, this, [this, &doc] {
        TalkHistoryDialog::show_view(doc, schedule::TalkHistoryMode::local, model_.chosen(), this);
        list_->setFocus();
    });
    connect(topics_, &QComboBox::currentIndexChanged, this, [this](int line) {
        model_.set_topic_line(line);
        fill();
    });
    connect(recency_, &QComboBox::currentIndexChanged, this, [this](int line) {
        model_.set_recency_line(line);
        fill();
    });
    connect(only_needed_, &QCheckBox::clicked, this, [this] {
        model_.toggle_only_needed();
        fill();
    });
    connect(list_, &QListWidget::itemSelectionChanged, this,
            &TalkPickerDialog::on_selection_changed);
    connect(list_, &QListWidget::itemEntered, this, [this](QListWidgetItem* item) {
        show_details(model_.details(item->data(Qt::UserRole).toInt()));
    });
    if (model_.single())
        connect(list_, &QListWidget::itemDoubleClicked, this, &TalkPickerDialog::accept);

    fill();
    list_->setFocus();
}

std::optional<int> TalkPickerDialog::pick(const store::Document& doc,
                                          schedule::TalkPickerParams params, QWidget* parent) {
    TalkPickerDialog dialog(doc, std::move(params), parent);
    return run_chooser(dialog, [](TalkPickerDialog& d) { return d.model().accept_single(); });
}

std::optional<text::TalkSet> TalkPickerDialog::edit_set(const store::Document& doc,
                                                        schedule::TalkPickerParams params,
                                                        QWidget* parent) {
    TalkPickerDialog dialog(doc, std::move(params), parent);
    return run_chooser(dialog, [](TalkPickerDialog& d) {
        return std::optional<text::TalkSet>(d.model().accept_multiple());
    });
}

void TalkPickerDialog::fill() {
    {
        const QSignalBlocker quiet(list_);
        only_needed_->setChecked(model_.only_needed());
        list_->clear();
        const auto& entries = model_.entries();
        for (std::size_t k = 0; k < entries.size(); ++k) {
            auto* item = new QListWidgetItem(qs(entries[k].text), list_);
            item->setData(Qt::UserRole, entries[k].talk_no);
            if (!model_.single()) item->setSelected(model_.ticked(k));
        }
        if (model_.single()) {
            if (const auto entry = model_.selected_entry()) {
                QListWidgetItem* item = list_->item(static_cast<int>(*entry));
                list_->setCurrentItem(item);
                list_->scrollToItem(item);
            }
        }
    }
    on_selection_changed();
}

void TalkPickerDialog::on_selection_changed() {
    if (model_.single()) {
        const QList<QListWidgetItem*> selected = list_->selectedItems();
        if (!selected.isEmpty())
            model_.select(static_cast<std::size_t>(list_->row(selected.first())));
    } else {
        for (int k = 0; k < list_->count(); ++k)
            model_.set_ticked(static_cast<std::size_t>(k), list_->item(k)->isSelected());
    }
    show_text(history_, model_.history_visible(), model_.history_caption());
    ok_->setEnabled(model_.ok_enabled());
    show_details(model_.chosen_details());
}

void TalkPickerDialog::show_details(const schedule::TalkDetails& d) {
    details_[0]->setText(qs(d.title));
    details_[1]->setText(qs(d.last_heard));
    details_[2]->setText(qs(d.speaker));
    details_[3]->setText(qs(d.priority));
}

bool TalkPickerDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == list_->viewport() && event->type() == QEvent::Leave)
        show_details(model_.chosen_details());
    return QDialog::eventFilter(watched, event);
}

void TalkPickerDialog::accept() {
    if (!model_.ok_enabled()) return;
    QDialog::accept();
}

}  // namespace vorla::gui
