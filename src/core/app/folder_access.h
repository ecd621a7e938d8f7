#pragma once
// Who may write the data folder: the program that holds its lock. A second desktop program
// is asked whether to open the folder read-only or quit; a command that only reads works
// alongside (read-only); a command that writes waits a little, then refuses.
#include <chrono>
#include <filesystem>
#include <string>

#include "core/io/folder_lock.h"
#include "core/io/prompter.h"
#include "core/store/document.h"

namespace vorla::app {

enum class FolderUse {
    desktop,  // the desktop program
    reading,  // a command that only reads the data
    writing,  // a command that writes into the folder
};

struct FolderAccess {
    io::FolderLock lock;  // held for the life of the program when it may write
    bool read_only = false;
    bool refused = false;  // the program must not go on
    std::string message;   // why it was refused, for a command's standard error
};

// How long a program waits for another to let the folder go before it asks or refuses.
std::chrono::milliseconds default_wait(FolderUse use);

FolderAccess take_data_folder(const std::filesystem::path& folder, FolderUse use,
                              io::Prompter& prompter);
FolderAccess take_data_folder(const std::filesystem::path& folder, FolderUse use,
                              io::Prompter& prompter, std::chrono::milliseconds wait);

// What the main window's title adds for a folder opened read-only (empty otherwise).
std::string title_suffix(const store::Document& doc);

// A command's exit status: its own, or 1 when a data file could not be read or a write was
// refused or failed (the user has been told which).
int command_status(const store::Document& doc, int status);

}  // namespace vorla::app
