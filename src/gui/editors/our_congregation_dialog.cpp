#include "gui/editors/our_congregation_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/texts.h"
#include "gui/app/side_button.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/congregation_editor_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/local_role_list_dialog.h"
#include "gui/editors/name_list_dialog.h"

namespace vorla::gui {

using store::LocalRole;

OurCongregationDialog::OurCongregationDialog(
    store::Document& doc, std::function<void(std::uint16_t cong_id)> export_package,
    QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc), export_package_(std::move(export_package)) {
    setObjectName(QStringLiteral("OurCongregationDialog"));
    choose_ = side_button(QString(), this);
    details_ = side_button(qs(text::TextId::view_edit_congregation_details), this);
    outgoing_ = side_button(QString(), this);
    chairmen_ = side_button(QString(), this);
    readers_ = side_button(QString(), this);
    hospitality_ = side_button(QString(), this);
    export_ = side_button(qs(text::TextId::create_export_package), this);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(qs(text::text(text::TextId::cancel)), this);

    auto* grid = new QGridLayout;
    grid->addWidget(choose_, 0, 0);
    grid->addWidget(details_, 0, 1);
    grid->addWidget(outgoing_, 1, 0);
    grid->addWidget(chairmen_, 1, 1);
    grid->addWidget(readers_, 2, 0);
    grid->addWidget(hospitality_, 2, 1);
    grid->addWidget(export_, 3, 0, 1, 2);
    auto* bottom = new QHBoxLayout;
    bottom->addStretch(1);
    bottom->addWidget(ok_);
    bottom->addWidget(cancel_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addLayout(bottom);

    // The dialog keeps no data of its own: OK and "Отмена" both just close it.
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(choose_, &QPushButton::clicked, this, &OurCongregationDialog::choose_congregation);
    connect(details_, &QPushButton::clicked, this, &OurCongregationDialog::edit_details);
    connect(outgoing_, &QPushButton::clicked, this,
            [this] { open_list(LocalRole::outgoing_speaker); });
    connect(chairmen_, &QPushButton::clicked, this, [this] { open_list(LocalRole::chairman); });
    connect(readers_, &QPushButton::clicked, this, [this] { open_list(LocalRole::reader); });
    connect(hospitality_, &QPushButton::clicked, this, &OurCongregationDialog::edit_hospitality);
    connect(export_, &QPushButton::clicked, this, [this] {
        if (export_package_) export_package_(doc_.our_congregation());
        show_model();
    });
    show_model();
}

QPushButton* OurCongregationDialog::list_button(LocalRole role) const {
    switch (role) {
        case LocalRole::outgoing_speaker:
            return outgoing_;
        case LocalRole::chairman:
            return chairmen_;
        case LocalRole::reader:
            break;
    }
    return readers_;
}

void OurCongregationDialog::show_model() {
    setWindowTitle(qs(model_.title()));
    choose_->setText(qs(model_.choose_caption()));
    for (LocalRole role : {LocalRole::outgoing_speaker, LocalRole::chairman, LocalRole::reader})
        list_button(role)->setText(qs(model_.list_caption(role)));
    hospitality_->setText(qs(model_.hospitality_caption()));
    const bool on = model_.buttons_enabled();
    for (QPushButton* b : {details_, outgoing_, chairmen_, readers_, hospitality_})
        b->setEnabled(on);
    export_->setEnabled(on && export_package_ != nullptr);
    readers_->setVisible(model_.readers_visible());
    hospitality_->setVisible(model_.hospitality_visible());
}

void OurCongregationDialog::choose_congregation() {
    model_.choose(CongregationListDialog::choose(doc_, model_.chooser_preselect(), this));
    show_model();
}

void OurCongregationDialog::edit_details() {
    const auto pos = doc_.congregations().find(doc_.our_congregation());
    if (!pos) return;
    CongregationEditorDialog editor(doc_, nullptr, pos, doc_.our_congregation(), this);
    // What the editor saves is announced; the local brothers follow it.
    editor.exec();
    show_model();
}

void OurCongregationDialog::open_list(LocalRole role) {
    LocalRoleListDialog list(doc_, editors::OurCongregationModel::list_params(role), this);
    list.exec();
    show_model();
}

void OurCongregationDialog::edit_hospitality() {
    NameListDialog hosts(doc_, editors::NamedList::hosts, false, -1, this);
    hosts.exec();
    show_model();
}

}  // namespace vorla::gui
