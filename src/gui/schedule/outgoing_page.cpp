#include "gui/schedule/outgoing_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
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

    list_ = new LineList(schedule::OutgoingModel::column_captions(), this);
    list_->setObjectName(QStringLiteral("weeks"));
    frame_hovered_line(list_);
    for (int r = 0; r < schedule::kRows; ++r)
        new QTreeWidgetItem(list_);
    slots_ = new LineList(1, this);
    slots_->setObjectName(QStringLiteral("slots"));

    add_ = side_button(QStringLiteral("Добавить"), this);
    replace_ = side_button(QStringLiteral("Заменить"), this);
    remove_ = side_button(QStringLiteral("Удалить"), this);
    contacts_ = side_button(QStringLiteral("Контакты"), this);
    exchange_ = side_button(QString(), this);
    confirm_ = side_button(QString(), this);
    availability_ = side_button(QString(), this);
    history_ = side_button(QString(), this);
    prompt_ = new QLabel(this);
    prompt_->setWordWrap(true);
    legend_ = new QLabel(qs(schedule::OutgoingModel::legend()), this);
    conflict_ = new QLabel(this);
    conflict_->setWordWrap(true);
    QPalette alert = conflict_->palette();
    alert.setColor(QPalette::WindowText, QColor(0xA0, 0x10, 0x10));
    conflict_->setPalette(alert);
    prompt_->setPalette(alert);

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
    auto* middle = new QHBoxLayout;
    middle->addWidget(list_, 1);
    middle->addLayout(side);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(availability_);
    bottom->addWidget(legend_);
    bottom->addStretch(1);
    bottom->addWidget(history_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(middle, 1);
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
    list_->fit_columns({0, 0, 200, 150});
    list_->setMinimumHeight(list_->sizeHintForRow(0) * schedule::kRows +
                            list_->header()->sizeHint().height() + 2 * list_->frameWidth() + 4);
    slots_->setMinimumWidth(260);
    list_->setFocus();
}

void OutgoingPage::show_model() {
    {
        const QSignalBlocker quiet_list(list_);
        for (int r = 0; r < schedule::kRows; ++r) {
            list_->set_row_cells(
                r, schedule::OutgoingModel::cells(model_.rows()[static_cast<std::size_t>(r)]));
        }
        list_->setCurrentItem(list_->topLevelItem(model_.selected_row()));
    }
    slots_->set_lines(model_.slot_lines());
    if (slots_->topLevelItemCount() > 0) slots_->select_line(model_.selected_slot());
    week_->setText(qs(model_.week_caption()));
    const bool slot_buttons = model_.slot_buttons_visible();
    talk_->setVisible(slot_buttons);
    talk_->setText(qs(model_.talk_caption()));
    congregation_->setVisible(slot_buttons);
    congregation_->setText(qs(model_.congregation_caption()));
    add_->setVisible(model_.add_visible());
    replace_->setVisible(model_.edit_visible());
    remove_->setVisible(model_.edit_visible());
    contacts_->setVisible(model_.contacts_visible());
    exchange_->setVisible(model_.exchange_visible());
    exchange_->setText(qs(model_.exchange_caption()));
    confirm_->setVisible(model_.exchange_confirm_visible());
    confirm_->setText(qs(model_.exchange_confirm_caption()));
    prompt_->setVisible(model_.exchange_pending());
    prompt_->setText(qs(model_.exchange_prompt()));
    availability_->setVisible(model_.availability_visible());
    availability_->setText(qs(model_.availability_caption()));
    legend_->setVisible(model_.legend_visible());
    history_->setVisible(services_.speaker_history && model_.speaker_history_visible());
    history_->setText(qs(model_.speaker_history_caption()));
    conflict_->setVisible(model_.conflict_visible());
    conflict_->setText(qs(model_.conflict_text()));
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
