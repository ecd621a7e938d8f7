#include "gui/schedule/weekly_role_page.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QSignalBlocker>
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

namespace {

QLabel* alert_label(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setWordWrap(true);
    QPalette alert = label->palette();
    alert.setColor(QPalette::WindowText, QColor(0xA0, 0x10, 0x10));
    label->setPalette(alert);
    return label;
}

}  // namespace

WeeklyRolePage::WeeklyRolePage(store::Document& doc, WeeklyRole role, QWidget* parent)
    : SchedulePage(parent), doc_(doc), model_(doc, role) {
    list_ = new LineList(model_.column_captions(), this);
    list_->setObjectName(QStringLiteral("weeks"));
    frame_hovered_line(list_);
    for (int r = 0; r < schedule::kRows; ++r)
        new QTreeWidgetItem(list_);

    manual_ = side_button(QStringLiteral("Выбрать вручную"), this);
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
    auto* middle = new QHBoxLayout;
    middle->addWidget(list_, 1);
    middle->addLayout(side);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(middle, 1);
    layout->addWidget(legend_);
    layout->addWidget(conflict_);

    connect(list_, &LineList::line_selected, this, [this](int row) {
        const bool pending = model_.exchange_pending();
        model_.select(row);
        if (pending && !model_.exchange_pending()) {
            after_change();
        } else {
            show_model();
        }
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
    list_->fit_columns({0, 200});
    list_->setMinimumHeight(list_->sizeHintForRow(0) * schedule::kRows +
                            list_->header()->sizeHint().height() + 2 * list_->frameWidth() + 4);
    list_->setFocus();
}

void WeeklyRolePage::show_model() {
    {
        const QSignalBlocker quiet(list_);
        for (int r = 0; r < schedule::kRows; ++r) {
            list_->set_row_cells(
                r, schedule::WeeklyRoleModel::cells(model_.rows()[static_cast<std::size_t>(r)]));
        }
        list_->setCurrentItem(list_->topLevelItem(model_.selected_row()));
    }
    const bool choice = model_.choice_visible();
    manual_->setVisible(choice);
    auto_or_clear_->setVisible(choice);
    auto_or_clear_->setText(qs(model_.auto_or_clear_caption()));
    exchange_->setVisible(model_.exchange_visible());
    exchange_->setText(qs(model_.exchange_caption()));
    prompt_->setVisible(model_.exchange_pending());
    prompt_->setText(qs(model_.exchange_prompt()));
    legend_->setVisible(model_.legend_visible());
    legend_->setText(qs(model_.legend()));
    conflict_->setVisible(model_.conflict_visible());
    conflict_->setText(qs(model_.conflict_text()));
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
