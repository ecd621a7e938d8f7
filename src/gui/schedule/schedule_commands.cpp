#include "gui/schedule/schedule_commands.h"

#include "core/commands/command.h"
#include "gui/app/main_window.h"
#include "gui/schedule/schedule_sheet.h"

namespace vorla::gui {

using commands::Command;

void open_schedule_sheet(MainWindow& window, schedule::PageKind page) {
    ScheduleSheet sheet(window.doc(), &window.commands(), page, &window);
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
