#include "gui/app/icons.h"

#include <QHash>
#include <QString>

#include "core/app/commands.h"

namespace vorla::gui {

QIcon command_icon(int command) {
    using namespace app::cmd;
    static const QHash<int, QString> names = {
        {kBackToPanel, QStringLiteral("home")},
        {kBackup, QStringLiteral("backup")},
        {kPrint, QStringLiteral("print")},
        {kPrintPreview, QStringLiteral("preview")},
        {kSummary, QStringLiteral("summary")},
        {kLocalTalks, QStringLiteral("local_talks")},
        {kChairmen, QStringLiteral("chairmen")},
        {kHospitality, QStringLiteral("hospitality")},
        {kReaders, QStringLiteral("readers")},
        {kOutgoing, QStringLiteral("outgoing")},
        {kCongregations, QStringLiteral("congregations")},
        {kBrothers, QStringLiteral("brothers")},
        {kTalks, QStringLiteral("talks")},
        {kOurCongregation, QStringLiteral("our_congregation")},
        {kTalksWeNeed, QStringLiteral("talks_we_need")},
        {kAbout, QStringLiteral("about")},
        {kContextHelp, QStringLiteral("context_help")},
    };
    const QString name = names.value(command);
    if (name.isEmpty()) return {};
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QIcon program_icon() {
    return QIcon(QStringLiteral(":/icons/vorla.svg"));
}

}  // namespace vorla::gui
