#pragma once
// The rules of the backup dialog, in both directions: the place it starts from, what each
// control shows and when it is visible, the folder the user may choose, and what OK does.
// There is no floppy drive here: its choice stays hidden and the folder is always the place.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "core/app/backup.h"
#include "core/io/prompter.h"
#include "core/store/document.h"

namespace vorla::app {

enum class BackupDirection { backup, restore };

class BackupDialogModel {
  public:
    BackupDialogModel(store::Document& doc, BackupDirection direction);

    BackupDirection direction() const { return direction_; }
    bool backing_up() const { return direction_ == BackupDirection::backup; }
    std::string title() const;

    // --- backup only: the required space and the map files ---------------------------------
    // The required-space line, the map box and their group are shown only for a backup.
    bool size_visible() const { return backing_up(); }
    // "Требуемое место: 12345 bytes".
    std::string size_line() const;
    std::uint64_t required_bytes() const { return required_; }
    bool include_maps() const { return include_maps_; }
    void set_include_maps(bool on);

    // --- the place ----------------------------------------------------------------------------
    std::string place_caption() const;
    bool floppy_visible() const { return false; }
    // The current path, ending with "/"; the folder choice is labelled with it.
    const std::string& path() const { return path_; }
    // Where the folder chooser starts.
    std::filesystem::path browse_start() const;
    // The chooser's answer. A backup may not go into a backup folder: the user is told, and
    // the place becomes the chosen folder's parent.
    void browsed(const std::string& chosen, io::Prompter& prompter);

    // --- restore only: the backups of the place -----------------------------------------------
    bool list_visible() const { return !backing_up() && !listed_.empty(); }
    const std::vector<std::string>& listed() const { return listed_; }
    // The path becomes the listed backup (in place of a backup the path ended in).
    void choose_listed(std::size_t row);

    // --- status line and buttons --------------------------------------------------------------
    const std::string& status() const { return status_; }
    // Progress of the copying, shown as it comes.
    void set_status(std::string status) { status_ = std::move(status); }
    bool ok_visible() const;
    // "Отмена", and "Закрыть" once a backup is made.
    std::string cancel_caption() const;
    // After a backup the dialog stays open; the next OK closes it.
    bool ok_closes() const { return backup_done_; }

    // OK in backup mode: what to copy (the copying may run on another thread).
    BackupJob backup_job() const;
    // When the copying is over: the status line says how it went, problems are told, and
    // after a backup the place is remembered in the settings file.
    void backup_finished(const BackupResult& result, io::Prompter& prompter);

    // OK in restore mode: nothing when the path holds no backup or the user says No.
    std::optional<RestoreJob> restore_job(io::Prompter& prompter) const;
    // The document is read again from the restored files; the user is told the outcome and
    // where the replaced data was kept. The dialog closes.
    void restore_finished(const RestoreResult& result, io::Prompter& prompter);

  private:
    void update_list(const std::filesystem::path& folder);
    void update_status();
    void remember_place();

    store::Document& doc_;
    BackupDirection direction_;
    std::string path_;
    bool include_maps_ = false;
    std::uint64_t required_ = 0;
    std::vector<std::string> listed_;
    std::string status_;
    bool backup_done_ = false;
};

// "/b/c" and "/b/c/" both give "/b/c/".
std::string with_trailing_separator(std::string path);

}  // namespace vorla::app
