#pragma once
// Whether the desktop offers a helper program: a search of the PATH as the shell makes it.
#include <filesystem>
#include <optional>
#include <string_view>

namespace vorla::io {

// The first executable file called `name` in the folders of `path_list` (colon-separated,
// an empty entry meaning the current folder); nothing when there is none.
std::optional<std::filesystem::path> find_program(std::string_view name,
                                                  std::string_view path_list);

// The same with the process's own PATH.
std::optional<std::filesystem::path> find_program(std::string_view name);

}  // namespace vorla::io
