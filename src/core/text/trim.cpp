#include "core/text/trim.h"

#include "core/text/utf8.h"

namespace vorla::text {

std::string_view trim_left(std::string_view s) {
    const std::size_t pos = s.find_first_not_of(' ');
    return pos == std::string_view::npos ? std::string_view{} : s.substr(pos);
}

std::string_view trim_right(std::string_view s) {
    const std::size_t pos = s.find_last_not_of(' ');
    return pos == std::string_view::npos ? std::string_view{} : s.substr(0, pos + 1);
}

std::string_view trim(std::string_view s) {
    return trim_right(trim_left(s));
}

void trim_left_in_place(std::string& s) {
    s = std::string(trim_left(s));
}

void trim_right_in_place(std::string& s) {
    s.resize(trim_right(s).size());
}

bool is_blank(std::string_view s) {
    return trim(s).empty();
}

bool is_plausible_phone(std::string_view s) {
    return length(s) < 16 && length(trim(s)) > 6;
}

bool is_plausible_email(std::string_view s) {
    return length(s) > 3 && s.find('@') != std::string_view::npos;
}

}  // namespace vorla::text
