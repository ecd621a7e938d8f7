#include "gui/app/work_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QVBoxLayout>

#include "core/app/menu_model.h"
#include "core/commands/command_prompt.h"
#include "core/text/texts.h"
#include "gui/app/command_set.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

using commands::Command;

WorkPanel::WorkPanel(CommandSet& commands, ButtonRule extra_rule, QWidget* parent)
    : QWidget(parent), commands_(commands), extra_rule_(std::move(extra_rule)) {
    setObjectName(QStringLiteral("WorkPanel"));
    auto* layout = new QGridLayout(this);
    layout->setContentsMargins(14, 12, 14, 12);
    layout->setHorizontalSpacing(14);
    int column = 0;
    for (const app::PanelGroup& group : app::work_panel()) {
        auto* box = new QGroupBox(qs(group.caption).trimmed(), this);
        auto* column_layout = new QVBoxLayout(box);
        column_layout->setSpacing(6);
        for (const app::PanelButton& b : group.buttons) {
            auto* button = new QPushButton(qs(b.caption), box);
            button->setObjectName(QStringLiteral("panel%1").arg(static_cast<int>(b.id)));
            button->setMinimumHeight(34);
            button->setMinimumWidth(210);
            if (b.command != Command::none) {
                button->setToolTip(qs(commands::command_prompt(b.command)));
                button->setWhatsThis(button->toolTip());
                const Command command = b.command;
                connect(button, &QPushButton::clicked, this,
                        [this, command] { commands_.action(command)->trigger(); });
            } else {
                auto* menu = new QMenu(button);
                std::vector<std::pair<QAction*, Command>> items;
                for (const app::PanelChoice& choice : b.popup) {
                    QAction* a = menu->addAction(qs(text::text(choice.text)));
                    const Command command = choice.command;
                    items.emplace_back(a, command);
                    connect(a, &QAction::triggered, this,
                            [this, command] { commands_.action(command)->trigger(); });
                }
                connect(menu, &QMenu::aboutToShow, this, [this, items] {
                    for (const auto& [a, command] : items)
                        a->setEnabled(commands_.enabled(command));
                });
                button->setMenu(menu);
            }
            column_layout->addWidget(button);
            buttons_.emplace(b.id, button);
        }
        column_layout->addStretch(1);
        layout->addWidget(box, 0, column++);
    }
    connect(&commands_, &CommandSet::refreshed, this, &WorkPanel::refresh);
    refresh();
}

QPushButton* WorkPanel::button(app::PanelButtonId id) const {
    const auto it = buttons_.find(id);
    return it == buttons_.end() ? nullptr : it->second;
}

void WorkPanel::refresh() {
    for (const app::PanelGroup& group : app::work_panel()) {
        for (const app::PanelButton& b : group.buttons) {
            bool on = false;
            if (b.command != Command::none) {
                on = commands_.enabled(b.command);
            } else {
                for (const app::PanelChoice& c : b.popup)
                    on = on || commands_.enabled(c.command);
            }
            if (extra_rule_ && !extra_rule_(b.id)) on = false;
            buttons_.at(b.id)->setEnabled(on);
        }
    }
}

}  // namespace vorla::gui
