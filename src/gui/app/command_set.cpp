#include "gui/app/command_set.h"

#include "core/app/menu_model.h"
#include "gui/app/qt_prompter.h"

namespace vorla::gui {

QAction* CommandSet::action(int command) {
    if (QAction* a = actions_.value(command)) return a;
    auto* a = new QAction(this);
    a->setData(command);
    a->setStatusTip(qs(app::command_prompt(command)));
    const std::string tip = app::command_tip(command);
    if (!tip.empty()) a->setToolTip(qs(tip));
    a->setWhatsThis(qs(app::command_prompt(command)));
    connect(a, &QAction::triggered, this, [this, command] {
        if (!enabled(command)) return;
        if (auto h = handlers_.value(command)) {
            h();
            emit ran(command);
        }
    });
    actions_.insert(command, a);
    a->setEnabled(enabled(command));
    return a;
}

void CommandSet::set_handler(int command, std::function<void()> handler) {
    handlers_.insert(command, std::move(handler));
    if (QAction* a = actions_.value(command)) a->setEnabled(enabled(command));
}

bool CommandSet::enabled(int command) const {
    return handlers_.contains(command) && (!rule_ || rule_(command));
}

void CommandSet::refresh() {
    for (auto it = actions_.begin(); it != actions_.end(); ++it)
        it.value()->setEnabled(enabled(it.key()));
    emit refreshed();
}

}  // namespace vorla::gui
