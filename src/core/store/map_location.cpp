#include "core/store/map_location.h"

#include <string>

#include "core/text/trim.h"

namespace vorla::store {

bool is_bare_file_name(std::string_view name) {
    if (name.empty() || name == "." || name == "..") return false;
    if (name.find_first_of("/\\:") != std::string_view::npos) return false;
    if (name.find('\0') != std::string_view::npos) return false;
    return name.find("..") == std::string_view::npos;
}

std::optional<std::filesystem::path> map_path(const std::filesystem::path& data_folder,
                                              std::string_view name) {
    name = text::trim(name);
    if (!is_bare_file_name(name)) return std::nullopt;
    return data_folder / std::filesystem::path(std::u8string(name.begin(), name.end()));
}

}  // namespace vorla::store
