#include "core/app/command_rules.h"

#include "core/app/commands.h"

namespace vorla::app {

bool data_allows(const store::Document& doc, int command) {
    switch (command) {
        case cmd::kOurCongregation:
            return doc.congregations().size() > 1;
        case cmd::kChairmen:
            return !doc.local_brothers().empty();
        case cmd::kHospitality:
            return doc.settings().hospitality_scheduled;
        case cmd::kReaders:
            return doc.settings().readers_scheduled;
        case cmd::kExportPackage:
            return doc.brothers().size() >= 2 && doc.congregations().size() >= 2;
        case cmd::kInvitationLetter:
            return doc.our_congregation() != 0;
        default:
            return true;
    }
}

bool panel_button_allowed(const store::Document& doc, int button) {
    switch (button) {
        case panel::kEditHistory:
            return doc.our_congregation() != 0;
        default:
            return true;
    }
}

}  // namespace vorla::app
