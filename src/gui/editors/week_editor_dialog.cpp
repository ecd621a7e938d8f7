#include "gui/editors/week_editor_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/text/texts.h"
#include "gui/app/run_chooser.h"
#include "gui/app/side_button.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/name_list_dialog.h"
#include "gui/editors/talk_chooser_dialog.h"

namespace vorla::gui {

using editors::BrotherRole;

namespace {
// Room in the buttons for a talk title or a long name; longer captions are cut.
constexpr int kButtonChars = 44;

QToolButton* arrow_button(Qt::ArrowType arrow, QWidget* parent) {
    auto* b = new QToolButton(parent);
    b->setArrowType(arrow);
    b->setAutoRaise(false);
    return b;
}
}  // namespace

WeekEditorDialog::WeekEditorDialog(store::Document& doc, QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc) {
    setObjectName(QStringLiteral("WeekEditorDialog"));

    weeks_ = new QComboBox(this);
    for (const std::string& line : model_.week_lines())
        weeks_->addItem(qs(line));
    weeks_->setMaxVisibleItems(20);
    previous_ = side_button(qs(text::TextId::previous), this);
    next_ = side_button(qs(text::TextId::next), this);
    speaker_ = side_button(QString(), this);
    talk_ = side_button(QString(), this);
    chairman_ = side_button(QString(), this);
    reader_ = side_button(QString(), this);
    host_ = side_button(QString(), this);
    clear_ = side_button(qs(text::TextId::week_editor_clear), this);
    const QString widest(kButtonChars, QLatin1Char('W'));
    keep_side_column({speaker_, talk_, chairman_, reader_, host_}, widest);

    outgoing_box_ = new QGroupBox(qs(text::TextId::outgoing_speakers_group), this);
    outgoing_ = new QListWidget(outgoing_box_);
    outgoing_->setMinimumHeight(outgoing_->fontMetrics().height() * 7);
    up_ = arrow_button(Qt::UpArrow, outgoing_box_);
    down_ = arrow_button(Qt::DownArrow, outgoing_box_);
    out_talk_ = side_button(QString(), outgoing_box_);
    out_cong_ = side_button(QString(), outgoing_box_);
    keep_side_column({out_talk_, out_cong_}, widest);
    add_ = side_button(qs(text::TextId::add), outgoing_box_);
    replace_ = side_button(qs(text::TextId::replace), outgoing_box_);
    remove_ = side_button(qs(text::TextId::delete_button), outgoing_box_);
    // Buttons that come and go keep their places, so that the dialog does not jump.
    for (QWidget* w :
         {static_cast<QWidget*>(clear_), static_cast<QWidget*>(up_), static_cast<QWidget*>(down_),
          static_cast<QWidget*>(replace_), static_cast<QWidget*>(remove_)}) {
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
    // The settings decide these two once, for the whole dialog.
    reader_->setVisible(model_.reader_visible());
    host_->setVisible(model_.hospitality_visible());

    auto* top = new QHBoxLayout;
    top->addWidget(weeks_, 1);
    top->addWidget(previous_);
    top->addWidget(next_);
    auto* fields = new QVBoxLayout;
    for (QPushButton* b : {speaker_, talk_, chairman_, reader_, host_})
        fields->addWidget(b);
    auto* arrows = new QVBoxLayout;
    arrows->addWidget(up_);
    arrows->addWidget(down_);
    arrows->addStretch(1);
    auto* list_row = new QHBoxLayout;
    list_row->addWidget(outgoing_, 1);
    list_row->addLayout(arrows);
    auto* slot_buttons = new QVBoxLayout;
    for (QPushButton* b : {add_, replace_, remove_})
        slot_buttons->addWidget(b);
    slot_buttons->addStretch(1);
    list_row->addLayout(slot_buttons);
    auto* box_layout = new QVBoxLayout(outgoing_box_);
    box_layout->addWidget(out_talk_);
    box_layout->addWidget(out_cong_);
    box_layout->addLayout(list_row, 1);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(qs(text::TextId::ok), QDialogButtonBox::AcceptRole);
    buttons->addButton(qs(text::TextId::cancel), QDialogButtonBox::RejectRole);
    ok->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(clear_);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(fields);
    layout->addWidget(outgoing_box_, 1);
    layout->addLayout(bottom);

    connect(buttons, &QDialogButtonBox::accepted, this, &WeekEditorDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &WeekEditorDialog::reject);
    connect(weeks_, &QComboBox::currentIndexChanged, this, [this](int line) {
        model_.select_week_line(line);
        show_model();
    });
    connect(previous_, &QPushButton::clicked, this, [this] {
        model_.step_week(-1);
        show_model();
    });
    connect(next_, &QPushButton::clicked, this, [this] {
        model_.step_week(1);
        show_model();
    });
    connect(speaker_, &QPushButton::clicked, this, [this] {
        const auto pos = choose_brother(BrotherRole::speaker, model_.copy().speaker_id, false);
        if (pos) model_.apply_speaker(*pos);
        show_model();
    });
    connect(chairman_, &QPushButton::clicked, this, [this] {
        const auto pos = choose_brother(BrotherRole::chairman, model_.copy().chairman_id, true);
        if (pos) model_.apply_chairman(*pos);
        show_model();
    });
    connect(reader_, &QPushButton::clicked, this, [this] {
        const auto pos = choose_brother(BrotherRole::reader, model_.copy().reader_id, true);
        if (pos) model_.apply_reader(*pos);
        show_model();
    });
    connect(host_, &QPushButton::clicked, this, &WeekEditorDialog::choose_host);
    connect(talk_, &QPushButton::clicked, this, &WeekEditorDialog::choose_talk);
    connect(clear_, &QPushButton::clicked, this, [this] {
        model_.clear();
        show_model();
    });
    connect(outgoing_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row < 0) return;
        model_.select_outgoing_line(static_cast<std::size_t>(row));
        show_outgoing();
    });
    connect(up_, &QToolButton::clicked, this, [this] {
        model_.step_outgoing(-1);
        show_outgoing();
    });
    connect(down_, &QToolButton::clicked, this, [this] {
        model_.step_outgoing(1);
        show_outgoing();
    });
    connect(add_, &QPushButton::clicked, this, &WeekEditorDialog::add_outgoing);
    connect(replace_, &QPushButton::clicked, this, &WeekEditorDialog::replace_outgoing);
    connect(remove_, &QPushButton::clicked, this, [this] {
        model_.remove_outgoing();
        show_model();
    });
    connect(out_talk_, &QPushButton::clicked, this, &WeekEditorDialog::choose_outgoing_talk);
    connect(out_cong_, &QPushButton::clicked, this,
            &WeekEditorDialog::choose_outgoing_congregation);

    show_model();
    weeks_->setFocus();
}

void WeekEditorDialog::edit(store::Document& doc, QWidget* parent) {
    if (doc.our_congregation() == 0) return;
    WeekEditorDialog dialog(doc, parent);
    dialog.exec();
}

void WeekEditorDialog::accept() {
    model_.ok();
    QDialog::accept();
}

void WeekEditorDialog::reject() {
    model_.cancel();
    QDialog::reject();
}

void WeekEditorDialog::show_model() {
    setWindowTitle(qs(model_.title()));
    {
        const QSignalBlocker quiet(weeks_);
        weeks_->setCurrentIndex(model_.week_line());
    }
    set_side_text(speaker_, qs(model_.speaker_caption()));
    set_side_text(talk_, qs(model_.talk_caption()));
    set_side_text(chairman_, qs(model_.chairman_caption()));
    set_side_text(reader_, qs(model_.reader_caption()));
    set_side_text(host_, qs(model_.host_caption()));
    clear_->setVisible(model_.clear_visible());
    show_outgoing();
}

void WeekEditorDialog::show_outgoing() {
    {
        const QSignalBlocker quiet(outgoing_);
        outgoing_->clear();
        for (const std::string& line : model_.outgoing_lines())
            outgoing_->addItem(qs(line));
        if (outgoing_->count() > 0)
            outgoing_->setCurrentRow(static_cast<int>(model_.outgoing_line()));
    }
    const bool lines = model_.outgoing_buttons_visible();
    set_side_text(out_talk_, qs(model_.outgoing_talk_caption()));
    set_side_text(out_cong_, qs(model_.outgoing_congregation_caption()));
    for (QWidget* w : {static_cast<QWidget*>(out_talk_), static_cast<QWidget*>(out_cong_),
                       static_cast<QWidget*>(replace_), static_cast<QWidget*>(remove_)})
        w->setVisible(lines);
    up_->setVisible(model_.outgoing_updown_visible());
    down_->setVisible(model_.outgoing_updown_visible());
}

std::optional<std::size_t> WeekEditorDialog::choose_brother(BrotherRole role, std::uint16_t current,
                                                            bool ours) {
    editors::BrotherListParams params;
    params.role = role;
    params.current_brother = current;
    if (ours) params.cong_filter = doc_.our_congregation();
    return BrotherListDialog::choose(doc_, params, this);
}

void WeekEditorDialog::choose_host() {
    NameListDialog hosts(doc_, editors::NamedList::hosts, true, model_.host_preselect(), this);
    const auto id = run_chooser(hosts, [](NameListDialog& d) -> std::optional<std::uint16_t> {
        if (d.model().chosen_id() == 0) return std::nullopt;
        return d.model().chosen_id();
    });
    if (id) model_.apply_host(*id);
    show_model();
}

void WeekEditorDialog::choose_talk() {
    const auto talk = TalkChooserDialog::choose_any_talk(doc_, model_.copy().talk_no, this);
    if (talk) model_.apply_talk(*talk);
    show_model();
}

void WeekEditorDialog::add_outgoing() {
    const auto pos = choose_brother(BrotherRole::outgoing_speaker, 0, true);
    if (pos) model_.add_outgoing(*pos);
    show_model();
}

void WeekEditorDialog::replace_outgoing() {
    const auto pos =
        choose_brother(BrotherRole::outgoing_speaker, model_.selected_outgoing_speaker(), true);
    if (pos) model_.replace_outgoing(*pos);
    show_model();
}

void WeekEditorDialog::choose_outgoing_talk() {
    auto record = model_.outgoing_talk_record();
    if (!record) return;
    const auto talk = TalkChooserDialog::choose_speaker_talk(doc_, *record,
                                                             model_.selected_outgoing_talk(), this);
    model_.apply_outgoing_talk(*record, talk);
    show_model();
}

void WeekEditorDialog::choose_outgoing_congregation() {
    const auto pos = CongregationListDialog::choose(
        doc_, doc_.congregations().find(model_.selected_outgoing_congregation()), this);
    if (pos) model_.apply_outgoing_congregation(*pos);
    show_model();
}

}  // namespace vorla::gui
