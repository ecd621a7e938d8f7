#include "gui/editors/availability_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/string_helpers.h"

namespace vorla::gui {

void AvailabilityDialog::show_read_only(store::Document& doc, std::uint16_t brother_id,
                                        QWidget* parent) {
    const auto pos = doc.brothers().find(brother_id);
    AvailabilityDialog dialog(doc, brother_id, pos && doc.brothers().at(*pos).discontinued(), true,
                              parent);
    dialog.exec();
}

AvailabilityDialog::AvailabilityDialog(store::Document& doc, std::uint16_t brother_id,
                                       bool discontinued, bool read_only, QWidget* parent)
    : QDialog(parent),
      model_(doc, brother_id, discontinued, read_only),
      opening_discontinued_(discontinued) {
    setObjectName(QStringLiteral("AvailabilityDialog"));
    setWindowTitle(qs(model_.title()));

    prompt_ = new QLabel(qs(model_.prompt_text()), this);
    prompt_->setWordWrap(true);
    list_ = new QListWidget(this);
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    for (int i = 0; i < editors::AvailabilityModel::kWeeks; ++i) {
        auto* item = new QListWidgetItem(qs(model_.lines()[static_cast<std::size_t>(i)]), list_);
        item->setData(Qt::UserRole, model_.week_of(i).value);
        item->setSelected(model_.selected(i));
    }
    // Read-only, or without a brother, the list only shows the marks (set after them: items
    // of a list without selection cannot be selected).
    if (!model_.weeks_editable()) list_->setSelectionMode(QAbstractItemView::NoSelection);
    list_->setMinimumHeight(list_->sizeHintForRow(0) * 14);
    list_->setMinimumWidth(list_->sizeHintForColumn(0) + 40);
    prompt_->setBuddy(list_);

    count_ = new QLabel(this);
    count_->setObjectName(QStringLiteral("count"));
    auto* count_row = new QHBoxLayout;
    count_row->addWidget(new QLabel(qs(text::TextId::unavailable_count), this));
    count_row->addWidget(count_);
    count_row->addWidget(new QLabel(qs(text::TextId::weeks_caption), this));
    count_row->addStretch(1);

    discontinued_box_ = new QCheckBox(qs(text::TextId::discontinued), this);
    discontinued_box_->setChecked(model_.discontinued());
    discontinued_box_->setEnabled(model_.discontinued_enabled());

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(qs(model_.cancel_caption()), QDialogButtonBox::RejectRole);
    ok_->setVisible(model_.ok_visible());
    prompt_->setVisible(model_.prompt_visible());
    (model_.ok_visible() ? ok_ : cancel_)->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(prompt_);
    layout->addWidget(list_, 1);
    layout->addLayout(count_row);
    layout->addWidget(discontinued_box_);
    layout->addWidget(buttons);

    connect(list_, &QListWidget::itemSelectionChanged, this,
            &AvailabilityDialog::on_selection_changed);
    connect(discontinued_box_, &QCheckBox::toggled, this,
            [this](bool on) { model_.set_discontinued(on); });
    connect(buttons, &QDialogButtonBox::accepted, this, &AvailabilityDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    if (model_.first_selected() >= 0) {
        list_->scrollToItem(list_->item(model_.first_selected()), QAbstractItemView::PositionAtTop);
    }
    list_->setFocus();
    on_selection_changed();
}

void AvailabilityDialog::on_selection_changed() {
    for (int i = 0; i < list_->count(); ++i)
        model_.set_selected(i, list_->item(i)->isSelected());
    count_->setText(qs(model_.count_text()));
}

void AvailabilityDialog::accept() {
    if (!model_.ok_visible()) return;
    model_.accept();
    QDialog::accept();
}

void AvailabilityDialog::reject() {
    model_.set_discontinued(opening_discontinued_);
    QDialog::reject();
}

}  // namespace vorla::gui
