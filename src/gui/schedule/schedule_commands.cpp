#include "gui/schedule/schedule_commands.h"

#include "core/app/commands.h"
#include "gui/app/main_frame.h"
#include "gui/reports/vr_view.h"
#include "gui/schedule/tab_schedule.h"

namespace vorla::gui {

void open_schedule_sheet(CMainFrame& frame, schedule::PageKind page) {
    CTabSchedule sheet(frame.doc(), &frame.commands(), page, &frame);
    sheet.exec();
    // The report on screen shows the weeks as they are now.
    if (QWidget* report = frame.view()->report()) report->update();
}

void install_schedule_commands(CMainFrame& frame) {
    // The summary, chairmen, hospitality, readers and outgoing pages come later; their
    // commands have no handler yet and stay disabled.
    frame.commands().set_handler(app::cmd::kLocalTalks, [&frame] {
        open_schedule_sheet(frame, schedule::PageKind::local_talks);
    });
}

}  // namespace vorla::gui
