#include "core/store/data_folder.h"

#include <algorithm>
#include <system_error>

#include "core/text/texts.h"

namespace vorla::store {

using text::TextId;

DataFolder::DataFolder(fs::path folder, io::Prompter& prompter, bool read_only)
    : folder_(std::move(folder)), prompter_(&prompter), read_only_(read_only) {}

bool DataFolder::held(const fs::path& file) const {
    return std::find(held_.begin(), held_.end(), file) != held_.end();
}

io::FileRead DataFolder::read(const fs::path& file, std::uint64_t max_bytes) const {
    io::FileRead r = io::read_file(file, max_bytes);
    if (r.failed()) {
        if (!held(file)) {
            held_.push_back(file);
            prompter_->inform(
                text::format(TextId::file_unreadable, file.string(), io::failure_reason(r.error)),
                io::Icon::error);
        }
        return r;
    }
    stamps_[file] = r.stamp;
    if (r.cut() && cut_told_.insert(file).second) {
        prompter_->inform(
            text::format(TextId::file_rest_ignored, file.string(), std::to_string(max_bytes)),
            io::Icon::warning);
    }
    return r;
}

void DataFolder::report_write_failure(const fs::path& file, int error) const {
    ++failed_writes_;
    std::string message = text::format(TextId::cannot_create_file, file.string());
    if (error != 0)
        message += "\n\n" + text::format(TextId::reason_line, io::failure_reason(error));
    prompter_->inform(message, io::Icon::error);
}

bool DataFolder::may_write(const fs::path& file) const {
    if (read_only_) {
        ++failed_writes_;
        prompter_->inform(text::format(TextId::folder_read_only, folder_.string()),
                          io::Icon::warning);
        return false;
    }
    if (held(file)) {
        ++failed_writes_;
        prompter_->inform(text::format(TextId::save_refused_unread_file, file.string()),
                          io::Icon::error);
        return false;
    }
    return true;
}

void DataFolder::wrote(const fs::path& file, const io::WriteResult& result) const {
    if (result) {
        // Files the program never read (an export) are not watched.
        if (const auto known = stamps_.find(file); known != stamps_.end())
            known->second = result.stamp;
    } else {
        report_write_failure(file, result.error);
    }
}

bool DataFolder::replace(const fs::path& file, std::span<const std::uint8_t> content) const {
    if (!may_write(file)) return false;
    // A file we may not replace is told as such, before any question about it.
    if (const int refusal = io::write_refusal(io::resolve_links(file)); refusal != 0) {
        report_write_failure(file, refusal);
        return false;
    }
    // Another program saved the file after we read it: ours would undo its change.
    if (const auto known = stamps_.find(file); known != stamps_.end()) {
        if (io::stamp_of(file) != known->second &&
            !prompter_->ask_yes_no(text::format(TextId::file_changed_on_disk, file.string()),
                                   false)) {
            ++failed_writes_;
            return false;
        }
    }
    const io::WriteResult result = io::replace_file(file, content);
    wrote(file, result);
    return static_cast<bool>(result);
}

bool DataFolder::replace(const fs::path& file, std::string_view content) const {
    return replace(
        file, std::span<const std::uint8_t>(reinterpret_cast<const std::uint8_t*>(content.data()),
                                            content.size()));
}

bool DataFolder::write_at(const fs::path& file, std::uint64_t offset,
                          std::span<const std::uint8_t> bytes) const {
    if (!may_write(file)) return false;
    const io::WriteResult result = io::write_at(file, offset, bytes);
    wrote(file, result);
    return static_cast<bool>(result);
}

void DataFolder::start_over() {
    stamps_.clear();
    held_.clear();
    cut_told_.clear();
}

int DataFolder::remove_leftovers() const {
    if (read_only_) return 0;
    int removed = io::remove_leftover_temp_files(folder_);
    std::error_code ec;
    for (fs::directory_iterator it(folder_, ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_symlink(ec)) continue;
        const fs::path target = io::resolve_links(it->path());
        if (target.parent_path() != folder_) {
            removed +=
                io::remove_leftover_temp_files(target.parent_path(), target.filename().string());
        }
    }
    return removed;
}

}  // namespace vorla::store
