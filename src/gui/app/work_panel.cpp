#include "gui/app/work_panel.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QVBoxLayout>

#include "core/app/menu_model.h"
#include "core/text/string_table.h"
#include "gui/app/command_set.h"
#include "gui/app/qt_prompter.h"

namespace vorla::gui {

WorkPanel::WorkPanel(CommandSet& commands, std::function<bool(int)> extra_rule, QWidget* parent)
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
            button->setObjectName(QStringLiteral("panel%1").arg(b.id));
            button->setMinimumHeight(34);
            button->setMinimumWidth(210);
            button->setProperty("panelButton", b.id);
            if (b.command != 0) {
                button->setToolTip(qs(app::command_prompt(b.command)));
                const int command = b.command;
                connect(button, &QPushButton::clicked, this,
                        [this, command] { commands_.action(command)->trigger(); });
            } else {
                auto* menu = new QMenu(button);
                for (const app::PanelChoice& choice : b.popup) {
                    QAction* a = menu->addAction(qs(text::text(choice.text)));
                    a->setData(choice.command);
                    const int command = choice.command;
                    connect(a, &QAction::triggered, this,
                            [this, command] { commands_.action(command)->trigger(); });
                }
                connect(menu, &QMenu::aboutToShow, this, [this, menu] {
                    for (QAction* a : menu->actions())
                        a->setEnabled(commands_.enabled(a->data().toInt()));
                });
                button->setMenu(menu);
            }
            column_layout->addWidget(button);
            buttons_.insert(b.id, button);
        }
        column_layout->addStretch(1);
        layout->addWidget(box, 0, column++);
    }
    connect(&commands_, &CommandSet::refreshed, this, &WorkPanel::refresh);
    refresh();
}

void WorkPanel::refresh() {
    for (const app::PanelGroup& group : app::work_panel()) {
        for (const app::PanelButton& b : group.buttons) {
            bool on = false;
            if (b.command != 0) {
                on = commands_.enabled(b.command);
            } else {
                for (const app::PanelChoice& c : b.popup)
                    on = on || commands_.enabled(c.command);
            }
            if (extra_rule_ && !extra_rule_(b.id)) on = false;
            buttons_.value(b.id)->setEnabled(on);
        }
    }
}

}  // namespace vorla::gui
