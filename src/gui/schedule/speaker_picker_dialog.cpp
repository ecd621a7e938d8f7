#include "gui/schedule/speaker_picker_dialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "gui/app/line_list.h"
#include "gui/app/run_chooser.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/availability_dialog.h"
#include "gui/schedule/contacts_dialog.h"
#include "gui/schedule/schedule_widgets.h"
#include "gui/schedule/talk_picker_dialog.h"

namespace vorla::gui {

namespace {
// Room in the filters for a line such as "2 Собрания в районе Южный".
constexpr int kFilterChars = 40;
}  // namespace

SpeakerPickerDialog::SpeakerPickerDialog(store::Document& doc, schedule::SpeakerPickerParams params,
                                         QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, std::move(params)) {
    setObjectName(QStringLiteral("SpeakerPickerDialog"));
    setWindowTitle(qs(model_.title()));

    circuits_ = new QComboBox(this);
    for (const std::string& line : model_.circuit_lines())
        circuits_->addItem(qs(line));
    congregations_ = new QComboBox(this);
    // The filters' lines change with the circuit; their width must not.
    for (QComboBox* filter : {circuits_, congregations_}) {
        filter->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        filter->setMinimumContentsLength(kFilterChars);
    }
    list_ = new LineList(schedule::SpeakerPickerModel::column_captions(), this);
    list_->setMinimumSize(620, 320);
    note_ = new QLabel(this);

    talk_ = side_button(QString(), this);
    history_ = side_button(QString(), this);
    history_->hide();  // the speaker-history view does not exist yet
    availability_ = side_button(QString(), this);
    contacts_ = side_button(qs(text::TextId::contacts_caption), this);
    // The captions name the chosen brother: room for a long name, kept while they change.
    keep_side_column({talk_, history_, availability_, contacts_}, qs(model_.widest_side_caption()));
    // A long note is cut rather than widening the dialog; the line keeps its height empty.
    note_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    note_->setMinimumHeight(note_->fontMetrics().height());

    auto* filters = new QFormLayout;
    filters->addRow(qs(text::TextId::circuit), circuits_);
    filters->addRow(qs(text::TextId::congregation), congregations_);
    auto* filter_box = new QWidget(this);
    filter_box->setLayout(filters);
    filter_box->setVisible(model_.filters_visible());

    auto* side = new QVBoxLayout;
    side->addWidget(talk_);
    side->addWidget(history_);
    side->addWidget(availability_);
    side->addWidget(contacts_);
    side->addStretch(1);
    auto* middle = new QHBoxLayout;
    middle->addWidget(list_, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(filter_box);
    layout->addLayout(middle, 1);
    layout->addWidget(note_);
    add_ok_cancel(this, layout);

    connect(circuits_, &QComboBox::currentIndexChanged, this, [this](int line) {
        model_.set_circuit_line(line);
        fill_congregations();
        fill();
    });
    connect(congregations_, &QComboBox::currentIndexChanged, this, [this](int line) {
        model_.set_congregation_line(line);
        fill();
    });
    connect(list_, &LineList::line_selected, this, [this](int line) {
        model_.select_line(static_cast<std::size_t>(line));
        update_buttons();
    });
    connect(list_, &LineList::line_activated, this, &SpeakerPickerDialog::accept);
    connect(talk_, &QPushButton::clicked, this, &SpeakerPickerDialog::choose_talk);
    connect(availability_, &QPushButton::clicked, this, [this] {
        const auto pos = model_.chosen();
        if (!pos) return;
        AvailabilityDialog dialog(doc_, model_.chosen_id(), doc_.brothers().at(*pos).discontinued(),
                                  true, this);
        dialog.exec();
    });
    connect(contacts_, &QPushButton::clicked, this, [this] {
        ContactsDialog dialog(doc_, model_.chosen_id(), model_.chosen_congregation(), this);
        dialog.exec();
    });

    fill_congregations();
    fill();
    list_->setFocus();
}

std::optional<std::size_t> SpeakerPickerDialog::pick(store::Document& doc,
                                                     schedule::SpeakerPickerParams params,
                                                     QWidget* parent) {
    SpeakerPickerDialog dialog(doc, std::move(params), parent);
    return run_chooser(dialog, [](SpeakerPickerDialog& d) { return d.model().chosen(); });
}

void SpeakerPickerDialog::fill_congregations() {
    const QSignalBlocker quiet(congregations_);
    congregations_->clear();
    for (const std::string& line : model_.congregation_lines())
        congregations_->addItem(qs(line));
    congregations_->setCurrentIndex(model_.congregation_line());
}

void SpeakerPickerDialog::fill() {
    list_->set_lines(model_.lines());
    // Fitted once, to the opening's lines: the filters only narrow them, and refitting
    // would widen the dialog under the user's hands.
    if (!columns_fitted_) list_->fit_columns({200, 170});
    columns_fitted_ = true;
    list_->select_line(model_.selected_line());
    update_buttons();
}

void SpeakerPickerDialog::update_buttons() {
    set_side_text(talk_, qs(model_.talk_button_caption()));
    talk_->setVisible(model_.talk_button_visible());
    set_side_text(history_, qs(model_.history_caption()));
    set_side_text(availability_, qs(model_.availability_caption()));
    availability_->setVisible(model_.availability_visible());
    contacts_->setVisible(model_.contacts_visible());
    note_->setText(qs(model_.note_line()));
    note_->setToolTip(note_->text());
}

void SpeakerPickerDialog::choose_talk() {
    const auto params = model_.talk_picker();
    if (!params) return;
    const auto talk = TalkPickerDialog::pick(doc_, *params, this);
    if (!talk) return;
    model_.apply_talk(*talk);
    QDialog::accept();
}

void SpeakerPickerDialog::accept() {
    switch (model_.accept()) {
        case schedule::SpeakerPickerModel::Close::ok:
            QDialog::accept();
            break;
        case schedule::SpeakerPickerModel::Close::cancel:
            QDialog::reject();
            break;
        case schedule::SpeakerPickerModel::Close::stay:
            break;
    }
}

}  // namespace vorla::gui
