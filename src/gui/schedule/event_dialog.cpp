#include "gui/schedule/event_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/text/texts.h"
#include "gui/app/string_helpers.h"
#include "gui/app/text_guard.h"
#include "gui/schedule/schedule_widgets.h"

namespace vorla::gui {

using schedule::EventDialogModel;
using store::EventKind;

EventDialog::EventDialog(EventDialogModel model, QWidget* parent)
    : QDialog(parent), model_(std::move(model)) {
    setObjectName(QStringLiteral("EventDialog"));
    setWindowTitle(QStringLiteral("Редактировать особое событие"));

    weeks_ = new QComboBox(this);
    for (const std::string& w : model_.week_choices())
        weeks_->addItem(qs(w));
    weeks_->setMaxVisibleItems(20);
    weeks_->setCurrentIndex(model_.week_choice());

    convention_ = new QRadioButton(QStringLiteral("Конгресс"), this);
    visit_ = new QRadioButton(QStringLiteral("Посещение Районного Надзирателя"), this);
    other_ = new QRadioButton(QStringLiteral("Другое"), this);
    if (QRadioButton* chosen = kind_button(model_.kind())) chosen->setChecked(true);

    title_ = new QLineEdit(qs(model_.title()), this);
    guard_text(title_, EventDialogModel::kTitleChars);
    talk_title_ = new QLineEdit(qs(model_.talk_title()), this);
    guard_text(talk_title_, EventDialogModel::kTalkTitleChars);
    talk_title_->setMinimumWidth(talk_title_->fontMetrics().averageCharWidth() * 60);

    permissions_ = new QGroupBox(QStringLiteral(" Разрешить планирование "), this);
    chairman_ = new QCheckBox(qs(text::text(text::TextId::role_chairman)), permissions_);
    host_ = new QCheckBox(qs(text::text(text::TextId::hospitality)), permissions_);
    reader_ = new QCheckBox(qs(text::text(text::TextId::role_reader)), permissions_);
    auto* boxes = new QHBoxLayout(permissions_);
    for (QCheckBox* b : {chairman_, host_, reader_})
        boxes->addWidget(b);
    boxes->addStretch(1);

    auto* kinds = new QHBoxLayout;
    for (QRadioButton* r : {convention_, visit_, other_})
        kinds->addWidget(r);
    kinds->addStretch(1);
    auto* names = new QFormLayout;
    names->setRowWrapPolicy(QFormLayout::WrapAllRows);
    names->addRow(QStringLiteral("Докладчик или Событие"), title_);
    names->addRow(QStringLiteral("Название речи"), talk_title_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(weeks_, 0, Qt::AlignLeft);
    layout->addLayout(kinds);
    layout->addLayout(names);
    layout->addWidget(permissions_);
    add_ok_cancel(this, layout);

    for (auto [button, kind] :
         {std::pair{convention_, EventKind::convention},
          std::pair{visit_, EventKind::overseer_visit}, std::pair{other_, EventKind::other}}) {
        const EventKind k = kind;
        connect(button, &QRadioButton::clicked, this, [this, k] {
            model_.choose_kind(k);
            title_->setText(qs(model_.title()));
            show_permissions();
        });
    }
    show_permissions();
    // Hidden boxes keep their room: the dialog does not jump between kinds.
    for (QWidget* w : {static_cast<QWidget*>(permissions_), static_cast<QWidget*>(reader_)}) {
        QSizePolicy keep = w->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        w->setSizePolicy(keep);
    }
    weeks_->setFocus();
}

QRadioButton* EventDialog::kind_button(EventKind kind) const {
    switch (kind) {
        case EventKind::convention:
            return convention_;
        case EventKind::overseer_visit:
            return visit_;
        case EventKind::other:
            return other_;
        case EventKind::none:
            break;
    }
    return nullptr;
}

void EventDialog::show_permissions() {
    permissions_->setVisible(model_.group_visible());
    reader_->setVisible(model_.reader_visible());
    chairman_->setChecked(model_.keeps_chairman());
    host_->setChecked(model_.keeps_host());
    reader_->setChecked(model_.keeps_reader());
}

void EventDialog::take_fields() {
    model_.choose_week(weeks_->currentIndex());
    model_.set_title(title_->text().toStdString());
    model_.set_talk_title(talk_title_->text().toStdString());
    model_.set_keeps_chairman(chairman_->isChecked());
    model_.set_keeps_host(host_->isChecked());
    model_.set_keeps_reader(reader_->isChecked());
}

void EventDialog::accept() {
    take_fields();
    if (model_.accept()) QDialog::accept();
}

}  // namespace vorla::gui
