#include "core/editors/folder_chooser_model.h"

#include <system_error>

#include "core/io/path_text.h"
#include "core/text/texts.h"
#include "core/text/trim.h"

namespace vorla::editors {

namespace fs = std::filesystem;
using text::TextId;

FolderChooserModel::FolderChooserModel(Params params) : params_(std::move(params)) {}

std::string FolderChooserModel::title() const {
    return params_.title.empty() ? text::text(TextId::select_folder) : params_.title;
}

std::string FolderChooserModel::field_label() const {
    return text::text(TextId::current_folder);
}

std::string FolderChooserModel::accept_caption() const {
    return text::text(TextId::select);
}

std::string FolderChooserModel::field_text(const fs::path& shown) const {
    return io::path_text(shown);
}

std::string FolderChooserModel::file_filter() const {
    if (!params_.show_files) return {};
    return params_.filter.empty() ? "*" : params_.filter;
}

std::optional<std::string> FolderChooserModel::select(std::string_view typed, const fs::path& shown,
                                                      io::Prompter& prompter) const {
    std::string path(text::trim(typed));
    if (path.empty()) path = io::path_text(shown);
    if (path.find("//") != std::string::npos) {
        prompter.inform(text::text(TextId::invalid_folder), io::Icon::error);
        return std::nullopt;
    }
    if (path.size() > 1 && path.back() == '/') path.pop_back();
    if (!path.empty() && path.front() != '/') path = io::path_text(shown / io::text_path(path));

    std::error_code ec;
    const fs::path folder = io::text_path(path);
    const auto kind = fs::status(folder, ec).type();
    if (kind != fs::file_type::not_found && kind != fs::file_type::directory) {
        // A file, or a path that cannot be looked at: no folder to choose there.
        prompter.inform(text::text(TextId::invalid_folder), io::Icon::error);
        return std::nullopt;
    }
    if (kind == fs::file_type::not_found &&
        prompter.ask_yes_no(path + "\n\n" + text::text(TextId::path_does_not_exist), true)) {
        fs::create_directories(folder, ec);
        if (!fs::is_directory(folder, ec)) {
            prompter.inform(text::text(TextId::could_not_create_folder) + "\n" + path,
                            io::Icon::error);
            return std::nullopt;
        }
    }
    return path == "/" ? path : path + "/";
}

}  // namespace vorla::editors
