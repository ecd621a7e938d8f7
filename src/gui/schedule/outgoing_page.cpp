#include "gui/schedule/outgoing_page.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/schedule/sheet_model.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/availability_dialog.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/talk_chooser_dialog.h"
#include "gui/schedule/contacts_dialog.h"
#include "gui/schedule/schedule_widgets.h"

namespace vorla::gui {

OutgoingPage::OutgoingPage(store::Document& doc, PageServices services, QWidget* parent)
    : SchedulePage(parent), doc_(doc), services_(std::move(services)), model_(doc) {
    setObjectName(QStringLiteral("OutgoingPage"));
    setWindowTitle(qs(schedule::page_title(schedule::PageKind::outgoing)));

    week_ = new QLabel(this);
    QFont bold = week_->font();
    bold.setBold(true);
    week_->setFont(bold);
    talk_ = side_button(QString(), this);
    congregation_ = side_button(QString(), this);

    list_ = new WeekRows(schedule::OutgoingModel::column_captions(),
                         &schedule::OutgoingModel::cells, this);
    slots_ = new LineList(1, this);
    slots_->setObjectName(QStringLiteral("slots"));

    add_ = side_button(qs(text::TextId::add), this);
    replace_ = side_button(qs(text::TextId::replace), this);
    remove_ = side_button(qs(text::TextId::delete_button), this);
    contacts_ = side_button(qs(text::TextId::contacts_caption), this);
    exchange_ = side_button(QString(), this);
    confirm_ = side_button(QString(), this);
    availability_ = side_button(QString(), this);
    history_ = side_button(QString(), this);
    prompt_ = alert_label(this);
    legend_ = new QLabel(qs(schedule::OutgoingModel::legend()), this);
    conflict_ = alert_label(this);

    auto* top = new QHBoxLayout;
    top->addWidget(week_);
    top->addSpacing(24);
    top->addWidget(talk_, 1);
    top->addWidget(congregation_);
    auto* edits = new QGridLayout;
    edits->addWidget(add_, 0, 0);
    edits->addWidget(replace_, 0, 1);
    edits->addWidget(remove_, 1, 0);
    edits->addWidget(contacts_, 1, 1);
    edits->addWidget(exchange_, 2, 0, 1, 2);
    auto* side = new QVBoxLayout;
    side->addWidget(slots_, 1);
    side->addLayout(edits);
    side->addWidget(prompt_);
    side->addWidget(confirm_);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(availability_);
    bottom->addWidget(legend_);
    bottom->addStretch(1);
    bottom->addWidget(history_);
    QVBoxLayout* layout = frame_week_page(this, top, list_, side);
    layout->addLayout(bottom);
    layout->addWidget(conflict_);

    connect(list_, &LineList::line_selected, this, [this](int row) {
        model_.select(row);
        show_model();
    });
    connect(slots_, &LineList::line_selected, this, [this](int line) {
        model_.select_slot(line);
        after_change();
        slots_->setFocus();
    });
    connect(add_, &QPushButton::clicked, this, [this] {
        if (const auto pos = pick_brother()) model_.add(*pos);
        after_change();
    });
    connect(replace_, &QPushButton::clicked, this, [this] {
        if (const auto pos = pick_brother()) model_.replace(*pos);
        after_change();
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        model_.remove();
        after_change();
    });
    connect(talk_, &QPushButton::clicked, this, &OutgoingPage::choose_talk);
    connect(congregation_, &QPushButton::clicked, this, &OutgoingPage::choose_congregation);
    connect(contacts_, &QPushButton::clicked, this, [this] {
        ContactsDialog dialog(doc_, model_.slot().speaker, model_.slot().congregation, this);
        dialog.exec();
    });
    connect(availability_, &QPushButton::clicked, this,
            [this] { AvailabilityDialog::show_read_only(doc_, model_.slot().speaker, this); });
    connect(history_, &QPushButton::clicked, this, [this] {
        if (services_.speaker_history) services_.speaker_history(model_.slot().speaker);
    });
    connect(exchange_, &QPushButton::clicked, this, [this] {
        model_.press_exchange();
        after_change();
    });
    connect(confirm_, &QPushButton::clicked, this, [this] {
        model_.confirm_exchange();
        after_change();
    });

    show_model();
    list_->fit({0, 0, 200, 150});
    slots_->setMinimumWidth(260);
    list_->setFocus();
}

void OutgoingPage::show_model() {
    list_->show_rows(model_);
    slots_->set_lines(model_.slot_lines());
    if (slots_->topLevelItemCount() > 0) slots_->select_line(model_.selected_slot());
    week_->setText(qs(model_.week_caption()));
    const bool slot_buttons = model_.slot_buttons_visible();
    show_text(talk_, slot_buttons, model_.talk_caption());
    show_text(congregation_, slot_buttons, model_.congregation_caption());
    add_->setVisible(model_.add_visible());
    replace_->setVisible(model_.edit_visible());
    remove_->setVisible(model_.edit_visible());
    contacts_->setVisible(model_.contacts_visible());
    show_text(exchange_, model_.exchange_visible(), model_.exchange_caption());
    show_text(confirm_, model_.exchange_confirm_visible(), model_.exchange_confirm_caption());
    show_text(prompt_, model_.exchange_pending(), model_.exchange_prompt());
    show_text(availability_, model_.availability_visible(), model_.availability_caption());
    legend_->setVisible(model_.legend_visible());
    show_text(history_, services_.speaker_history && model_.speaker_history_visible(),
              model_.speaker_history_caption());
    show_text(conflict_, model_.conflict_visible(), model_.conflict_text());
}

void OutgoingPage::after_change() {
    show_model();
    list_->setFocus();
}

std::optional<std::size_t> OutgoingPage::pick_brother() {
    editors::BrotherListParams params;
    params.cong_filter = doc_.our_congregation();
    params.role = editors::BrotherRole::outgoing_speaker;
    params.week = model_.picker_week().value;
    return BrotherListDialog::choose(doc_, params, this);
}

void OutgoingPage::choose_talk() {
    auto record = model_.talk_chooser_record();
    if (!record) return;
    const auto talk =
        TalkChooserDialog::choose_speaker_talk(doc_, *record, model_.slot().talk, this);
    model_.apply_talk(*record, talk);
    after_change();
}

void OutgoingPage::choose_congregation() {
    const auto pos = CongregationListDialog::choose(
        doc_, doc_.congregations().find(model_.slot().congregation), this);
    if (pos) model_.apply_congregation(*pos);
    after_change();
}

}  // namespace vorla::gui
