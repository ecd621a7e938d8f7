#include "gui/schedule/congregation_chooser_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/text/texts.h"
#include "gui/app/line_list.h"
#include "gui/app/qt_prompter.h"
#include "gui/app/run_chooser.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

using text::TextId;

CongregationChooserDialog::CongregationChooserDialog(const store::Document& doc,
                                                     schedule::ChooserMode mode, QWidget* parent)
    : QDialog(parent), model_(doc, mode) {
    setObjectName(QStringLiteral("CongregationChooserDialog"));
    setWindowTitle(qs(model_.title()));

    circuit_label_ = new QLabel(qs(text::TextId::circuit), this);
    circuits_ = new QComboBox(this);
    for (const std::string& line : model_.circuit_lines())
        circuits_->addItem(qs(line));
    list_ = new LineList(1, this);
    list_->setMinimumSize(300, 320);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    buttons->addButton(qs(text::text(TextId::cancel)), QDialogButtonBox::RejectRole);
    ok->setDefault(true);

    auto* filter = new QHBoxLayout;
    filter->addWidget(circuit_label_);
    filter->addWidget(circuits_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(filter);
    layout->addWidget(list_, 1);
    layout->addWidget(buttons);
    circuit_label_->setVisible(model_.circuit_filter_visible());
    circuits_->setVisible(model_.circuit_filter_visible());

    connect(circuits_, &QComboBox::currentIndexChanged, this, [this](int line) {
        model_.set_circuit_line(line);
        fill();
    });
    connect(list_, &LineList::line_selected, this,
            [this](int line) { model_.select_line(static_cast<std::size_t>(line)); });
    connect(list_, &LineList::line_activated, this, [this](int line) {
        model_.select_line(static_cast<std::size_t>(line));
        accept();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CongregationChooserDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    fill();
    list_->setFocus();
}

std::optional<std::uint16_t> CongregationChooserDialog::choose(const store::Document& doc,
                                                               schedule::ChooserMode mode,
                                                               QWidget* parent) {
    CongregationChooserDialog dialog(doc, mode, parent);
    return run_chooser(dialog, [](CongregationChooserDialog& d) { return d.model().accept(); });
}

void CongregationChooserDialog::fill() {
    list_->set_lines(model_.lines());
    list_->select_line(model_.selected_line());
    scroll_to_top_line();
}

void CongregationChooserDialog::scroll_to_top_line() {
    if (QTreeWidgetItem* top = list_->topLevelItem(static_cast<int>(model_.top_line())))
        list_->scrollToItem(top, QAbstractItemView::PositionAtTop);
}

void CongregationChooserDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    scroll_to_top_line();
}

void CongregationChooserDialog::accept() {
    if (model_.accept()) {
        QDialog::accept();
    } else {
        QDialog::reject();
    }
}

}  // namespace vorla::gui
