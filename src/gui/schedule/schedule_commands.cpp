#include "gui/schedule/schedule_commands.h"

#include <QApplication>

#include "core/commands/command.h"
#include "gui/app/main_window.h"
#include "gui/editors/speaker_history_dialog.h"
#include "gui/editors/talk_history_dialog.h"
#include "gui/schedule/schedule_sheet.h"

namespace vorla::gui {

using commands::Command;

void open_schedule_sheet(MainWindow& window, schedule::PageKind page) {
    store::Document& doc = window.doc();
    // The views open over the sheet, which is the modal window while they are asked for.
    PageServices services;
    services.speaker_history = [&doc](std::uint16_t brother_id) {
        SpeakerHistoryDialog::show_for(doc, brother_id, QApplication::activeModalWidget());
    };
    services.talk_history = [&doc](int talk_no) {
        TalkHistoryDialog::show_view(doc, schedule::TalkHistoryMode::local, talk_no,
                                     QApplication::activeModalWidget());
    };
    ScheduleSheet sheet(doc, &window.commands(), page, &window, std::move(services));
    sheet.exec();
}

void install_schedule_commands(MainWindow& window) {
    for (Command command : {Command::summary, Command::local_talks, Command::chairmen,
                            Command::hospitality, Command::readers, Command::outgoing}) {
        const auto page = schedule::page_of_command(command);
        window.commands().set_handler(command,
                                      [&window, page] { open_schedule_sheet(window, *page); });
    }
}

}  // namespace vorla::gui
