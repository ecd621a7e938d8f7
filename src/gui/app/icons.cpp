#include "gui/app/icons.h"

#include <QString>
#include <map>

#include "core/commands/command.h"

namespace vorla::gui {

QIcon command_icon(commands::Command command) {
    using enum commands::Command;
    static const std::map<commands::Command, QString> names = {
        {back_to_panel, QStringLiteral("home")},
        {backup, QStringLiteral("backup")},
        {print, QStringLiteral("print")},
        {print_preview, QStringLiteral("preview")},
        {summary, QStringLiteral("summary")},
        {local_talks, QStringLiteral("local_talks")},
        {chairmen, QStringLiteral("chairmen")},
        {hospitality, QStringLiteral("hospitality")},
        {readers, QStringLiteral("readers")},
        {outgoing, QStringLiteral("outgoing")},
        {congregations, QStringLiteral("congregations")},
        {brothers, QStringLiteral("brothers")},
        {talks, QStringLiteral("talks")},
        {our_congregation, QStringLiteral("our_congregation")},
        {talks_we_need, QStringLiteral("talks_we_need")},
        {about, QStringLiteral("about")},
        {context_help, QStringLiteral("context_help")},
    };
    const auto it = names.find(command);
    if (it == names.end()) return {};
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(it->second));
}

QIcon program_icon() {
    return QIcon(QStringLiteral(":/icons/vorla.svg"));
}

}  // namespace vorla::gui
