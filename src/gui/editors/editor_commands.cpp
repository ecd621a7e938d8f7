#include "gui/editors/editor_commands.h"

#include "core/commands/command.h"
#include "gui/app/main_window.h"
#include "gui/editors/brother_list_dialog.h"
#include "gui/editors/congregation_list_dialog.h"
#include "gui/editors/name_list_dialog.h"
#include "gui/editors/our_congregation_dialog.h"
#include "gui/editors/speaker_history_dialog.h"
#include "gui/editors/talk_chooser_dialog.h"
#include "gui/editors/talk_history_dialog.h"
#include "gui/editors/week_editor_dialog.h"
#include "gui/editors/wish_list_dialog.h"
#include "gui/schedule/package_commands.h"

namespace vorla::gui {

// What the editors change reaches the window and the report through the document's notices.
void install_editor_commands(MainWindow& window) {
    using commands::Command;
    CommandSet& commands = window.commands();
    commands.set_handler(Command::congregations, [&window] {
        CongregationListDialog dialog(window.doc(), false, std::nullopt, &window);
        dialog.exec();
    });
    commands.set_handler(Command::circuits, [&window] {
        NameListDialog dialog(window.doc(), editors::NamedList::circuits, false, -1, &window);
        dialog.exec();
    });
    commands.set_handler(Command::brothers, [&window] {
        BrotherListDialog dialog(window.doc(), editors::BrotherListParams{}, &window);
        dialog.exec();
    });
    commands.set_handler(Command::our_congregation, [&window] {
        store::Document& doc = window.doc();
        OurCongregationDialog dialog(
            doc,
            [&doc, &window](std::uint16_t cong_id) {
                export_congregation_package(doc, cong_id, &window);
            },
            &window);
        dialog.exec();
    });
    commands.set_handler(Command::talks,
                         [&window] { TalkChooserDialog::edit_titles(window.doc(), &window); });
    commands.set_handler(Command::availability, [&window] {
        editors::BrotherListParams params;
        params.availability = true;
        BrotherListDialog dialog(window.doc(), params, &window);
        dialog.exec();
    });
    commands.set_handler(Command::history,
                         [&window] { WeekEditorDialog::edit(window.doc(), &window); });
    commands.set_handler(Command::talks_we_need, [&window] {
        WishListDialog::edit(window.doc(), window.fonts(), &window);
    });
    commands.set_handler(Command::speaker_history,
                         [&window] { SpeakerHistoryDialog::show_for(window.doc(), 0, &window); });
    commands.set_handler(Command::talk_history, [&window] {
        TalkHistoryDialog::show_view(window.doc(), schedule::TalkHistoryMode::local, 0, &window);
    });
    commands.set_handler(Command::outgoing_talk_history, [&window] {
        TalkHistoryDialog::show_view(window.doc(), schedule::TalkHistoryMode::outgoing, 0, &window);
    });
}

}  // namespace vorla::gui
