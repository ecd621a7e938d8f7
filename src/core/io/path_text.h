#pragma once
// Paths and the UTF-8 texts the program shows and stores them as.
#include <filesystem>
#include <string>
#include <string_view>

namespace vorla::io {

std::string path_text(const std::filesystem::path& path);
std::filesystem::path text_path(std::string_view utf8);

}  // namespace vorla::io
