#include "gui/editors/congregation_editor_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/string_helpers.h"
#include "gui/app/text_guard.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/editors/editor_widgets.h"
#include "gui/editors/map_dialog.h"
#include "gui/editors/name_list_dialog.h"

namespace vorla::gui {

using Model = editors::CongregationEditorModel;
using Fields = editors::CongregationFields;
using Record = store::CongregationRecord;
using editors::CongregationOffice;

namespace {

constexpr CongregationOffice kOffices[] = {
    CongregationOffice::cobe, CongregationOffice::talk_coordinator, CongregationOffice::secretary};

}  // namespace

CongregationEditorDialog::CongregationEditorDialog(store::Document& doc,
                                                   editors::CongregationListModel* list,
                                                   std::optional<std::size_t> position,
                                                   std::uint16_t fixed_cong, QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, list, position, fixed_cong) {
    setObjectName(QStringLiteral("CongregationEditorDialog"));
    setWindowTitle(QString());  // the editor has no title text

    name_ = edits_.add(this, &Fields::name, Record::kNameMax);
    name_->setValidator(new CongregationNameValidator(name_));
    address1_ = edits_.add(this, &Fields::hall_address1, Record::kAddressMax);
    address2_ = edits_.add(this, &Fields::hall_address2, Record::kAddressMax);
    phone1_ = edits_.add(this, &Fields::phone1, Record::kPhoneMax);
    phone2_ = edits_.add(this, &Fields::phone2, Record::kPhoneMax);
    time_even_ = edits_.add(this, &Fields::time_even, Record::kTimeMax);
    time_odd_ = edits_.add(this, &Fields::time_odd, Record::kTimeMax);
    day_even_ = new QPushButton(this);
    day_odd_ = new QPushButton(this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(qs(text::TextId::undo_changes), this);
    apply_ = new QPushButton(qs(text::TextId::apply), this);
    prev_ = new QPushButton(qs(text::TextId::previous), this);
    next_ = new QPushButton(qs(text::TextId::next), this);
    delete_ = new QPushButton(qs(text::TextId::delete_button), this);
    brothers_ = new QPushButton(this);
    for (QPushButton*& b : officers_)
        b = new QPushButton(this);
    circuit_ = new QPushButton(this);
    map_ = new QPushButton(qs(text::TextId::map_error_caption), this);
    for (QPushButton* b : findChildren<QPushButton*>()) {
        if (b != ok_) b->setAutoDefault(false);
    }

    auto* name_label = new QLabel(qs(text::TextId::congregation), this);
    name_label->setBuddy(name_);
    auto* hall = new QGroupBox(qs(text::TextId::hall_address), this);
    auto* hall_layout = new QVBoxLayout(hall);
    hall_layout->addWidget(address1_);
    hall_layout->addWidget(address2_);
    auto* phones = new QGroupBox(qs(text::TextId::phone_group), this);
    auto* phones_layout = new QHBoxLayout(phones);
    phones_layout->addWidget(phone1_);
    phones_layout->addWidget(phone2_);
    auto* meetings = new QGroupBox(qs(text::TextId::meeting_schedule_group), this);
    auto* meetings_layout = new QGridLayout(meetings);
    meetings_layout->addWidget(new QLabel(qs(text::TextId::even_year), meetings), 0, 0);
    meetings_layout->addWidget(day_even_, 0, 1);
    meetings_layout->addWidget(time_even_, 0, 2);
    meetings_layout->addWidget(new QLabel(qs(text::TextId::odd_year), meetings), 1, 0);
    meetings_layout->addWidget(day_odd_, 1, 1);
    meetings_layout->addWidget(time_odd_, 1, 2);
    day_even_->setMinimumWidth(120);
    day_odd_->setMinimumWidth(120);

    auto* left = new QVBoxLayout;
    left->addWidget(name_label);
    left->addWidget(name_);
    left->addWidget(hall);
    left->addWidget(phones);
    left->addWidget(meetings);
    left->addWidget(brothers_);
    for (QPushButton* b : officers_)
        left->addWidget(b);
    left->addWidget(circuit_);
    left->addWidget(map_);
    left->addStretch(1);
    frame_record_editor(this, left, {ok_, cancel_, apply_, prev_, next_, delete_});
    set_tab_order({name_,        address1_, address2_, phone1_,   phone2_,      day_even_,
                   time_even_,   day_odd_,  time_odd_, brothers_, officers_[0], officers_[1],
                   officers_[2], circuit_,  map_,      ok_,       cancel_,      apply_,
                   prev_,        next_,     delete_});

    connect(name_, &QLineEdit::textEdited, this, [this](const QString& text) {
        model_.fields().name = us(text);
        update_buttons();
    });
    connect(day_even_, &QPushButton::clicked, this, [this] {
        model_.press_day_even();
        day_even_->setText(qs(Model::day_name(model_.fields().day_even)));
    });
    connect(day_odd_, &QPushButton::clicked, this, [this] {
        model_.press_day_odd();
        day_odd_->setText(qs(Model::day_name(model_.fields().day_odd)));
    });
    // A refused name goes back to the user with everything else as typed.
    const auto done = [this](bool ok, auto then) {
        if (ok) {
            then();
        } else {
            name_->setFocus();
        }
    };
    connect(ok_, &QPushButton::clicked, this, [this, done] {
        collect();
        done(model_.ok(), [this] { QDialog::accept(); });
    });
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(apply_, &QPushButton::clicked, this, [this, done] {
        collect();
        done(model_.apply(), [this] { load_controls(); });
    });
    connect(prev_, &QPushButton::clicked, this, [this, done] {
        collect();
        done(model_.step(-1), [this] { load_controls(); });
    });
    connect(next_, &QPushButton::clicked, this, [this, done] {
        collect();
        done(model_.step(+1), [this] { load_controls(); });
    });
    connect(delete_, &QPushButton::clicked, this, [this] {
        if (model_.remove()) QDialog::accept();
    });
    connect(brothers_, &QPushButton::clicked, this, &CongregationEditorDialog::open_brothers);
    for (std::size_t i = 0; i < std::size(kOffices); ++i) {
        connect(officers_[i], &QPushButton::clicked, this,
                [this, i] { choose_officer(kOffices[i]); });
    }
    connect(circuit_, &QPushButton::clicked, this, &CongregationEditorDialog::choose_circuit);
    connect(map_, &QPushButton::clicked, this, &CongregationEditorDialog::edit_map);

    name_->setEnabled(model_.name_enabled());
    load_controls();
    name_->setFocus();
}

QPushButton* CongregationEditorDialog::officer_button(CongregationOffice o) const {
    for (std::size_t i = 0; i < std::size(kOffices); ++i) {
        if (kOffices[i] == o) return officers_[i];
    }
    return nullptr;
}

void CongregationEditorDialog::load_controls() {
    const editors::CongregationFields& f = model_.fields();
    edits_.show(f);
    day_even_->setText(qs(Model::day_name(f.day_even)));
    day_odd_->setText(qs(Model::day_name(f.day_odd)));
    update_buttons();
}

void CongregationEditorDialog::update_buttons() {
    apply_->setVisible(model_.apply_visible());
    brothers_->setVisible(model_.brothers_visible());
    brothers_->setText(qs(model_.brothers_caption()));
    for (std::size_t i = 0; i < std::size(kOffices); ++i) {
        officers_[i]->setVisible(model_.officers_visible());
        officers_[i]->setText(qs(model_.officer_caption(kOffices[i])));
    }
    circuit_->setVisible(model_.circuit_visible());
    circuit_->setText(qs(model_.circuit_caption()));
    map_->setVisible(model_.map_visible());
    for (QPushButton* b : {prev_, next_, delete_})
        b->setVisible(model_.step_visible());
}

void CongregationEditorDialog::collect() {
    edits_.collect(model_.fields());
}

void CongregationEditorDialog::open_brothers() {
    collect();
    const auto params = model_.brothers_list();
    if (!params) {
        name_->setFocus();
        return;
    }
    BrotherListDialog list(doc_, *params, this);
    list.exec();
    model_.brothers_closed();
    update_buttons();
}

void CongregationEditorDialog::choose_officer(CongregationOffice o) {
    if (const auto pos = BrotherListDialog::choose(doc_, model_.officer_chooser(o), this)) {
        model_.set_officer(o, doc_.brothers().at(*pos).brother_id);
        update_buttons();
    }
}

void CongregationEditorDialog::choose_circuit() {
    NameListDialog chooser(doc_, editors::NamedList::circuits, true, model_.circuit_preselect(),
                           this);
    if (chooser.exec() == QDialog::Accepted) {
        model_.set_circuit(chooser.model().chosen_id());
        update_buttons();
    }
}

void CongregationEditorDialog::edit_map() {
    if (const auto name = MapDialog::edit(doc_, model_.map_file(), this))
        model_.set_map_file(*name);
}

}  // namespace vorla::gui
