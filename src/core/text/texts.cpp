#include "core/text/texts.h"

#include <cstddef>

extern const unsigned char vorla_strings_ru[];
extern const std::size_t vorla_strings_ru_size;

namespace vorla::text {

const StringTable& builtin_texts() {
    static const StringTable table = StringTable::parse(
        std::string_view(reinterpret_cast<const char*>(vorla_strings_ru), vorla_strings_ru_size));
    return table;
}

const std::string& text(TextId id) {
    return builtin_texts().get(number_of(id));
}

const std::string& text_at(TextId first, int offset) {
    return builtin_texts().get(number_of(first) + offset);
}

std::string format(TextId pattern, std::string_view arg1, std::string_view arg2) {
    return format_pattern(text(pattern), arg1, arg2);
}

}  // namespace vorla::text
