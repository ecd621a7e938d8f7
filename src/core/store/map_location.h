#pragma once
// Where a congregation's map picture lives: a bare file name inside the data folder.
#include <filesystem>
#include <optional>
#include <string_view>

namespace vorla::store {

// A map name is a bare file name: no folder, no "..", nothing that leaves the data folder.
bool is_bare_file_name(std::string_view name);
// Where a map of that name is loaded from: only the data folder; nothing for an empty or
// unsafe name.
std::optional<std::filesystem::path> map_path(const std::filesystem::path& data_folder,
                                              std::string_view name);

}  // namespace vorla::store
