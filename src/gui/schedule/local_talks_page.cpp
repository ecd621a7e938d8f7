#include "gui/schedule/local_talks_page.h"

#include <QHBoxLayout>
#include <QVBoxLayout>
#include <algorithm>

#include "core/text/texts.h"
#include "gui/app/side_button.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/availability_dialog.h"
#include "gui/schedule/contacts_dialog.h"
#include "gui/schedule/schedule_widgets.h"
#include "gui/schedule/speaker_picker_dialog.h"
#include "gui/schedule/talk_picker_dialog.h"
#include "gui/schedule/week_congregation_dialog.h"

namespace vorla::gui {

namespace {
// Room in the availability button for a name of this many wide letters; longer ones are cut.
constexpr std::size_t kLongName = 20;
}  // namespace

LocalTalksPage::LocalTalksPage(store::Document& doc, QWidget* parent)
    : SchedulePage(parent), doc_(doc), model_(doc) {
    setObjectName(QStringLiteral("LocalTalksPage"));
    setWindowTitle(qs(text::TextId::local_talks));

    week_ = new QLabel(this);
    QFont bold = week_->font();
    bold.setBold(true);
    week_->setFont(bold);
    talk_ = new QLabel(this);

    const auto& captions = schedule::LocalTalksModel::column_captions();
    list_ = new WeekRows(captions, &schedule::LocalTalksModel::cells, this);
    for (int c = 0; c < static_cast<int>(captions.size()); ++c) {
        if (!schedule::LocalTalksModel::mark_of_column(c)) continue;
        list_->headerItem()->setTextAlignment(c, Qt::AlignCenter);
        for (int r = 0; r < schedule::kRows; ++r)
            list_->topLevelItem(r)->setTextAlignment(c, Qt::AlignCenter);
    }

    pick_talk_ = side_button(qs(text::TextId::choose_talk_button), this);
    pick_speaker_ = side_button(qs(text::TextId::choose_speaker_button), this);
    exchange_or_congregation_ = side_button(QString(), this);
    clear_or_cancel_ = side_button(QString(), this);
    contacts_ = side_button(qs(text::TextId::contacts_caption), this);
    availability_ = side_button(QString(), this);
    // The speaker- and talk-history views do not exist yet: their buttons stay hidden.
    speaker_history_ = side_button(QString(), this);
    speaker_history_->hide();
    talk_history_ = side_button(QString(), this);
    talk_history_->hide();
    legend_ = new QLabel(qs(schedule::LocalTalksModel::legend()), this);
    conflict_ = alert_label(this);
    exchange_ = alert_label(this);
    // The exchange prompt keeps its own lines.
    exchange_->setWordWrap(false);

    auto* top = new QHBoxLayout;
    top->addWidget(week_);
    top->addSpacing(24);
    top->addWidget(talk_, 1);
    // The exchange and clearing buttons change their captions; the column keeps the widest.
    int side_width = 0;
    using text::TextId;
    for (TextId caption : {TextId::exchange, TextId::cancel_exchange, TextId::choose_congregation,
                           TextId::clear_selection}) {
        exchange_or_congregation_->setText(qs(text::text(caption)));
        side_width = std::max(side_width, exchange_or_congregation_->sizeHint().width());
    }
    auto* side = new QVBoxLayout;
    for (QPushButton* b : {pick_talk_, pick_speaker_, exchange_or_congregation_, clear_or_cancel_,
                           contacts_, speaker_history_, talk_history_}) {
        b->setMinimumWidth(side_width);
        side->addWidget(b);
    }
    // Selecting another week shows and hides buttons and lines: each keeps its room, and the
    // captions that carry a name or a title are cut to it, so that the sheet never jumps.
    for (QWidget* w :
         {static_cast<QWidget*>(pick_talk_), static_cast<QWidget*>(pick_speaker_),
          static_cast<QWidget*>(exchange_or_congregation_), static_cast<QWidget*>(clear_or_cancel_),
          static_cast<QWidget*>(contacts_), static_cast<QWidget*>(legend_),
          static_cast<QWidget*>(exchange_), static_cast<QWidget*>(conflict_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    keep_side_column({availability_},
                     qs(text::format(TextId::show_available, std::string(kLongName, 'W'))));
    talk_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    exchange_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    conflict_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // The legend of a planned week wraps within the list's width instead of widening the sheet.
    legend_->setWordWrap(true);
    legend_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    side->addStretch(1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(availability_);
    bottom->addWidget(legend_);
    bottom->addStretch(1);
    QVBoxLayout* layout = frame_week_page(this, top, list_, side);
    layout->addLayout(bottom);
    layout->addWidget(exchange_);
    layout->addWidget(conflict_);

    connect(list_, &QTreeWidget::currentItemChanged, this, &LocalTalksPage::on_current_changed);
    connect(list_, &QTreeWidget::itemClicked, this, &LocalTalksPage::on_clicked);
    connect(pick_talk_, &QPushButton::clicked, this, &LocalTalksPage::pick_talk);
    connect(pick_speaker_, &QPushButton::clicked, this, &LocalTalksPage::pick_speaker);
    connect(exchange_or_congregation_, &QPushButton::clicked, this,
            &LocalTalksPage::press_exchange_or_congregation);
    connect(clear_or_cancel_, &QPushButton::clicked, this, [this] {
        model_.press_clear_or_cancel();
        after_change();
    });
    connect(contacts_, &QPushButton::clicked, this, &LocalTalksPage::show_contacts);
    connect(availability_, &QPushButton::clicked, this, &LocalTalksPage::show_availability);

    show_model();
    // Room for names and for all 26 weeks without scrolling, within a 1024-pixel screen.
    list_->fit({0, 0, 150, 150});
    list_->setFocus();
}

void LocalTalksPage::show_model() {
    list_->show_rows(model_);
    update_controls();
}

void LocalTalksPage::update_controls() {
    week_->setText(qs(model_.week_caption()));
    talk_->setText(qs(model_.talk_caption()));
    talk_->setToolTip(talk_->text());
    const bool pickers = model_.pickers_visible();
    pick_talk_->setVisible(pickers);
    pick_speaker_->setVisible(pickers);
    show_text(exchange_or_congregation_, pickers, model_.exchange_or_congregation_caption());
    show_text(clear_or_cancel_, model_.clear_or_cancel_visible(), model_.clear_or_cancel_caption());
    contacts_->setVisible(model_.contacts_visible());
    availability_->setVisible(model_.availability_visible());
    set_side_text(availability_, qs(model_.availability_caption()));
    legend_->setVisible(model_.legend_visible());
    speaker_history_->setText(qs(model_.speaker_history_caption()));
    talk_history_->setText(qs(model_.talk_history_caption()));
    show_text(conflict_, model_.conflict_visible(), model_.conflict_text());
    show_text(exchange_, model_.exchange_pending(), model_.exchange_prompt());
}

void LocalTalksPage::after_change() {
    show_model();
    list_->setFocus();
}

void LocalTalksPage::on_current_changed() {
    const int row = list_->indexOfTopLevelItem(list_->currentItem());
    if (row < 0) return;
    const bool pending = model_.exchange_pending();
    model_.select(row);
    if (pending && !model_.exchange_pending()) {
        after_change();
    } else {
        show_model();
    }
}

void LocalTalksPage::on_clicked(QTreeWidgetItem* item, int column) {
    const auto mark = schedule::LocalTalksModel::mark_of_column(column);
    if (!mark) return;
    model_.toggle_mark(list_->indexOfTopLevelItem(item), *mark);
    after_change();
}

void LocalTalksPage::pick_talk() {
    const auto talk = TalkPickerDialog::pick(doc_, model_.talk_picker(), this);
    if (talk) model_.apply_talk(*talk);
    after_change();
}

void LocalTalksPage::pick_speaker() {
    const auto pos = SpeakerPickerDialog::pick(doc_, model_.speaker_picker(), this);
    if (pos) model_.apply_speaker(*pos);
    after_change();
}

void LocalTalksPage::press_exchange_or_congregation() {
    if (model_.offers_exchange()) {
        model_.press_exchange();
        update_controls();
        return;
    }
    const auto pos = WeekCongregationDialog::choose(doc_, model_.congregation_chooser(), this);
    if (pos) model_.apply_congregation(*pos);
    after_change();
}

void LocalTalksPage::show_contacts() {
    ContactsDialog dialog(doc_, model_.speaker(), model_.congregation(), this);
    dialog.exec();
    list_->setFocus();
}

void LocalTalksPage::show_availability() {
    AvailabilityDialog::show_read_only(doc_, model_.speaker(), this);
    list_->setFocus();
}

}  // namespace vorla::gui
