#include "gui/reports/mail_launch.h"

#include <QDesktopServices>
#include <QProcess>
#include <QUrl>

#include "core/io/find_program.h"
#include "gui/app/string_helpers.h"

namespace vorla::gui {

bool open_mail_draft(const io::MailDraft& draft) {
    if (const auto program = io::find_program(io::kMailProgram)) {
        const std::vector<std::string> command = draft.command();
        QStringList arguments;
        for (std::size_t i = 1; i < command.size(); ++i)
            arguments.append(qs(command[i]));
        return QProcess::startDetached(qs(program->string()), arguments);
    }
    return QDesktopServices::openUrl(QUrl(qs(draft.mailto_url()), QUrl::StrictMode));
}

}  // namespace vorla::gui
