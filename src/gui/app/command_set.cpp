#include "gui/app/command_set.h"

#include "core/commands/command_prompt.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

using commands::Command;

QAction* CommandSet::action(Command command) {
    if (const auto it = actions_.find(command); it != actions_.end()) return it->second;
    auto* a = new QAction(this);
    a->setData(static_cast<int>(command));  // the command's number, for menus built from actions
    a->setStatusTip(qs(commands::command_prompt(command)));
    const std::string tip = commands::command_tip(command);
    if (!tip.empty()) a->setToolTip(qs(tip));
    a->setWhatsThis(qs(commands::command_prompt(command)));
    connect(a, &QAction::triggered, this, [this, command] {
        if (!enabled(command)) return;
        if (const auto h = handlers_.find(command); h != handlers_.end() && h->second) {
            // A copy: the handler may replace itself while it runs.
            const std::function<void()> handler = h->second;
            handler();
        }
    });
    actions_.emplace(command, a);
    a->setEnabled(enabled(command));
    return a;
}

std::vector<Command> CommandSet::commands() const {
    std::vector<Command> out;
    out.reserve(actions_.size());
    for (const auto& [command, action] : actions_)
        out.push_back(command);
    return out;
}

void CommandSet::set_handler(Command command, std::function<void()> handler) {
    handlers_[command] = std::move(handler);
    if (const auto it = actions_.find(command); it != actions_.end())
        it->second->setEnabled(enabled(command));
}

bool CommandSet::enabled(Command command) const {
    return handlers_.count(command) != 0 && (!rule_ || rule_(command));
}

void CommandSet::refresh() {
    for (const auto& [command, action] : actions_)
        action->setEnabled(enabled(command));
    emit refreshed();
}

}  // namespace vorla::gui
