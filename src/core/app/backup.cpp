#include "core/app/backup.h"

#include <fcntl.h>
#include <signal.h>
#include <stdio.h>  // renameat2
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <optional>
#include <system_error>

#include "core/calendar/locale_date.h"
#include "core/editors/map_picture.h"
#include "core/io/file_ops.h"
#include "core/io/path_text.h"
#include "core/text/texts.h"

namespace vorla::app {

using text::TextId;

namespace {

// Backups being written: hidden, and never taken for a backup. "<prefix><pid>-<n>".
constexpr std::string_view kPartialPrefix = ".vorla-backup-";
constexpr int kMaxNameTries = 100;

std::string two_digits(int v) {
    char buf[4] = {static_cast<char>('0' + v / 10 % 10), static_cast<char>('0' + v % 10), 0, 0};
    return buf;
}

int day_of_year(const calendar::Date& d) {
    static constexpr int kBefore[] = {0, 31, 59, 90, 120, 151, 181, 212, 243, 273, 304, 334};
    const bool leap = (d.year % 4 == 0 && d.year % 100 != 0) || d.year % 400 == 0;
    return kBefore[d.month - 1] + d.day + (leap && d.month > 2 ? 1 : 0);
}

std::string file_name(const fs::path& p) {
    return io::path_text(p.filename());
}

fs::path named(const fs::path& folder, std::string_view name) {
    return folder / io::text_path(name);
}

fs::path without_trailing_separator(const fs::path& p) {
    return p.has_filename() || !p.has_parent_path() ? p : p.parent_path();
}

bool is_missing(const fs::path& file) {
    std::error_code ec;
    return fs::status(file, ec).type() == fs::file_type::not_found;
}

bool is_jpeg_name(std::string_view name) {
    if (name.size() < 4) return false;
    std::string tail(name.substr(name.size() - 4));
    std::transform(tail.begin(), tail.end(), tail.begin(),
                   [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
    return tail == ".jpg";
}

// The regular "*.jpg" files of a folder, by name.
std::vector<std::string> jpeg_files(const fs::path& folder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = file_name(it->path());
        if (is_jpeg_name(name) && it->is_regular_file(ec)) out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    return out;
}

void sync_folder(const fs::path& folder) {
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) return;
    ::fsync(fd);
    ::close(fd);
}

// Partial backups whose writer is gone (killed in the middle) are removed.
void remove_abandoned_partials(const fs::path& place) {
    std::vector<fs::path> abandoned;
    std::error_code ec;
    for (fs::directory_iterator it(place, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = file_name(it->path());
        if (name.rfind(kPartialPrefix, 0) != 0) continue;
        const std::string rest = name.substr(kPartialPrefix.size());
        const std::size_t dash = rest.find('-');
        if (dash == 0 || dash == std::string::npos) continue;
        const std::string pid_text = rest.substr(0, dash);
        if (!std::all_of(pid_text.begin(), pid_text.end(),
                         [](char c) { return c >= '0' && c <= '9'; }) ||
            pid_text.size() > 9)
            continue;
        const pid_t pid = static_cast<pid_t>(std::stol(pid_text));
        if (pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH))
            abandoned.push_back(it->path());
    }
    for (const fs::path& partial : abandoned)
        fs::remove_all(partial, ec);
}

// A fresh hidden folder in the place, or the reason there is none.
std::optional<fs::path> make_partial_folder(const fs::path& place, int& error) {
    for (int n = 0; n < kMaxNameTries; ++n) {
        const fs::path partial =
            named(place, std::string(kPartialPrefix) + std::to_string(::getpid()) + "-" +
                             std::to_string(n));
        if (::mkdir(partial.c_str(), 0777) == 0) return partial;
        if (errno != EEXIST) {
            error = errno;
            return std::nullopt;
        }
    }
    error = EEXIST;
    return std::nullopt;
}

// Renames a folder to a name that must not exist yet.
int rename_new(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0) return 0;
    const int error = errno;
    if (error != EINVAL && error != ENOSYS) return error;
    // A file system without the flag: look, then rename (an empty folder would be replaced).
    if (!is_missing(to)) return EEXIST;
    return ::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

// Removes a backup folder: the files a backup holds, then the folder, which fails when
// anything else was put into it. 0 or the reason.
int remove_backup(const fs::path& folder) {
    std::error_code ec;
    std::vector<fs::path> ours;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = file_name(it->path());
        const auto& files = backup_files();
        const bool known = name == store::files::kOldExtras || is_jpeg_name(name) ||
                           std::find(files.begin(), files.end(), name) != files.end();
        if (known && it->is_regular_file(ec) && !it->is_symlink(ec)) ours.push_back(it->path());
    }
    for (const fs::path& file : ours)
        fs::remove(file, ec);
    return ::rmdir(folder.c_str()) == 0 ? 0 : errno;
}

// Removes the oldest backups of the place, never `kept`, until four are left.
std::vector<std::string> prune(const fs::path& place, const std::string& kept) {
    std::vector<std::string> warnings;
    std::vector<std::string> old = backup_folders(place);
    if (old.size() <= kBackupsKept) return warnings;
    std::size_t surplus = old.size() - kBackupsKept;
    old.erase(std::remove(old.begin(), old.end(), kept), old.end());
    for (std::size_t k = 0; k < old.size() && surplus > 0; ++k, --surplus) {
        const fs::path folder = named(place, old[k]);
        if (const int error = remove_backup(folder); error != 0) {
            warnings.push_back(text::format(TextId::old_backup_not_removed, folder.string(),
                                            io::failure_reason(error)));
        }
    }
    return warnings;
}

// Writes a backup; with `unique_name`, a name that is taken gets "_2", "_3"... instead.
BackupResult write_backup(const BackupJob& job, const Progress& progress, bool unique_name) {
    BackupResult result;
    std::string name = job.name;
    for (int n = 2; !is_missing(named(job.place, name)); ++n) {
        if (!unique_name || n > kMaxNameTries) {
            result.status = BackupStatus::name_taken;
            result.error = text::text(TextId::retry_backup_later);
            return result;
        }
        name = job.name + "_" + std::to_string(n);
    }
    remove_abandoned_partials(job.place);
    int error = 0;
    const auto partial = make_partial_folder(job.place, error);
    if (!partial) {
        result.error = text::format(TextId::backup_place_unusable, job.place.string(),
                                    io::failure_reason(error));
        return result;
    }
    const auto give_up = [&](std::string message) {
        std::error_code ec;
        fs::remove_all(*partial, ec);
        result.status = BackupStatus::failed;
        result.error = std::move(message);
        return result;
    };
    for (const std::string& file : job.files) {
        if (progress) progress(text::format(TextId::backing_up_file, file));
        const fs::path from = named(job.data_folder, file);
        if (is_missing(from)) continue;  // a file not made yet: nothing to keep
        if (const int failure = io::copy_to_new_file(from, named(*partial, file)); failure != 0)
            return give_up(
                text::format(TextId::backup_copy_failed, file, io::failure_reason(failure)));
    }
    sync_folder(*partial);
    const fs::path folder = named(job.place, name);
    if (const int failure = rename_new(*partial, folder); failure != 0) {
        if (failure == EEXIST || failure == ENOTEMPTY) {
            give_up(text::text(TextId::retry_backup_later));
            result.status = BackupStatus::name_taken;
            return result;
        }
        return give_up(text::format(TextId::backup_place_unusable, job.place.string(),
                                    io::failure_reason(failure)));
    }
    sync_folder(job.place);
    result.status = BackupStatus::done;
    result.folder = folder;
    return result;
}

std::string failure_line(std::string_view file, int error) {
    return std::string(file) + ": " + io::failure_reason(error);
}

std::string joined(const std::vector<std::string>& lines) {
    std::string out;
    for (const std::string& line : lines)
        out += (out.empty() ? "" : "\n") + line;
    return out;
}

}  // namespace

const std::vector<std::string_view>& backup_files() {
    namespace f = store::files;
    static const std::vector<std::string_view> list = {
        f::kSpeakers,    f::kCongregations, f::kCircuits, f::kHosts,    f::kTopics, f::kHistory,
        f::kUnavailable, f::kSpecial,       f::kTalks,    f::kWishList, f::kExtras, f::kSettings,
    };
    return list;
}

bool is_backup_name(std::string_view folder_name) {
    return folder_name.substr(0, kBackupPrefix.size()) == kBackupPrefix;
}

bool is_backup_folder(const fs::path& path) {
    return is_backup_name(file_name(without_trailing_separator(path)));
}

std::string backup_name(const calendar::LocalTime& t, std::string_view language) {
    const int doy = day_of_year(t.date);
    const std::string yy = two_digits(t.date.year % 100);
    return std::string(kBackupPrefix) + yy + std::to_string(doy / 100) + two_digits(doy % 100) +
           "_" + two_digits(t.hour) + two_digits(t.minute) + "_" + two_digits(t.date.day) +
           calendar::locale_month_abbreviation(t.date.month, language) + yy;
}

std::vector<std::string> backup_folders(const fs::path& place) {
    std::vector<std::string> out;
    std::error_code ec;
    for (fs::directory_iterator it(place, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = file_name(it->path());
        // A link is not a backup of ours: removing "its" files would reach elsewhere.
        if (is_backup_name(name) && it->is_directory(ec) && !it->is_symlink(ec))
            out.push_back(name);
    }
    std::sort(out.begin(), out.end());
    return out;
}

BackupJob backup_job(const store::Document& doc, const fs::path& place, bool with_maps) {
    BackupJob job;
    job.data_folder = doc.folder().folder();
    job.place = without_trailing_separator(place);
    job.name = backup_name(doc.now(), doc.language());
    for (std::string_view file : backup_files())
        job.files.emplace_back(file);
    if (with_maps) {
        const auto& congregations = doc.congregations();
        for (std::size_t i = 0; i < congregations.size(); ++i) {
            const auto record = congregations.read(doc.folder(), i);
            if (!record) continue;
            const auto path = editors::map_path(job.data_folder, record->map_file);
            if (!path) continue;
            const std::string name = file_name(*path);
            if (std::find(job.files.begin(), job.files.end(), name) == job.files.end())
                job.files.push_back(name);
        }
    }
    return job;
}

std::uint64_t job_size(const BackupJob& job) {
    std::uint64_t total = 0;
    for (const std::string& file : job.files)
        total += io::file_size_or_zero(named(job.data_folder, file));
    return total;
}

BackupResult make_backup(const BackupJob& job, const Progress& progress) {
    BackupResult result = write_backup(job, progress, false);
    if (result.status == BackupStatus::done)
        result.warnings = prune(job.place, file_name(result.folder));
    return result;
}

bool holds_backup(const fs::path& folder) {
    namespace f = store::files;
    // talk.dat is not among them: a folder whose talk titles were never edited has none.
    for (std::string_view file : {f::kSpeakers, f::kCongregations}) {
        if (io::file_size_or_zero(named(folder, file)) == 0) return false;
    }
    return true;
}

RestoreJob restore_job(const store::Document& doc, const fs::path& source) {
    RestoreJob job;
    job.source = without_trailing_separator(source);
    job.data_folder = doc.folder().folder();
    job.keep = backup_job(doc, job.source.parent_path(), false);
    // The pictures the backup brings replace ours of the same name: those are kept too.
    for (const std::string& picture : jpeg_files(job.source)) {
        if (!is_missing(named(job.data_folder, picture))) job.keep.files.push_back(picture);
    }
    return job;
}

RestoreResult restore_backup(const RestoreJob& job, const Progress& progress) {
    RestoreResult result;
    std::error_code ec;
    if (fs::equivalent(job.source, job.data_folder, ec)) {
        result.error = text::format(TextId::restore_from_data_folder, job.source.string());
        return result;
    }
    if (!holds_backup(job.source)) {
        result.error = text::format(TextId::no_backup_in_folder, job.source.string());
        return result;
    }

    // The data as it is now, so that a wrong restore can be undone: in the backup's own place,
    // else (a place we may not write) in the data folder.
    BackupResult kept = write_backup(job.keep, progress, true);
    if (kept.status != BackupStatus::done && job.keep.place != job.data_folder) {
        BackupJob here = job.keep;
        here.place = job.data_folder;
        if (BackupResult again = write_backup(here, progress, true);
            again.status == BackupStatus::done)
            kept = std::move(again);
    }
    if (kept.status != BackupStatus::done) {
        result.error = text::format(TextId::restore_keep_failed, kept.error);
        return result;
    }
    result.kept = kept.folder;

    // Every new file beside its old one first.
    std::vector<std::string> names;
    for (std::string_view file : backup_files())
        names.emplace_back(file);
    for (const std::string& picture : jpeg_files(job.source))
        names.push_back(picture);
    struct Ready {
        std::string file;
        io::Replacement replacement;
    };
    std::vector<Ready> ready;
    std::vector<std::string> failures;
    for (const std::string& file : names) {
        if (progress) progress(text::format(TextId::restoring_file, file));
        const fs::path from = named(job.source, file);
        if (is_missing(from)) {
            result.not_in_backup.push_back(file);
            continue;
        }
        const io::FileRead bytes = io::read_file(from);
        if (!bytes.bytes) {
            failures.push_back(failure_line(file, bytes.error));
            continue;
        }
        io::Replacement replacement =
            io::prepare_replacement(named(job.data_folder, file), *bytes.bytes);
        if (!replacement) {
            failures.push_back(failure_line(file, replacement.error()));
            continue;
        }
        ready.push_back({file, std::move(replacement)});
    }
    if (!failures.empty()) {
        result.error = text::format(TextId::restore_not_done, joined(failures));
        return result;  // the prepared files are removed with `ready`
    }

    // Then all of them in place.
    for (Ready& file : ready) {
        if (const io::WriteResult put = file.replacement.commit(); !put)
            failures.push_back(failure_line(file.file, put.error));
        else
            result.changed = true;
    }
    result.done = failures.empty();
    if (!result.done) {
        result.error =
            text::format(TextId::restore_partly_done, joined(failures), result.kept.string());
    }
    return result;
}

}  // namespace vorla::app
