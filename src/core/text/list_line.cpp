#include "core/text/list_line.h"

namespace vorla::text {

std::vector<std::string> texts_of(const std::vector<ListLine>& lines) {
    std::vector<std::string> out;
    out.reserve(lines.size());
    for (const ListLine& l : lines)
        out.push_back(l.text);
    return out;
}

std::size_t wrap_step(std::size_t line, std::size_t count, int delta) {
    if (count == 0) return 0;
    if (delta < 0) return line == 0 || line >= count ? count - 1 : line - 1;
    return line + 1 >= count ? 0 : line + 1;
}

}  // namespace vorla::text
