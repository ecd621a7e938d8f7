#pragma once
// One QAction per command id, shared by the menu, the tool bar and the work panel. A command
// is enabled when the program has its feature, the data allows it, and the window's mode
// allows it.
#include <QAction>
#include <QHash>
#include <QObject>
#include <functional>

namespace vorla::gui {

class CommandSet : public QObject {
    Q_OBJECT
  public:
    explicit CommandSet(QObject* parent = nullptr) : QObject(parent) {}

    // The action of a command, created on first use with its prompt and tip.
    QAction* action(int command);
    bool contains(int command) const { return actions_.contains(command); }
    QList<int> commands() const { return actions_.keys(); }

    void set_handler(int command, std::function<void()> handler);
    bool has_handler(int command) const { return handlers_.contains(command); }
    // The rules that may disable a command the program has (data and window mode).
    void set_rule(std::function<bool(int)> rule) { rule_ = std::move(rule); }

    bool enabled(int command) const;
    // Recomputes every action's enabled state.
    void refresh();

  signals:
    void refreshed();
    // A command's handler has run: the data may have changed.
    void ran(int command);

  private:
    QHash<int, QAction*> actions_;
    QHash<int, std::function<void()>> handlers_;
    std::function<bool(int)> rule_;
};

}  // namespace vorla::gui
