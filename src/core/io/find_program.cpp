#include "core/io/find_program.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

namespace vorla::io {

std::optional<std::filesystem::path> find_program(std::string_view name,
                                                  std::string_view path_list) {
    if (name.empty() || name.find('/') != std::string_view::npos) return std::nullopt;
    std::size_t start = 0;
    for (;;) {
        const std::size_t colon = path_list.find(':', start);
        const std::string_view folder =
            path_list.substr(start, colon == std::string_view::npos ? colon : colon - start);
        const std::filesystem::path candidate =
            std::filesystem::path(folder.empty() ? "." : std::string(folder)) / name;
        struct stat st {};
        if (::stat(candidate.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
            ::access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
        if (colon == std::string_view::npos) return std::nullopt;
        start = colon + 1;
    }
}

std::optional<std::filesystem::path> find_program(std::string_view name) {
    const char* path = std::getenv("PATH");
    return find_program(name, path ? path : "");
}

}  // namespace vorla::io
