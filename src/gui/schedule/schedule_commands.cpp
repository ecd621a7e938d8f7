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
    // The summary, chairmen, hospitality, readers and outgoing pages come later; their
    // commands have no handler yet and stay disabled.
    window.commands().set_handler(Command::local_talks, [&window] {
        open_schedule_sheet(window, schedule::PageKind::local_talks);
    });
}

}  // namespace vorla::gui
