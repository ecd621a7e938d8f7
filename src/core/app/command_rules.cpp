#include "core/app/command_rules.h"

namespace vorla::app {

bool data_allows(const store::Document& doc, commands::Command command) {
    using enum commands::Command;
    switch (command) {
        case our_congregation:
            return doc.congregations().size() > 1;
        case chairmen:
            return !doc.local_brothers().empty();
        case hospitality:
            return doc.settings().hospitality_scheduled;
        case readers:
            return doc.settings().readers_scheduled;
        case export_package:
            return doc.brothers().size() >= 2 && doc.congregations().size() >= 2;
        case invitation_letter:
            return doc.our_congregation() != 0;
        case restore:
            // It replaces the data files: only the folder's owner may.
            return !doc.folder().read_only();
        default:
            return true;
    }
}

bool mode_allows(commands::Command command, bool report_shown) {
    using enum commands::Command;
    switch (command) {
        case print:
        case print_preview:
        case back_to_panel:
        case save_pdf:
        case mail_letter:
            return report_shown;
        case restore:
            return !report_shown;
        default:
            return true;
    }
}

bool panel_button_allowed(const store::Document& doc, PanelButtonId button) {
    switch (button) {
        case PanelButtonId::edit_history:
            return doc.our_congregation() != 0;
        default:
            return true;
    }
}

}  // namespace vorla::app
