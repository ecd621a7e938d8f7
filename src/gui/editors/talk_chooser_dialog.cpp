#include "gui/editors/talk_chooser_dialog.h"

#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "core/editors/talk_title_import.h"
#include "gui/app/line_list.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/talk_editor_dialog.h"

namespace vorla::gui {

using Mode = editors::TalkChooserMode;
using Action = editors::TalkChooserModel::Action;

TalkChooserDialog::TalkChooserDialog(store::Document& doc, editors::TalkChooserModel model,
                                     QWidget* parent)
    : QDialog(parent), doc_(doc), model_(std::move(model)) {
    setObjectName(QStringLiteral("TalkChooserDialog"));
    list_ = new LineList(2, this);
    list_->setMinimumSize(520, 360);
    grid_ = new QListWidget(this);
    grid_->setViewMode(QListView::ListMode);
    grid_->setFlow(QListView::LeftToRight);
    grid_->setWrapping(true);
    grid_->setResizeMode(QListView::Adjust);
    grid_->setUniformItemSizes(true);
    grid_->setGridSize(QSize(48, 22));
    grid_->setSelectionMode(QAbstractItemView::MultiSelection);
    grid_->setMouseTracking(true);
    grid_->viewport()->installEventFilter(this);
    hover_ = new QLabel(this);
    hover_->setMinimumHeight(hover_->fontMetrics().height() + 4);
    added_ = new QLabel(this);
    removed_ = new QLabel(this);
    ok_ = new QPushButton(qs(model_.ok_caption()), this);
    cancel_ = new QPushButton(qs(model_.cancel_caption()), this);
    action_ = new QPushButton(this);
    import_ = new QPushButton(qs(text::TextId::import_titles_button), this);
    import_->setVisible(model_.mode() == Mode::titles);
    for (QPushButton* b : {ok_, cancel_, action_, import_})
        b->setAutoDefault(false);
    (model_.close_is_default() ? cancel_ : ok_)->setDefault(true);

    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {ok_, cancel_, action_, import_})
        buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(added_);
    buttons->addWidget(removed_);
    // The grid with its hover line and the list take turns in one place.
    grid_page_ = new QWidget(this);
    auto* grid_layout = new QVBoxLayout(grid_page_);
    grid_layout->setContentsMargins(0, 0, 0, 0);
    grid_layout->addWidget(hover_);
    grid_layout->addWidget(grid_, 1);
    pages_ = new QStackedWidget(this);
    pages_->addWidget(list_);
    pages_->addWidget(grid_page_);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(pages_, 1);
    layout->addLayout(buttons);

    connect(list_, &LineList::line_selected, this,
            [this](int line) { model_.select_line(static_cast<std::size_t>(line)); });
    connect(list_, &LineList::line_activated, this,
            [this](int line) { run(model_.double_click(static_cast<std::size_t>(line))); });
    connect(grid_, &QListWidget::itemSelectionChanged, this, &TalkChooserDialog::on_grid_changed);
    connect(grid_, &QListWidget::itemEntered, this, [this](QListWidgetItem* item) {
        const auto cell = static_cast<std::size_t>(grid_->row(item));
        hover_->setText(qs(model_.hover_text(model_.grid().at(cell).position)));
    });
    connect(ok_, &QPushButton::clicked, this, &TalkChooserDialog::accept);
    connect(cancel_, &QPushButton::clicked, this, &TalkChooserDialog::reject);
    connect(action_, &QPushButton::clicked, this, [this] {
        model_.run_action();
        refresh();
        if (model_.grid_view()) grid_->setFocus();
    });
    connect(import_, &QPushButton::clicked, this, [this] {
        const QString file =
            QFileDialog::getOpenFileName(this, qs(text::TextId::import_titles_title), QString(),
                                         qs(text::TextId::text_files_filter));
        if (!file.isEmpty()) import_file(file);
    });
    refresh();
}

void TalkChooserDialog::refresh() {
    const QSignalBlocker quiet(grid_);
    setWindowTitle(qs(model_.title()));
    action_->setText(qs(model_.action_caption()));
    action_->setVisible(model_.action_visible());
    pages_->setCurrentWidget(model_.grid_view() ? grid_page_ : static_cast<QWidget*>(list_));

    list_->set_lines(model_.lines());
    list_->select_line(model_.selection());
    if (const auto top = model_.top_line();
        top && *top < static_cast<std::size_t>(list_->topLevelItemCount())) {
        list_->scrollToItem(list_->topLevelItem(static_cast<int>(*top)),
                            QAbstractItemView::PositionAtTop);
    }
    grid_->clear();
    for (const editors::GridCell& c : model_.grid()) {
        auto* item = new QListWidgetItem(qs(c.text), grid_);
        item->setSelected(c.selected);
    }
    added_->setText(qs(model_.added_text()));
    added_->setVisible(model_.added_visible());
    removed_->setText(qs(model_.removed_text()));
    removed_->setVisible(model_.removed_visible());
}

void TalkChooserDialog::on_grid_changed() {
    for (int i = 0; i < grid_->count(); ++i) {
        const auto cell = static_cast<std::size_t>(i);
        if (grid_->item(i)->isSelected() != model_.grid()[cell].selected) {
            model_.set_cell(cell, grid_->item(i)->isSelected());
        }
    }
    setWindowTitle(qs(model_.title()));
    added_->setText(qs(model_.added_text()));
    added_->setVisible(model_.added_visible());
    removed_->setText(qs(model_.removed_text()));
    removed_->setVisible(model_.removed_visible());
}

bool TalkChooserDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == grid_->viewport() && event->type() == QEvent::Leave) hover_->clear();
    return QDialog::eventFilter(watched, event);
}

void TalkChooserDialog::accept() {
    if (const auto line = list_->current_line(); line && !model_.grid_view())
        model_.select_line(*line);
    run(model_.ok());
}

void TalkChooserDialog::reject() {
    run(model_.cancel());
}

void TalkChooserDialog::run(Action action) {
    switch (action) {
        case Action::stay:
            break;
        case Action::close_ok:
            QDialog::accept();
            return;
        case Action::close_cancel:
            QDialog::reject();
            return;
        case Action::open_editor: {
            TalkEditorDialog editor(doc_, &model_, *model_.chosen_talk(), this);
            editor.exec();
            model_.fill();
            break;
        }
    }
    refresh();
}

void TalkChooserDialog::import_file(const QString& path) {
    const std::string report =
        editors::import_talk_titles(doc_, std::filesystem::path(path.toStdU16String()));
    doc_.prompter().inform(report, io::Icon::information, {});
    model_.fill();
    refresh();
}

void TalkChooserDialog::edit_titles(store::Document& doc, QWidget* parent) {
    TalkChooserDialog dialog(doc, editors::TalkChooserModel::titles(doc), parent);
    dialog.exec();
}

std::optional<int> TalkChooserDialog::choose_any_talk(store::Document& doc, int talk_no,
                                                      QWidget* parent) {
    TalkChooserDialog dialog(doc, editors::TalkChooserModel::any_talk(doc, talk_no), parent);
    if (dialog.exec() != QDialog::Accepted || !dialog.model().chosen_talk()) return std::nullopt;
    return doc.talks().entries()[*dialog.model().chosen_talk()].talk_no;
}

std::optional<std::size_t> TalkChooserDialog::choose_speaker_talk(store::Document& doc,
                                                                  store::BrotherRecord& record,
                                                                  int talk_no, QWidget* parent) {
    TalkChooserDialog dialog(doc, editors::TalkChooserModel::speaker(doc, record, talk_no), parent);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    record = dialog.model().record();
    return dialog.model().chosen_talk();
}

bool TalkChooserDialog::choose_brother_talks(store::Document& doc, store::BrotherRecord& record,
                                             QWidget* parent) {
    TalkChooserDialog dialog(doc, editors::TalkChooserModel::brother(doc, record), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    record = dialog.model().record();
    return true;
}

}  // namespace vorla::gui
