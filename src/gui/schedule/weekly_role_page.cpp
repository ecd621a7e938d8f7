#include "gui/schedule/weekly_role_page.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "core/schedule/sheet_model.h"
#include "core/text/texts.h"
#include "gui/app/run_chooser.h"
#include "gui/app/string_helpers.h"
#include "gui/editors/local_role_list_dialog.h"
#include "gui/editors/name_list_dialog.h"
#include "gui/schedule/schedule_widgets.h"

namespace vorla::gui {

using schedule::WeeklyRole;

WeeklyRolePage::WeeklyRolePage(store::Document& doc, WeeklyRole role, QWidget* parent)
    : SchedulePage(parent), doc_(doc), model_(doc, role) {
    list_ = new WeekRows(model_.column_captions(), &schedule::WeeklyRoleModel::cells, this);

    manual_ = side_button(qs(text::TextId::choose_by_hand), this);
    auto_or_clear_ = side_button(QString(), this);
    exchange_ = side_button(QString(), this);
    prompt_ = alert_label(this);
    legend_ = new QLabel(this);
    conflict_ = alert_label(this);

    auto* side = new QVBoxLayout;
    for (QPushButton* b : {manual_, auto_or_clear_, exchange_})
        side->addWidget(b);
    side->addWidget(prompt_);
    side->addStretch(1);
    QVBoxLayout* layout = frame_week_page(this, nullptr, list_, side);
    layout->addWidget(legend_);
    layout->addWidget(conflict_);

    // A selection may complete an exchange; the list keeps the focus either way.
    connect(list_, &LineList::line_selected, this, [this](int row) {
        model_.select(row);
        show_model();
    });
    connect(list_, &LineList::line_activated, this, [this] {
        if (model_.choice_visible()) choose_manually();
    });
    connect(manual_, &QPushButton::clicked, this, &WeeklyRolePage::choose_manually);
    connect(auto_or_clear_, &QPushButton::clicked, this, [this] {
        model_.press_auto_or_clear();
        after_change();
    });
    connect(exchange_, &QPushButton::clicked, this, [this] {
        model_.press_exchange();
        show_model();
        list_->setFocus();
    });

    // The buttons keep the width of the longest run's caption, whichever they show.
    auto_or_clear_->setText(qs(text::text(text::TextId::auto_choose)) +
                            QStringLiteral("Ммм 00 - Ммм 00"));
    const int side_width = auto_or_clear_->sizeHint().width();
    for (QPushButton* b : {manual_, auto_or_clear_, exchange_})
        b->setMinimumWidth(side_width);
    prompt_->setMaximumWidth(side_width);

    show_model();
    list_->fit({0, 200});
    list_->setFocus();
}

void WeeklyRolePage::show_model() {
    list_->show_rows(model_);
    const bool choice = model_.choice_visible();
    manual_->setVisible(choice);
    show_text(auto_or_clear_, choice, model_.auto_or_clear_caption());
    show_text(exchange_, model_.exchange_visible(), model_.exchange_caption());
    show_text(prompt_, model_.exchange_pending(), model_.exchange_prompt());
    show_text(legend_, model_.legend_visible(), model_.legend());
    show_text(conflict_, model_.conflict_visible(), model_.conflict_text());
}

void WeeklyRolePage::after_change() {
    show_model();
    list_->setFocus();
}

void WeeklyRolePage::choose_manually() {
    if (model_.role() == WeeklyRole::hospitality) {
        const calendar::WeekIndex week = model_.selected_week();
        NameListDialog hosts(doc_, editors::NamedList::hosts, true,
                             schedule::WeeklyRoleModel::kHostChooserFirstLine, this);
        const auto pos = run_chooser(hosts, [](NameListDialog& d) {
            return d.model().chosen_id() != 0 ? d.model().chosen_position() : std::nullopt;
        });
        if (pos) model_.apply_host(week, *pos);
    } else {
        const schedule::LocalRoleChoice c = model_.manual_choice();
        editors::LocalRoleListParams params;
        params.role = c.role;
        params.week = c.week.value;
        params.current = c.current;
        if (const auto pos = LocalRoleListDialog::choose(doc_, params, this))
            model_.apply_brother(c.week, *pos);
    }
    after_change();
}

ChairmenPage::ChairmenPage(store::Document& doc, QWidget* parent)
    : WeeklyRolePage(doc, WeeklyRole::chairman, parent) {
    setObjectName(QStringLiteral("ChairmenPage"));
    setWindowTitle(qs(schedule::page_title(schedule::PageKind::chairmen)));
}

ReadersPage::ReadersPage(store::Document& doc, QWidget* parent)
    : WeeklyRolePage(doc, WeeklyRole::reader, parent) {
    setObjectName(QStringLiteral("ReadersPage"));
    setWindowTitle(qs(schedule::page_title(schedule::PageKind::readers)));
}

HospitalityPage::HospitalityPage(store::Document& doc, QWidget* parent)
    : WeeklyRolePage(doc, WeeklyRole::hospitality, parent) {
    setObjectName(QStringLiteral("HospitalityPage"));
    setWindowTitle(qs(schedule::page_title(schedule::PageKind::hospitality)));
}

}  // namespace vorla::gui
