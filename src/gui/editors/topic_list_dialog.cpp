#include "gui/editors/topic_list_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/string_helpers.h"
#include "gui/app/text_guard.h"
#include "gui/editors/editor_widgets.h"
#include "gui/editors/line_list.h"

namespace vorla::gui {

TopicListDialog::TopicListDialog(store::Document& doc, QWidget* parent)
    : QDialog(parent), model_(doc) {
    setObjectName(QStringLiteral("TopicListDialog"));
    setWindowTitle(qs(model_.title()));
    list_ = new LineList(1, this);
    list_->setMinimumSize(300, 260);
    edit_ = new QLineEdit(this);
    guard_text(edit_, editors::TopicListModel::kNameMax);
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    add_ = new QPushButton(QStringLiteral("Добавить тему"), this);
    auto* close = new QPushButton(QStringLiteral("Закрыть"), this);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {ok_, add_, close})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* left = new QVBoxLayout;
    left->addWidget(list_, 1);
    left->addWidget(edit_);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(list_, &LineList::line_selected, this, [this](int line) {
        model_.select(static_cast<std::size_t>(line));
        update_controls();
        edit_->setFocus();
    });
    connect(ok_, &QPushButton::clicked, this, &TopicListDialog::accept);
    connect(add_, &QPushButton::clicked, this, [this] {
        model_.add();
        update_controls();
        edit_->setFocus();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    fill();
}

void TopicListDialog::fill() {
    list_->set_lines(model_.lines());
    update_controls();
}

void TopicListDialog::update_controls() {
    show_entry_state(model_, edit_, add_, ok_);
}

void TopicListDialog::accept() {
    if (!model_.ok_visible()) return;
    model_.ok(us(edit_->text()));
    fill();
}

}  // namespace vorla::gui
