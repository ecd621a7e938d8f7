#pragma once
// One QAction per command, shared by the menu, the tool bar and the work panel. A command
// is enabled when the program has its feature, the data allows it, and the window's mode
// allows it.
#include <QAction>
#include <QObject>
#include <functional>
#include <map>
#include <vector>

#include "core/commands/command.h"

namespace vorla::gui {

class CommandSet : public QObject {
    Q_OBJECT
  public:
    explicit CommandSet(QObject* parent = nullptr) : QObject(parent) {}

    // The action of a command, created on first use with its prompt and tip.
    QAction* action(commands::Command command);
    bool contains(commands::Command command) const { return actions_.count(command) != 0; }
    std::vector<commands::Command> commands() const;

    void set_handler(commands::Command command, std::function<void()> handler);
    bool has_handler(commands::Command command) const { return handlers_.count(command) != 0; }
    // The rules that may disable a command the program has (data and window mode).
    void set_rule(std::function<bool(commands::Command)> rule) { rule_ = std::move(rule); }

    bool enabled(commands::Command command) const;
    // Recomputes every action's enabled state.
    void refresh();

  signals:
    void refreshed();

  private:
    std::map<commands::Command, QAction*> actions_;
    std::map<commands::Command, std::function<void()>> handlers_;
    std::function<bool(commands::Command)> rule_;
};

}  // namespace vorla::gui
