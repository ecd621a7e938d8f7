#include "gui/editors/brother_list_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/editors/availability_model.h"
#include "gui/app/line_list.h"
#include "gui/app/run_chooser.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/availability_dialog.h"
#include "gui/editors/brother_editor_dialog.h"

namespace vorla::gui {

BrotherListDialog::BrotherListDialog(store::Document& doc, const editors::BrotherListParams& params,
                                     QWidget* parent)
    : QDialog(parent), doc_(doc), model_(doc, params) {
    setObjectName(QStringLiteral("BrotherListDialog"));
    setWindowTitle(qs(model_.title()));

    list_ = new LineList(2, this);
    list_->enable_type_ahead(true);
    list_->setMinimumSize(360, 320);
    star_note_ = new QLabel(this);
    discontinued_note_ = new QLabel(this);
    ok_ = new QPushButton(qs(model_.ok_caption()), this);
    close_ = new QPushButton(qs(model_.close_caption()), this);
    add_ = new QPushButton(qs(model_.add_caption()), this);
    ok_->setDefault(true);
    add_->setVisible(model_.add_visible());

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok_);
    buttons->addWidget(close_);
    buttons->addWidget(add_);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(list_, 1);
    top->addLayout(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addWidget(star_note_);
    layout->addWidget(discontinued_note_);

    connect(list_, &LineList::line_selected, this,
            [this](int line) { model_.select(static_cast<std::size_t>(line)); });
    connect(list_, &LineList::line_activated, this, [this](int line) {
        model_.select(static_cast<std::size_t>(line));
        accept();
    });
    connect(ok_, &QPushButton::clicked, this, &BrotherListDialog::accept);
    connect(close_, &QPushButton::clicked, this, &QDialog::reject);
    connect(add_, &QPushButton::clicked, this, [this] { run(model_.add()); });
    refresh();
}

std::optional<std::size_t> BrotherListDialog::choose(store::Document& doc,
                                                     const editors::BrotherListParams& params,
                                                     QWidget* parent) {
    BrotherListDialog dialog(doc, params, parent);
    return run_chooser(dialog, [](const BrotherListDialog& d) { return d.chosen(); });
}

void BrotherListDialog::refresh() {
    list_->set_lines(model_.lines());
    list_->select_line(model_.selection());
    star_note_->setText(qs(model_.star_note()));
    star_note_->setVisible(model_.star_note_visible());
    discontinued_note_->setText(qs(model_.discontinued_note()));
    list_->setFocus();
}

void BrotherListDialog::accept() {
    if (const auto line = list_->current_line()) model_.select(*line);
    run(model_.ok());
}

void BrotherListDialog::done(int result) {
    model_.closed();
    QDialog::done(result);
}

void BrotherListDialog::run(const editors::BrotherListModel::Action& action) {
    using Action = editors::BrotherListModel::Action;
    switch (action.kind) {
        case Action::none:
            return;
        case Action::choose:
            QDialog::accept();
            return;
        case Action::edit: {
            BrotherEditorDialog editor(
                doc_, &model_,
                action.is_new ? std::nullopt : std::optional<std::size_t>(action.position),
                action.preset_cong, this);
            editor.exec();
            const bool close = model_.editor_closed(editor.model().saved());
            if (close) {
                QDialog::reject();
                return;
            }
            break;
        }
        case Action::pull_in: {
            BrotherListDialog chooser(doc_, model_.pull_in_params(), this);
            if (chooser.exec() == QDialog::Accepted && chooser.chosen()) {
                model_.pull_in(*chooser.chosen());
            } else {
                model_.fill();
            }
            break;
        }
        case Action::availability: {
            const store::BrotherEntry brother = doc_.brothers().at(action.position);
            AvailabilityDialog editor(doc_, brother.brother_id, brother.discontinued(), false,
                                      this);
            if (editor.exec() == QDialog::Accepted) {
                editors::store_discontinued(doc_, brother.brother_id, editor.discontinued());
            }
            model_.fill();
            break;
        }
    }
    refresh();
}

void BrotherListDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (placed_ || !model_.stands_aside()) return;
    placed_ = true;
    // Stand aside so that the list the chooser was opened from stays in sight.
    move(pos() + QPoint(150, 20));
}

}  // namespace vorla::gui
