#pragma once
// A name counts as given when the part up to its first blank is not empty.
#include <string_view>

namespace vorla::editors {

inline bool first_word_empty(std::string_view name) { return name.empty() || name.front() == ' '; }

}  // namespace vorla::editors
