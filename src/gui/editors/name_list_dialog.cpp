#include "gui/editors/name_list_dialog.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/line_list.h"
#include "gui/app/string_helpers.h"
#include "gui/app/text_guard.h"
#include "gui/editors/editor_widgets.h"

namespace vorla::gui {

NameListDialog::NameListDialog(store::Document& doc, editors::NamedList which, bool choose,
                               int preselect, QWidget* parent)
    : QDialog(parent), model_(doc, which, choose, preselect) {
    setObjectName(QStringLiteral("NameListDialog"));
    setWindowTitle(qs(model_.title()));
    list_ = new LineList(1, this);
    // Room for the longest name the edit takes.
    list_->setMinimumSize(
        std::max(260, fontMetrics().averageCharWidth() * static_cast<int>(model_.name_max())), 260);
    edit_ = new QLineEdit(this);
    guard_text(edit_, model_.name_max());
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setDefault(true);
    cancel_ = new QPushButton(qs(model_.cancel_caption()), this);
    add_ = new QPushButton(qs(model_.add_caption()), this);

    auto* buttons = new QVBoxLayout;
    for (editors::NameListButton b : model_.buttons()) {
        switch (b) {
            case editors::NameListButton::ok:
                buttons->addWidget(ok_);
                break;
            case editors::NameListButton::close:
                buttons->addWidget(cancel_);
                break;
            case editors::NameListButton::add:
                buttons->addWidget(add_);
                break;
        }
    }
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
        if (model_.edit_visible()) edit_->setFocus();
    });
    connect(list_, &LineList::line_activated, this, [this](int line) {
        if (!model_.choosing()) return;
        model_.select(static_cast<std::size_t>(line));
        accept();
    });
    connect(ok_, &QPushButton::clicked, this, &NameListDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
    connect(add_, &QPushButton::clicked, this, [this] {
        model_.add();
        update_controls();
        edit_->setFocus();
    });
    fill();
}

void NameListDialog::fill() {
    list_->set_lines(model_.lines());
    list_->select_line(model_.selection());
    update_controls();
}

void NameListDialog::update_controls() {
    show_entry_state(model_, edit_, add_, ok_);
}

void NameListDialog::accept() {
    if (!model_.ok_visible()) return;
    if (const auto line = list_->current_line(); line && model_.choosing()) model_.select(*line);
    if (model_.ok(us(edit_->text()))) {
        QDialog::accept();
        return;
    }
    fill();
}

}  // namespace vorla::gui
