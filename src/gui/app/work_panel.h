#pragma once
// The work panel: the home screen of large buttons in three groups. Each button runs its
// command (or opens a pop-up of commands) and follows its command's enabled state.
#include <QHash>
#include <QPushButton>
#include <QWidget>
#include <functional>

namespace vorla::gui {

class CommandSet;

class WorkPanel : public QWidget {
    Q_OBJECT
  public:
    // extra_rule: rules of buttons beyond their command's (by button id).
    WorkPanel(CommandSet& commands, std::function<bool(int)> extra_rule, QWidget* parent = nullptr);

    QPushButton* button(int id) const { return buttons_.value(id); }
    // Recomputes every button's enabled state.
    void refresh();

  private:
    CommandSet& commands_;
    std::function<bool(int)> extra_rule_;
    QHash<int, QPushButton*> buttons_;
};

}  // namespace vorla::gui
