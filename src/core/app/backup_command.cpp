#include "core/app/backup_command.h"

#include "core/app/backup.h"
#include "core/text/texts.h"

namespace vorla::app {

namespace fs = std::filesystem;
using text::TextId;

int run_backup_command(const store::Document& doc, const fs::path& place, std::ostream& out,
                       std::ostream& err) {
    if (is_backup_folder(place)) {
        err << "vorla: " << text::format(TextId::cannot_back_up_to, place.string()) << "\n";
        return 1;
    }
    const BackupResult result = make_backup(backup_job(doc, place, true), {});
    for (const std::string& warning : result.warnings)
        err << "vorla: " << warning << "\n";
    if (result.status != BackupStatus::done) {
        err << "vorla: " << result.error << "\n";
        return 1;
    }
    out << result.folder.string() << "\n";
    return 0;
}

int run_restore_command(store::Document& doc, const fs::path& source, std::ostream& out,
                        std::ostream& err) {
    const RestoreResult result = restore_backup(restore_job(doc, source), {});
    if (result.changed) doc.reload_all();
    if (!result.kept.empty()) out << result.kept.string() << "\n";
    if (!result.done) {
        err << "vorla: " << result.error << "\n";
        return 1;
    }
    return 0;
}

}  // namespace vorla::app
