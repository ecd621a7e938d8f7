#include "gui/editors/brother_editor_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/side_button.h"
#include "gui/app/string_helpers.h"
#include "gui/app/text_guard.h"
#include "gui/editors/availability_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/editor_widgets.h"
#include "gui/editors/talk_chooser_dialog.h"

namespace vorla::gui {

using Fields = editors::BrotherFields;
using Record = store::BrotherRecord;
using ExtraRecord = store::BrotherExtraRecord;

BrotherEditorDialog::BrotherEditorDialog(store::Document& doc, editors::BrotherListModel* list,
                                         std::optional<std::size_t> position,
                                         std::uint16_t preset_cong, QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, list, position, preset_cong) {
    setObjectName(QStringLiteral("BrotherEditorDialog"));
    setWindowTitle(qs(model_.title()));

    first_name_ = edits_.add(this, &Fields::first_name, Record::kNameMax);
    last_name_ = edits_.add(this, &Fields::last_name, Record::kNameMax);
    address1_ = edits_.add(this, &Fields::address1, Record::kAddressMax);
    address2_ = edits_.add(this, &Fields::address2, Record::kAddressMax);
    phone_ = edits_.add(this, &Fields::phone, Record::kPhoneMax);
    phone2_ = edits_.add(this, &Fields::phone2, ExtraRecord::kPhoneMax);
    phone3_ = edits_.add(this, &Fields::phone3, ExtraRecord::kPhoneMax);
    email_ = edits_.add(this, &Fields::email, ExtraRecord::kEmailMax);
    note_ = edits_.add(this, &Fields::note, ExtraRecord::kNoteMax);
    elder_ = new QCheckBox(qs(text::TextId::elder), this);
    servant_ = new QCheckBox(qs(text::TextId::ministerial_servant), this);
    ok_ = side_button(QStringLiteral("&OK"), this);
    ok_->setDefault(true);
    cancel_ = side_button(qs(text::TextId::cancel_mnemonic), this);
    prev_ = side_button(qs(text::TextId::previous_mnemonic), this);
    next_ = side_button(qs(text::TextId::next_mnemonic), this);
    delete_ = side_button(qs(text::TextId::delete_mnemonic), this);
    congregation_ = side_button(QString(), this);
    talks_ = side_button(QString(), this);
    availability_ = side_button(QString(), this);

    // One grid for every labelled edit, so that the edits line up under each other.
    auto* fields = new QGridLayout;
    int row = 0;
    const auto add_row = [&](const QString& label, QWidget* field) {
        auto* l = new QLabel(label, this);
        l->setBuddy(field);
        fields->addWidget(l, row, 0);
        fields->addWidget(field, row++, 1);
    };
    add_row(qs(text::TextId::first_name), first_name_);
    add_row(qs(text::TextId::last_name), last_name_);
    auto* address = new QGroupBox(qs(text::TextId::address_group), this);
    auto* address_layout = new QVBoxLayout(address);
    address_layout->addWidget(address1_);
    address_layout->addWidget(address2_);
    fields->addWidget(address, row++, 0, 1, 2);
    add_row(qs(text::TextId::phone), phone_);
    add_row(qs(text::TextId::phone_2), phone2_);
    add_row(qs(text::TextId::phone_3), phone3_);
    add_row(QStringLiteral("E-mail"), email_);
    add_row(qs(text::TextId::note), note_);
    auto* offices = new QHBoxLayout;
    offices->addWidget(elder_);
    offices->addWidget(servant_);
    offices->addStretch(1);

    auto* left = new QVBoxLayout;
    left->addLayout(fields);
    left->addLayout(offices);
    left->addWidget(congregation_);
    left->addWidget(talks_);
    left->addWidget(availability_);
    frame_record_editor(this, left, {ok_, cancel_, prev_, next_, delete_});
    // The order Enter and Tab take through the dialog.
    set_tab_order({first_name_, last_name_, address1_, address2_, phone_, phone2_, phone3_, email_,
                   note_, elder_, servant_, congregation_, talks_, availability_, ok_, cancel_,
                   prev_, next_, delete_});

    first_name_->installEventFilter(this);
    connect(first_name_, &QLineEdit::textEdited, this, [this] { on_name_edited(first_name_); });
    connect(last_name_, &QLineEdit::textEdited, this, [this] { on_name_edited(last_name_); });
    connect(elder_, &QCheckBox::clicked, this, [this](bool on) {
        model_.set_elder(on);
        servant_->setChecked(model_.fields().servant);
    });
    connect(servant_, &QCheckBox::clicked, this, [this](bool on) {
        model_.set_servant(on);
        elder_->setChecked(model_.fields().elder);
    });
    connect(ok_, &QPushButton::clicked, this, &BrotherEditorDialog::on_ok);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(prev_, &QPushButton::clicked, this, [this] { on_step(-1); });
    connect(next_, &QPushButton::clicked, this, [this] { on_step(+1); });
    connect(delete_, &QPushButton::clicked, this, [this] {
        if (model_.remove()) QDialog::accept();
    });
    connect(congregation_, &QPushButton::clicked, this, &BrotherEditorDialog::choose_congregation);
    connect(talks_, &QPushButton::clicked, this, &BrotherEditorDialog::choose_talks);
    connect(availability_, &QPushButton::clicked, this, &BrotherEditorDialog::edit_availability);

    delete_->setVisible(model_.step_visible());
    prev_->setVisible(model_.step_visible());
    next_->setVisible(model_.step_visible());
    congregation_->setVisible(model_.congregation_visible());
    load_controls();
    first_name_->setFocus();
}

void BrotherEditorDialog::load_controls() {
    const editors::BrotherFields& f = model_.fields();
    edits_.show(f);
    elder_->setChecked(f.elder);
    servant_->setChecked(f.servant);
    update_captions();
}

void BrotherEditorDialog::update_captions() {
    congregation_->setText(qs(model_.congregation_caption()));
    talks_->setText(qs(model_.talks_caption()));
    availability_->setText(qs(model_.availability_caption()));
}

void BrotherEditorDialog::collect() {
    editors::BrotherFields& f = model_.fields();
    edits_.collect(f);
    f.elder = elder_->isChecked();
    f.servant = servant_->isChecked();
}

void BrotherEditorDialog::on_ok() {
    collect();
    if (model_.ok()) QDialog::accept();
}

void BrotherEditorDialog::on_step(int delta) {
    collect();
    if (model_.step(delta)) {
        load_controls();
        first_name_->setFocus();
    }
}

void BrotherEditorDialog::on_name_edited(QLineEdit* edit) {
    if (const auto capitalised = model_.auto_capitals(us(edit->text()))) {
        edit->setText(qs(capitalised->text));
        edit->setCursorPosition(static_cast<int>(capitalised->caret));
    }
    if (edit == last_name_) {
        model_.fields().first_name = us(first_name_->text());
        if (const auto initial = model_.surname_changed(us(last_name_->text())))
            first_name_->setText(qs(*initial));
    }
}

bool BrotherEditorDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == first_name_ && event->type() == QEvent::FocusOut) {
        model_.fields().last_name = us(last_name_->text());
        if (const auto initial = model_.first_name_left(us(first_name_->text())))
            first_name_->setText(qs(*initial));
    }
    return QDialog::eventFilter(watched, event);
}

void BrotherEditorDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (focusWidget() == ok_) {
            on_ok();
        } else {
            focusNextChild();
        }
        return;
    }
    QDialog::keyPressEvent(event);
}

void BrotherEditorDialog::choose_congregation() {
    if (const auto pos =
            CongregationListDialog::choose(doc_, model_.congregation_position(), this)) {
        model_.set_congregation(doc_.congregations().at(*pos).cong_id);
        update_captions();
    }
}

void BrotherEditorDialog::choose_talks() {
    collect();
    store::BrotherRecord record = model_.record_for_talks();
    if (TalkChooserDialog::choose_brother_talks(doc_, record, this)) {
        model_.take_talks(record);
        update_captions();
    }
}

void BrotherEditorDialog::edit_availability() {
    AvailabilityDialog dialog(doc_, model_.brother_id(), model_.discontinued(), false, this);
    dialog.exec();
    model_.set_discontinued(dialog.discontinued());
    update_captions();
}

}  // namespace vorla::gui
