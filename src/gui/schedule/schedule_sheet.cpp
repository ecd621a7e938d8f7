#include "gui/schedule/schedule_sheet.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "core/app/help_pages.h"
#include "gui/app/command_set.h"
#include "gui/app/help_keys.h"
#include "gui/app/icons.h"
#include "gui/app/string_helpers.h"
#include "gui/schedule/local_talks_page.h"
#include "gui/schedule/outgoing_page.h"
#include "gui/schedule/schedule_widgets.h"
#include "gui/schedule/weekly_role_page.h"

namespace vorla::gui {

using schedule::PageKind;

PageFactory schedule_page_factory(PageKind kind) {
    switch (kind) {
        case PageKind::local_talks:
            return [](store::Document& doc, const PageServices&, QWidget* parent) -> SchedulePage* {
                return new LocalTalksPage(doc, parent);
            };
        case PageKind::chairmen:
            return [](store::Document& doc, const PageServices&, QWidget* parent) -> SchedulePage* {
                return new ChairmenPage(doc, parent);
            };
        case PageKind::hospitality:
            return [](store::Document& doc, const PageServices&, QWidget* parent) -> SchedulePage* {
                return new HospitalityPage(doc, parent);
            };
        case PageKind::readers:
            return [](store::Document& doc, const PageServices&, QWidget* parent) -> SchedulePage* {
                return new ReadersPage(doc, parent);
            };
        case PageKind::outgoing:
            return [](store::Document& doc, const PageServices& services,
                      QWidget* parent) -> SchedulePage* {
                return new OutgoingPage(doc, services, parent);
            };
        default:
            return nullptr;
    }
}

ScheduleSheet::ScheduleSheet(store::Document& doc, CommandSet* commands, PageKind active,
                             QWidget* parent, PageServices services)
    : QDialog(parent), doc_(doc), commands_(commands), services_(std::move(services)), model_(doc) {
    setObjectName(QStringLiteral("ScheduleSheet"));
    setWindowTitle(qs(schedule::SheetModel::title()));
    setWindowIcon(program_icon());

    tabs_ = new QTabWidget(this);
    // Every tab title in view: the sheet is at least as wide as its tab bar.
    tabs_->setUsesScrollButtons(false);
    for (PageKind kind : schedule::sheet_pages(doc_.settings())) {
        if (!schedule_page_factory(kind)) continue;
        // A holder per tab; the page itself is made the first time its tab is shown.
        auto* holder = new QWidget(tabs_);
        auto* holder_layout = new QVBoxLayout(holder);
        holder_layout->setContentsMargins(0, 0, 0, 0);
        tabs_->addTab(holder, qs(schedule::page_title(kind)));
        kinds_.push_back(kind);
    }

    edit_ = side_button(qs(schedule::SheetModel::edit_caption()), this);
    edit_menu_ = new QMenu(edit_);
    for (const schedule::EditChoice& choice : schedule::SheetModel::edit_choices()) {
        QAction* item = edit_menu_->addAction(qs(choice.text));
        const commands::Command command = choice.command;
        connect(item, &QAction::triggered, this, [this, command] {
            if (!commands_ || !commands_->enabled(command)) return;
            // What the editor changes reaches the pages through the document's notices.
            commands_->action(command)->trigger();
        });
    }
    connect(edit_menu_, &QMenu::aboutToShow, this, [this] {
        const auto choices = schedule::SheetModel::edit_choices();
        const QList<QAction*> items = edit_menu_->actions();
        for (qsizetype k = 0; k < items.size(); ++k) {
            items[k]->setEnabled(commands_ &&
                                 commands_->enabled(choices[static_cast<std::size_t>(k)].command));
        }
    });
    connect(edit_, &QPushButton::clicked, this,
            [this] { edit_menu_->popup(edit_->mapToGlobal(QPoint(0, edit_->height()))); });

    auto* buttons = new QDialogButtonBox(this);
    ok_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    cancel_ = buttons->addButton(qs(schedule::SheetModel::cancel_caption()),
                                 QDialogButtonBox::RejectRole);
    ok_->setDefault(true);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(edit_);
    bottom->addStretch(1);
    bottom->addWidget(buttons);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(tabs_, 1);
    layout->addLayout(bottom);

    connect(buttons, &QDialogButtonBox::accepted, this, &ScheduleSheet::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ScheduleSheet::reject);
    connect(tabs_, &QTabWidget::currentChanged, this, &ScheduleSheet::show_tab);
    model_.set_listener({
        .page_changed =
            [this](schedule::SheetPage& changed) {
                if (SchedulePage* shown = page_of(changed)) shown->show_model();
            },
        .page_wanted =
            [this](PageKind kind) {
                for (std::size_t k = 0; k < kinds_.size(); ++k) {
                    if (kinds_[k] == kind) tabs_->setCurrentIndex(static_cast<int>(k));
                }
            },
    });

    int start = 0;
    for (std::size_t k = 0; k < kinds_.size(); ++k) {
        if (kinds_[k] == active) start = static_cast<int>(k);
    }
    tabs_->setCurrentIndex(start);
    show_tab(start);
}

SchedulePage* ScheduleSheet::page(PageKind kind) const {
    for (std::size_t k = 0; k < kinds_.size(); ++k) {
        if (kinds_[k] == kind) return pages_.value(static_cast<int>(k), nullptr);
    }
    return nullptr;
}

void ScheduleSheet::show_tab(int index) {
    if (index < 0) return;
    const PageKind kind = kinds_[static_cast<std::size_t>(index)];
    setProperty(kHelpPageProperty, qs(app::help_page_for(kind)));
    if (pages_.contains(index)) return;
    SchedulePage* page = schedule_page_factory(kind)(doc_, services_, tabs_->widget(index));
    tabs_->widget(index)->layout()->addWidget(page);
    pages_.insert(index, page);
    model_.join(page->sheet_page());
}

SchedulePage* ScheduleSheet::page_of(const schedule::SheetPage& model) const {
    for (SchedulePage* page : pages_) {
        if (&page->sheet_page() == &model) return page;
    }
    return nullptr;
}

void ScheduleSheet::accept() {
    model_.accept();
    QDialog::accept();
}

void ScheduleSheet::reject() {
    model_.cancel();
    QDialog::reject();
}

void ScheduleSheet::closeEvent(QCloseEvent* event) {
    model_.refuse_close();
    event->ignore();
}

void ScheduleSheet::keyPressEvent(QKeyEvent* event) {
    // Only OK and "Отмена" close the sheet.
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace vorla::gui
