#include "gui/schedule/package_import_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/texts.h"
#include "gui/app/qt_prompter.h"
#include "gui/app/string_helpers.h"
#include "gui/app/text_guard.h"
#include "gui/editors/name_list_dialog.h"

namespace vorla::gui {

using text::TextId;

namespace {

// Long texts without line breaks of their own wrap; the others keep their lines, so the
// layout knows their height.
QLabel* wrapped_label(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    return label;
}

// A label that shows its text, or hides when the model has none.
void show_text(QLabel* label, const std::string& text) {
    label->setText(qs(text));
    label->setVisible(!text.empty());
}

}  // namespace

PackageImportDialog::PackageImportDialog(store::Document& doc, const std::filesystem::path& file,
                                         QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, file) {
    setObjectName(QStringLiteral("PackageImportDialog"));
    setWindowTitle(qs(model_.caption()));

    auto* congregation = new QGroupBox(qs(text::TextId::congregation_group), this);
    name_ = new QLineEdit(congregation);
    guard_text(name_, schedule::PackageImportModel::kNameMax);
    name_->setText(qs(model_.name()));
    status_ = wrapped_label(congregation);
    circuit_ = new QPushButton(congregation);
    circuit_->setAutoDefault(false);
    circuit_warning_ = wrapped_label(congregation);
    auto* circuit_row = new QHBoxLayout;
    circuit_row->addWidget(new QLabel(qs(text::TextId::circuit_colon), congregation));
    circuit_row->addWidget(circuit_, 1);
    auto* congregation_layout = new QVBoxLayout(congregation);
    congregation_layout->addWidget(name_);
    congregation_layout->addWidget(status_);
    congregation_layout->addLayout(circuit_row);
    congregation_layout->addWidget(circuit_warning_);

    auto* brothers = new QGroupBox(qs(text::TextId::brothers_group), this);
    list_ = new QListWidget(brothers);
    list_->setSelectionMode(QAbstractItemView::MultiSelection);
    list_->setMinimumSize(360, 120);
    for (std::size_t k = 0; k < model_.line_count(); ++k) {
        auto* item = new QListWidgetItem(qs(model_.line(k)), list_);
        item->setSelected(model_.selected(k));
    }
    selection_ = new QLabel(brothers);
    duplicates_ = new QLabel(brothers);
    new_brothers_ = new QLabel(brothers);
    auto* hint = new QLabel(brothers);
    hint->setText(qs(model_.hint()));
    auto* brothers_layout = new QVBoxLayout(brothers);
    brothers_layout->addWidget(list_, 1);
    brothers_layout->addWidget(selection_);
    brothers_layout->addWidget(duplicates_);
    brothers_layout->addWidget(new_brothers_);
    brothers_layout->addWidget(hint);

    removal_group_ = new QGroupBox(this);
    removal_caption_ = new QLabel(removal_group_);
    removal_list_ = new QComboBox(removal_group_);
    auto* removal_layout = new QVBoxLayout(removal_group_);
    removal_layout->addWidget(removal_caption_);
    removal_layout->addWidget(removal_list_);

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    buttons->addButton(qs(text::text(TextId::cancel)), QDialogButtonBox::RejectRole);
    ok_->setDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(congregation);
    layout->addWidget(brothers, 1);
    layout->addWidget(removal_group_);
    layout->addWidget(buttons);
    setMinimumWidth(480);

    connect(name_, &QLineEdit::textEdited, this, [this](const QString& typed) {
        model_.edit_name(us(typed));
        refresh();
    });
    connect(circuit_, &QPushButton::clicked, this, &PackageImportDialog::choose_circuit);
    connect(list_, &QListWidget::itemSelectionChanged, this, [this] {
        for (int k = 0; k < list_->count(); ++k)
            model_.set_selected(static_cast<std::size_t>(k), list_->item(k)->isSelected());
        refresh();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &PackageImportDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    refresh();
}

void PackageImportDialog::choose_circuit() {
    NameListDialog chooser(doc_, editors::NamedList::circuits, true, model_.circuit_preselect(),
                           this);
    if (chooser.exec() != QDialog::Accepted) return;
    model_.set_circuit(chooser.model().chosen_id());
    refresh();
}

void PackageImportDialog::refresh() {
    status_->setText(qs(model_.status_line()));
    circuit_->setText(qs(model_.circuit_caption()));
    show_text(circuit_warning_, model_.circuit_warning());
    selection_->setText(qs(model_.selection_line()));
    show_text(duplicates_, model_.duplicates_line());
    show_text(new_brothers_, model_.new_brothers_line());
    removal_group_->setVisible(model_.removal_visible());
    removal_caption_->setText(qs(model_.removal_caption()));
    removal_list_->clear();
    for (const std::string& name : model_.removal_names())
        removal_list_->addItem(qs(name));
    ok_->setText(qs(model_.ok_caption()));
    ok_->setEnabled(model_.ok_enabled());
}

void PackageImportDialog::accept() {
    if (model_.ok()) {
        QDialog::accept();
    } else {
        refresh();
    }
}

}  // namespace vorla::gui
