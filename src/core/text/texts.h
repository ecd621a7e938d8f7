#pragma once
// The program's texts: the string table compiled from src/resources/strings.ru, looked up by
// the names the build generates from that table (core/text/string_ids.h), so that every name
// the code uses has a text.
#include <string>
#include <string_view>

#include "core/text/string_ids.h"
#include "core/text/string_table.h"

namespace vorla::text {

// The table compiled into the program.
const StringTable& builtin_texts();

// The number of a text, for tables indexed by it.
constexpr int number_of(TextId id) {
    return static_cast<int>(id);
}

const std::string& text(TextId id);
// The text `offset` places after `first` in a run of numbered texts (months, weekdays,
// roles...); empty when the table has none there.
const std::string& text_at(TextId first, int offset);
// Text `pattern` with "%1" and "%2" replaced by the arguments.
std::string format(TextId pattern, std::string_view arg1, std::string_view arg2 = {});

}  // namespace vorla::text
