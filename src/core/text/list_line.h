#pragma once
// One line of a list (an editor's, a picker's): the text it shows (columns separated by tabs) and
// what it stands for (an index or table position).
#include <cstddef>
#include <string>
#include <vector>

namespace vorla::text {

struct ListLine {
    std::string text;
    std::size_t position = 0;
    friend bool operator==(const ListLine&, const ListLine&) = default;
};

// The texts alone, as the list shows them and the type-ahead searches them.
std::vector<std::string> texts_of(const std::vector<ListLine>& lines);

// One step up (-1) or down (+1) through count lines, wrapping at both ends.
std::size_t wrap_step(std::size_t line, std::size_t count, int delta);

}  // namespace vorla::text
