#pragma once
// Checks on the names the editors take.
#include <string_view>

namespace vorla::editors {

// A name counts as given when the part up to its first blank is not empty.
inline bool first_word_empty(std::string_view name) {
    return name.empty() || name.front() == ' ';
}

// A congregation's name also names its package file in the data folder, so it holds no
// folder separator.
inline bool congregation_name_allowed(std::string_view name) {
    return name.find_first_of("/\\") == std::string_view::npos;
}

}  // namespace vorla::editors
