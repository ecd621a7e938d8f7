#include "gui/editors/talk_editor_dialog.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/app/string_helpers.h"
#include "gui/app/text_guard.h"
#include "gui/editors/name_list_dialog.h"

namespace vorla::gui {

using Model = editors::TalkEditorModel;

TalkEditorDialog::TalkEditorDialog(store::Document& doc, editors::TalkChooserModel* chooser,
                                   std::size_t talk_index, QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, chooser, talk_index) {
    setObjectName(QStringLiteral("TalkEditorDialog"));
    number_ = new QLineEdit(this);
    guard_text(number_, store::TalkRecord::kNumberTextMax);
    number_->setMaximumWidth(80);
    title_ = new QLineEdit(this);
    guard_text(title_, store::TalkRecord::kTitleMax);
    topic_button_ = new QPushButton(this);
    edit_topics_ = new QPushButton(qs(text::TextId::edit_topic_list), this);
    talk_topics_ = new QListWidget(this);
    talk_topics_->setSelectionMode(QAbstractItemView::NoSelection);
    all_topics_ = new QListWidget(this);
    all_topics_->setSelectionMode(QAbstractItemView::MultiSelection);
    history_box_ = new QGroupBox(qs(text::TextId::history_group), this);
    history_ = new QListWidget(history_box_);
    auto* history_layout = new QVBoxLayout(history_box_);
    history_layout->addWidget(history_);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    auto* cancel = new QPushButton(qs(text::TextId::cancel), this);
    prev_ = new QPushButton(qs(text::TextId::previous), this);
    next_ = new QPushButton(qs(text::TextId::next), this);

    auto* fields = new QFormLayout;
    fields->addRow(qs(text::TextId::number), number_);
    fields->addRow(qs(text::TextId::title), title_);
    auto* topics = new QVBoxLayout;
    topics->addWidget(topic_button_);
    topics->addWidget(talk_topics_);
    topics->addWidget(all_topics_);
    topics->addWidget(edit_topics_);
    auto* lists = new QHBoxLayout;
    lists->addLayout(topics, 1);
    lists->addWidget(history_box_, 1);
    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(lists, 1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {ok_, cancel, prev_, next_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);
    setMinimumSize(640, 380);

    connect(topic_button_, &QPushButton::clicked, this, [this] {
        model_.toggle_topics();
        fill_lists();
        (model_.topic_selection() ? all_topics_ : talk_topics_)->setFocus();
    });
    connect(edit_topics_, &QPushButton::clicked, this, [this] {
        NameListDialog topics_dialog(doc_, editors::NamedList::topics, false, -1, this);
        topics_dialog.exec();
        model_.topics_changed(topics_dialog.model().deleted_ids());
        fill_lists();
    });
    connect(all_topics_, &QListWidget::itemSelectionChanged, this, [this] {
        for (int i = 0; i < all_topics_->count(); ++i) {
            model_.set_topic_selected(static_cast<std::size_t>(i),
                                      all_topics_->item(i)->isSelected());
        }
    });
    connect(history_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        model_.select_history(static_cast<std::size_t>(row));
        setWindowTitle(qs(model_.window_title()));
    });
    connect(ok_, &QPushButton::clicked, this, [this] {
        collect();
        model_.store();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(prev_, &QPushButton::clicked, this, [this] {
        collect();
        if (model_.step(-1)) load_controls();
    });
    connect(next_, &QPushButton::clicked, this, [this] {
        collect();
        if (model_.step(+1)) load_controls();
    });
    load_controls();
    title_->setFocus();
}

void TalkEditorDialog::load_controls() {
    number_->setText(qs(model_.number_text()));
    title_->setText(qs(model_.title()));
    fill_lists();
}

void TalkEditorDialog::fill_lists() {
    const QSignalBlocker quiet_topics(all_topics_);
    const QSignalBlocker quiet_history(history_);
    topic_button_->setText(qs(model_.topic_button_caption()));
    const bool choosing = model_.topic_selection();
    all_topics_->setVisible(choosing);
    edit_topics_->setVisible(model_.edit_topics_visible());
    talk_topics_->setVisible(!choosing);
    history_box_->setVisible(!choosing);
    all_topics_->clear();
    for (const editors::TopicLine& t : model_.all_topics()) {
        auto* item = new QListWidgetItem(qs(t.text), all_topics_);
        item->setSelected(t.selected);
    }
    talk_topics_->clear();
    for (const text::ListLine& t : model_.talk_topics())
        talk_topics_->addItem(qs(t.text));
    history_->clear();
    for (const text::ListLine& h : model_.history())
        history_->addItem(qs(h.text));
    if (const auto line = model_.history_selection())
        history_->setCurrentRow(static_cast<int>(*line));
    setWindowTitle(qs(model_.window_title()));
}

void TalkEditorDialog::collect() {
    model_.number_text() = us(number_->text());
    model_.title() = us(title_->text());
}

}  // namespace vorla::gui
