#pragma once
// Backups of the data folder. A backup is a folder "Vrl_<time>" in a backup place holding a
// copy of every data file; it is written under a hidden name and takes its own name only when
// every file was copied and read back equal, so a backup is whole or absent. At most four are
// kept, and old ones are removed only after the new one is whole. A restore puts a backup's
// files in place all together or not at all, after keeping the data it replaces as a backup
// of its own.
//
// The copying runs on a thread of its own: a job is gathered from the document first, and the
// copying touches only the files it names.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar/clock.h"
#include "core/store/document.h"

namespace vorla::app {

namespace fs = std::filesystem;

inline constexpr std::string_view kBackupPrefix = "Vrl_";
inline constexpr std::size_t kBackupsKept = 4;

// The files of a backup in the order they are copied: the data files and the settings file.
const std::vector<std::string_view>& backup_files();

// A folder counts as a backup when its name begins with "Vrl_".
bool is_backup_name(std::string_view folder_name);
// Whether the last folder of a path is a backup ("/b/Vrl_x/" as well as "/b/Vrl_x").
bool is_backup_folder(const fs::path& path);
// "Vrl_%y%j_%H%M_%d%b%y" with the language's month abbreviation: "Vrl_26341_0930_07дек26".
std::string backup_name(const calendar::LocalTime& t, std::string_view language);
// The names of the backups in a place, oldest first (the name order is the time order).
std::vector<std::string> backup_folders(const fs::path& place);

// What a backup copies.
struct BackupJob {
    fs::path data_folder;
    std::vector<std::string> files;  // names in the data folder, in copying order
    fs::path place;
    std::string name;  // of the new backup folder
};
// The data files and, when asked, the congregations' map files (missing ones are skipped
// when copying); named after the document's clock.
BackupJob backup_job(const store::Document& doc, const fs::path& place, bool with_maps);
// The bytes a backup of the job takes: the sizes of its files, 0 for a missing one.
std::uint64_t job_size(const BackupJob& job);

// Told the status line before each file is copied ("Резервирование файла: speakers.dat").
using Progress = std::function<void(const std::string& status)>;

enum class BackupStatus {
    done,
    name_taken,  // a backup of this minute exists already
    failed,      // nothing was made; `error` says why
};

struct BackupResult {
    BackupStatus status = BackupStatus::failed;
    fs::path folder;                    // the new backup, when done
    std::string error;                  // for the user, when failed
    std::vector<std::string> warnings;  // old backups that could not be removed
};

// Makes the backup, then removes the oldest backups of the place until four are left.
BackupResult make_backup(const BackupJob& job, const Progress& progress);

// A restore source holds at least speakers.dat and cong.dat, neither of them empty.
bool holds_backup(const fs::path& folder);

struct RestoreJob {
    fs::path source;  // the backup folder
    fs::path data_folder;
    BackupJob keep;  // the data as it is, kept as a backup first (in the source's place)
};
RestoreJob restore_job(const store::Document& doc, const fs::path& source);

struct RestoreResult {
    bool done = false;     // the backup's files are in place
    bool changed = false;  // some of them are (the document is to be read again)
    fs::path kept;         // the backup of the data as it was
    std::string error;     // for the user, when not done: nothing in the data folder changed
    std::vector<std::string> not_in_backup;  // files the backup lacks: the current ones stay
};

// Keeps the current data as a backup, then copies the backup's data files and "*.jpg" files
// into the data folder: first each beside its old file, and only when every one was written,
// all of them in place. The document is to be reloaded afterwards.
RestoreResult restore_backup(const RestoreJob& job, const Progress& progress);

}  // namespace vorla::app
