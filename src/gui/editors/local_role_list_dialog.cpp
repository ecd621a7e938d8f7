#include "gui/editors/local_role_list_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "core/text/texts.h"
#include "gui/app/line_list.h"
#include "gui/app/run_chooser.h"
#include "gui/app/side_button.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

LocalRoleListDialog::LocalRoleListDialog(store::Document& doc,
                                         const editors::LocalRoleListParams& params,
                                         QWidget* parent)
    : QDialog(parent), model_(doc, params) {
    setObjectName(QStringLiteral("LocalRoleListDialog"));
    setWindowTitle(qs(model_.title()));
    list_ = new LineList(1, this);
    list_->setMinimumSize(260, 300);
    status_ = new QLabel(this);
    ok_ = new QPushButton(qs(model_.ok_caption()), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(qs(text::text(text::TextId::cancel)), this);
    edit_ = side_button(QString(), this);
    edit_->setVisible(model_.edit_button_visible());
    // The edit button changes its caption; it keeps the width of the wider one.
    int width = 0;
    for (auto caption : {text::TextId::view_list, text::TextId::edit_list}) {
        edit_->setText(qs(text::text(caption)));
        width = std::max(width, edit_->sizeHint().width());
    }
    for (QPushButton* b : {ok_, cancel_, edit_})
        b->setMinimumWidth(width);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(cancel_);
    buttons->addSpacing(12);
    buttons->addWidget(edit_);
    buttons->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(status_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(list_, &QTreeWidget::itemSelectionChanged, this, [this] {
        if (model_.edit_view()) apply_ticks();
    });
    connect(list_, &LineList::line_activated, this, [this] {
        if (!model_.edit_view()) accept();
    });
    connect(ok_, &QPushButton::clicked, this, &LocalRoleListDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(edit_, &QPushButton::clicked, this, [this] {
        model_.toggle_view();
        fill();
        list_->setFocus();
    });
    fill();
}

std::optional<std::size_t> LocalRoleListDialog::choose(store::Document& doc,
                                                       const editors::LocalRoleListParams& params,
                                                       QWidget* parent) {
    LocalRoleListDialog dialog(doc, params, parent);
    return run_chooser(dialog, [](LocalRoleListDialog& d) { return d.model().chosen(); });
}

void LocalRoleListDialog::fill() {
    const QSignalBlocker quiet(list_);
    list_->setSelectionMode(model_.edit_view() ? QAbstractItemView::MultiSelection
                                               : QAbstractItemView::SingleSelection);
    list_->set_lines(model_.lines());
    if (model_.edit_view()) {
        for (std::size_t line : model_.ticked())
            list_->topLevelItem(static_cast<int>(line))->setSelected(true);
    } else {
        list_->select_line(model_.current_line());
    }
    edit_->setText(qs(model_.edit_caption()));
    ok_->setVisible(model_.ok_visible());
    status_->setVisible(model_.status_visible());
    status_->setText(qs(model_.status_text()));
}

void LocalRoleListDialog::apply_ticks() {
    std::vector<std::size_t> ticked;
    for (int r = 0; r < list_->topLevelItemCount(); ++r) {
        if (list_->topLevelItem(r)->isSelected()) ticked.push_back(static_cast<std::size_t>(r));
    }
    model_.set_ticked(ticked);
}

void LocalRoleListDialog::accept() {
    if (!model_.ok_visible()) return;
    const auto line = model_.edit_view() ? std::nullopt : list_->current_line();
    if (model_.ok(line) == editors::LocalRoleListModel::Close::cancel) {
        QDialog::reject();
        return;
    }
    QDialog::accept();
}

}  // namespace vorla::gui
