#include "core/editors/type_ahead.h"

#include <unicode/uchar.h>

#include "core/text/utf8.h"

namespace vorla::editors {

namespace {

std::optional<std::size_t> first_starting_with(const std::vector<std::string>& lines,
                                               std::string_view prefix) {
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (text::starts_with_ignoring_case(lines[i], prefix)) return i;
    }
    return std::nullopt;
}

}  // namespace

bool TypeAhead::is_letter(std::string_view utf8_char) {
    const std::u32string chars = text::to_u32(utf8_char);
    return chars.size() == 1 && u_isalpha(static_cast<UChar32>(chars[0]));
}

std::optional<std::size_t> TypeAhead::type(std::string_view letter,
                                           const std::vector<std::string>& lines) {
    if (text::length(buffer_) + text::length(letter) > kMaxChars) buffer_.clear();
    buffer_ += letter;
    if (const auto found = first_starting_with(lines, buffer_)) return found;
    buffer_ = std::string(letter);
    if (const auto found = first_starting_with(lines, buffer_)) return found;
    buffer_.clear();
    return std::nullopt;
}

}  // namespace vorla::editors
