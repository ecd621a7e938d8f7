#include "gui/schedule/special_events_page.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/schedule/sheet_model.h"
#include "gui/app/string_helpers.h"
#include "gui/schedule/event_dialog.h"
#include "gui/schedule/schedule_widgets.h"

namespace vorla::gui {

SpecialEventsPage::SpecialEventsPage(store::Document& doc, QWidget* parent)
    : SchedulePage(parent), model_(doc) {
    setObjectName(QStringLiteral("SpecialEventsPage"));
    setWindowTitle(qs(schedule::page_title(schedule::PageKind::events)));

    list_ = new LineList(schedule::SpecialEventsModel::column_captions(), this);
    add_ = side_button(QStringLiteral("Добавить"), this);
    edit_ = side_button(QStringLiteral("Редактировать"), this);
    remove_ = side_button(QStringLiteral("Удалить"), this);
    keep_side_column({add_, edit_, remove_}, edit_->text());

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {add_, edit_, remove_})
        side->addWidget(b);
    side->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(list_, 1);
    layout->addLayout(side);

    connect(list_, &LineList::line_selected, this, [this](int line) {
        model_.select(line);
        show_model();
    });
    connect(list_, &LineList::line_activated, this, [this](int line) {
        model_.select(line);
        if (auto d = model_.edit_selected()) run_dialog(std::move(*d));
    });
    connect(add_, &QPushButton::clicked, this, [this] { run_dialog(model_.new_event()); });
    connect(edit_, &QPushButton::clicked, this, [this] {
        if (auto d = model_.edit_selected()) run_dialog(std::move(*d));
    });
    connect(remove_, &QPushButton::clicked, this, [this] {
        model_.remove_selected();
        show_model();
        emit modified_changed(model_.modified());
        list_->setFocus();
    });

    show_model();
    list_->fit_columns({list_->fontMetrics().horizontalAdvance(QStringLiteral("Ммм 00, 0000  ")),
                        list_->fontMetrics().averageCharWidth() * 40});
    list_->setFocus();
}

void SpecialEventsPage::show_model() {
    list_->set_lines(model_.rows());
    const auto selected = model_.selected();
    list_->select_line(selected ? std::optional<std::size_t>(static_cast<std::size_t>(*selected))
                                : std::nullopt);
    edit_->setVisible(model_.edit_visible());
    remove_->setVisible(model_.edit_visible());
}

void SpecialEventsPage::run_dialog(schedule::EventDialogModel dialog) {
    EventDialog d(std::move(dialog), this);
    if (d.exec() != QDialog::Accepted) return;
    model_.store_event(d.model().event());
    show_model();
    emit modified_changed(model_.modified());
    list_->setFocus();
}

void SpecialEventsPage::apply() {
    model_.apply();
    emit modified_changed(model_.modified());
}

}  // namespace vorla::gui
