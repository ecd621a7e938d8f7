#include "core/app/backup_dialog_model.h"

#include <system_error>

#include "core/io/path_text.h"
#include "core/settings/ini_file.h"
#include "core/text/cp1251.h"
#include "core/text/texts.h"

namespace vorla::app {

namespace fs = std::filesystem;
using text::TextId;

namespace {

// "/b/Vrl_x/" gives "/b/"; a path that does not end in a backup stays.
std::string without_backup(const std::string& path) {
    if (!is_backup_folder(io::text_path(path))) return path;
    const fs::path folder = io::text_path(path).parent_path();  // "/b/Vrl_x"
    return with_trailing_separator(io::path_text(folder.parent_path()));
}

}  // namespace

std::string with_trailing_separator(std::string path) {
    if (path.empty() || path.back() != '/') path += '/';
    return path;
}

BackupDialogModel::BackupDialogModel(store::Document& doc, BackupDirection direction)
    : doc_(doc), direction_(direction) {
    const settings::IniFile ini = doc_.read_settings_file();
    const std::string remembered =
        ini.get_string(text::text(TextId::section_backup), text::text(TextId::key_backup_path), "");
    std::error_code ec;
    const bool usable = !remembered.empty() && fs::is_directory(io::text_path(remembered), ec);
    path_ = with_trailing_separator(usable ? remembered : io::path_text(doc_.folder().folder()));
    if (backing_up()) {
        required_ = job_size(app::backup_job(doc_, io::text_path(path_), include_maps_));
    } else {
        update_list(io::text_path(path_));
    }
    update_status();
}

std::string BackupDialogModel::title() const {
    return text::text(backing_up() ? TextId::backup_title : TextId::restore);
}

std::string BackupDialogModel::size_line() const {
    return text::format(TextId::required_room_bytes, text::text(TextId::required_room),
                        std::to_string(required_));
}

void BackupDialogModel::set_include_maps(bool on) {
    include_maps_ = on;
    required_ = job_size(app::backup_job(doc_, io::text_path(path_), include_maps_));
}

std::string BackupDialogModel::place_caption() const {
    return text::text(backing_up() ? TextId::backup_folder_prompt : TextId::restore_folder_prompt);
}

fs::path BackupDialogModel::browse_start() const {
    return io::text_path(path_);
}

void BackupDialogModel::browsed(const std::string& chosen, io::Prompter& prompter) {
    const std::string folder = with_trailing_separator(chosen);
    if (backing_up()) {
        if (is_backup_folder(io::text_path(folder))) {
            prompter.inform(text::format(TextId::cannot_back_up_to, folder), io::Icon::warning);
            path_ = without_backup(folder);
        } else {
            path_ = folder;
        }
    } else {
        path_ = folder;
        if (is_backup_folder(io::text_path(folder)))
            listed_.clear();
        else
            update_list(io::text_path(folder));
    }
    update_status();
}

void BackupDialogModel::update_list(const fs::path& folder) {
    listed_ = backup_folders(folder);
}

void BackupDialogModel::choose_listed(std::size_t row) {
    if (row >= listed_.size()) return;
    path_ = without_backup(path_) + listed_[row] + "/";
    update_status();
}

void BackupDialogModel::update_status() {
    if (backing_up()) {
        status_ = text::format(TextId::press_ok_backup_to, path_);
    } else {
        status_ = is_backup_folder(io::text_path(path_))
                      ? text::format(TextId::press_ok_restore_from, path_)
                      : std::string();
    }
}

bool BackupDialogModel::ok_visible() const {
    return backing_up() || is_backup_folder(io::text_path(path_));
}

std::string BackupDialogModel::cancel_caption() const {
    return text::text(backup_done_ ? TextId::close : TextId::cancel);
}

BackupJob BackupDialogModel::backup_job() const {
    return app::backup_job(doc_, io::text_path(path_), include_maps_);
}

void BackupDialogModel::backup_finished(const BackupResult& result, io::Prompter& prompter) {
    switch (result.status) {
        case BackupStatus::done:
            status_ = text::text(TextId::backup_done);
            backup_done_ = true;
            remember_place();
            break;
        case BackupStatus::name_taken:
            status_ = text::text(TextId::retry_backup_later);
            break;
        case BackupStatus::failed:
            status_ = result.error;
            prompter.inform(result.error, io::Icon::error);
            break;
    }
    for (const std::string& warning : result.warnings)
        prompter.inform(warning, io::Icon::error);
}

void BackupDialogModel::remember_place() {
    // A folder opened read-only keeps its settings; a path the settings file cannot spell
    // would come back as another folder.
    if (doc_.folder().read_only() || !text::cp1251_can_hold(path_)) return;
    settings::IniFile ini = doc_.read_settings_file();
    const std::string section = text::text(TextId::section_backup);
    ini.set(section, text::text(TextId::key_backup_path), path_);
    ini.set_int(section, text::text(TextId::key_backup_floppy), 0);
    doc_.write_settings_file(ini);
}

std::optional<RestoreJob> BackupDialogModel::restore_job(io::Prompter& prompter) const {
    if (!holds_backup(io::text_path(path_))) {
        prompter.inform(text::format(TextId::no_backup_in_folder, path_), io::Icon::warning);
        return std::nullopt;
    }
    if (!prompter.ask_yes_no(text::format(TextId::confirm_restore, path_), false))
        return std::nullopt;
    return app::restore_job(doc_, io::text_path(path_));
}

void BackupDialogModel::restore_finished(const RestoreResult& result, io::Prompter& prompter) {
    if (result.changed) doc_.reload_all();  // which tells every view of the document
    if (result.done) {
        prompter.inform(text::format(TextId::restore_done_kept, path_, io::path_text(result.kept)),
                        io::Icon::information);
    } else {
        prompter.inform(result.error, io::Icon::error);
        update_status();  // the dialog stays open for another choice
    }
}

}  // namespace vorla::app
