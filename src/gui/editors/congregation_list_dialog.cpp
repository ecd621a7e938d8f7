#include "gui/editors/congregation_list_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/app/line_list.h"
#include "gui/app/run_chooser.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/congregation_editor_dialog.h"

namespace vorla::gui {

CongregationListDialog::CongregationListDialog(store::Document& doc, bool choose,
                                               std::optional<std::size_t> preselect,
                                               QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, choose, preselect) {
    setObjectName(QStringLiteral("CongregationListDialog"));
    setWindowTitle(qs(model_.title()));
    list_ = new LineList(1, this);
    list_->enable_type_ahead(true);
    list_->setMinimumSize(320, 300);
    ok_ = new QPushButton(qs(model_.ok_caption()), this);
    close_ = new QPushButton(qs(model_.close_caption()), this);
    add_ = new QPushButton(qs(model_.add_caption()), this);
    ok_->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(close_);
    buttons->addWidget(add_);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(buttons);

    connect(list_, &LineList::line_selected, this,
            [this](int line) { model_.select(static_cast<std::size_t>(line)); });
    connect(list_, &LineList::line_activated, this, [this](int line) {
        model_.select(static_cast<std::size_t>(line));
        accept();
    });
    connect(ok_, &QPushButton::clicked, this, &CongregationListDialog::accept);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(add_, &QPushButton::clicked, this, [this] { run(model_.add()); });
    refresh();
}

std::optional<std::size_t> CongregationListDialog::choose(store::Document& doc,
                                                          std::optional<std::size_t> preselect,
                                                          QWidget* parent) {
    CongregationListDialog dialog(doc, true, preselect, parent);
    return run_chooser(dialog, [](const CongregationListDialog& d) { return d.chosen(); });
}

void CongregationListDialog::refresh() {
    list_->set_lines(model_.lines());
    list_->select_line(model_.selection());
    if (model_.focus_on_add()) {
        add_->setFocus();
    } else {
        list_->setFocus();
    }
}

void CongregationListDialog::accept() {
    if (const auto line = list_->current_line()) model_.select(*line);
    run(model_.ok());
}

void CongregationListDialog::run(const editors::CongregationListModel::Action& action) {
    using Action = editors::CongregationListModel::Action;
    if (action.kind == Action::none) return;
    if (action.kind == Action::choose) {
        QDialog::accept();
        return;
    }
    CongregationEditorDialog editor(doc_, &model_, action.position, 0, this);
    editor.exec();
    model_.editor_closed(editor.model().saved());
    refresh();
}

}  // namespace vorla::gui
