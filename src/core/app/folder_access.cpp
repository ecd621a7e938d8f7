#include "core/app/folder_access.h"

#include "core/text/texts.h"

namespace vorla::app {

using std::chrono::milliseconds;

milliseconds default_wait(FolderUse use) {
    switch (use) {
        case FolderUse::desktop:
            return milliseconds(1000);  // a command that is just finishing
        case FolderUse::reading:
            return milliseconds(0);  // never waits: it reads alongside
        case FolderUse::writing:
            return milliseconds(5000);
    }
    return milliseconds(0);
}

FolderAccess take_data_folder(const std::filesystem::path& folder, FolderUse use,
                              io::Prompter& prompter) {
    return take_data_folder(folder, use, prompter, default_wait(use));
}

FolderAccess take_data_folder(const std::filesystem::path& folder, FolderUse use,
                              io::Prompter& prompter, milliseconds wait) {
    FolderAccess access;
    switch (access.lock.acquire(folder, wait)) {
        case io::FolderLock::State::held:
            break;
        case io::FolderLock::State::unavailable:
            // No lock file can be made: nothing else can be written there either.
            access.read_only = use != FolderUse::writing;
            break;
        case io::FolderLock::State::busy:
        case io::FolderLock::State::free:
            if (use == FolderUse::reading) {
                access.read_only = true;
            } else if (use == FolderUse::desktop &&
                       prompter.ask_yes_no(
                           text::format(text::TextId::folder_in_use_ask_read_only, folder.string()),
                           false)) {
                access.read_only = true;
            } else {
                access.refused = true;
                access.message =
                    text::format(text::TextId::folder_in_use_command_refused, folder.string());
            }
            break;
    }
    return access;
}

std::string title_suffix(const store::Document& doc) {
    return doc.folder().read_only() ? " [" + text::text(text::TextId::read_only_mark) + "]"
                                    : std::string();
}

int command_status(const store::Document& doc, int status) {
    if (status != 0) return status;
    const store::DataFolder& folder = doc.folder();
    return folder.unreadable().empty() && folder.failed_writes() == 0 ? 0 : 1;
}

}  // namespace vorla::app
