#include "gui/editors/editor_commands.h"

#include "core/app/commands.h"
#include "gui/app/main_frame.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/name_list_dialog.h"
#include "gui/editors/talk_chooser_dialog.h"
#include "gui/reports/vr_view.h"

namespace vorla::gui {

namespace {

// A changed document shows in the report on screen at once.
void redraw_if_modified(CMainFrame& frame) {
    if (!frame.doc().modified()) return;
    if (QWidget* report = frame.view()->report()) report->update();
    frame.refresh();
}

}  // namespace

void install_editor_commands(CMainFrame& frame) {
    using namespace app::cmd;
    CommandSet& commands = frame.commands();
    commands.set_handler(kCongregations, [&frame] {
        CongregationListDialog dialog(frame.doc(), false, std::nullopt, &frame);
        dialog.exec();
        redraw_if_modified(frame);
    });
    commands.set_handler(kCircuits, [&frame] {
        NameListDialog dialog(frame.doc(), editors::NamedList::circuits, false, -1, &frame);
        dialog.exec();
        redraw_if_modified(frame);
    });
    commands.set_handler(kBrothers, [&frame] {
        BrotherListDialog dialog(frame.doc(), editors::BrotherListParams{}, &frame);
        dialog.exec();
        if (frame.doc().modified()) frame.doc().rebuild_our_congregation();
        redraw_if_modified(frame);
    });
    commands.set_handler(kTalks, [&frame] {
        TalkChooserDialog::edit_titles(frame.doc(), &frame);
        redraw_if_modified(frame);
    });
    commands.set_handler(kAvailability, [&frame] {
        editors::BrotherListParams params;
        params.availability = true;
        BrotherListDialog dialog(frame.doc(), params, &frame);
        dialog.exec();
        frame.doc().unavailable().save(frame.doc().folder());
        redraw_if_modified(frame);
    });
}

}  // namespace vorla::gui
