#pragma once
// `vorla backup DIR` and `vorla restore DIR`: the dialog's work without the dialog, for
// scheduled backups. Results go to standard output (the folder made), reasons to standard
// error; the return value is the exit status.
#include <filesystem>
#include <ostream>

#include "core/store/document.h"

namespace vorla::app {

// A dated backup in DIR with the map files, the oldest pruned to keep four; prints its path.
// The settings file is not changed: a scheduled backup does not move the dialog's place.
int run_backup_command(const store::Document& doc, const std::filesystem::path& place,
                       std::ostream& out, std::ostream& err);

// Restores the backup in DIR, after keeping the data it replaces as a backup of its own,
// whose path it prints; the document is read again from the restored files.
int run_restore_command(store::Document& doc, const std::filesystem::path& source,
                        std::ostream& out, std::ostream& err);

}  // namespace vorla::app
