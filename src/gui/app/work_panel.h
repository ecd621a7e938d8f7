#pragma once
// The work panel: the home screen of large buttons in three groups. Each button runs its
// command (or opens a pop-up of commands) and follows its command's enabled state.
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <map>

#include "core/app/menu_model.h"

namespace vorla::gui {

class CommandSet;

class WorkPanel : public QWidget {
    Q_OBJECT
  public:
    using ButtonRule = std::function<bool(app::PanelButtonId)>;
    // extra_rule: rules of buttons beyond their command's.
    WorkPanel(CommandSet& commands, ButtonRule extra_rule, QWidget* parent = nullptr);

    QPushButton* button(app::PanelButtonId id) const;
    // Recomputes every button's enabled state.
    void refresh();

  private:
    CommandSet& commands_;
    ButtonRule extra_rule_;
    std::map<app::PanelButtonId, QPushButton*> buttons_;
};

}  // namespace vorla::gui
