#pragma once
// UTF-8 helpers: the in-memory form of every text. Limits count characters, not bytes.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::text {

inline constexpr char32_t kReplacementChar = 0xFFFD;

// Decodes UTF-8; a malformed sequence yields one U+FFFD per bad byte.
std::u32string to_u32(std::string_view utf8);
std::string to_utf8(std::u32string_view text);
void append_utf8(std::string& out, char32_t c);

bool is_valid_utf8(std::string_view bytes);

// Number of characters.
std::size_t length(std::string_view utf8);
// The first n characters.
std::string left(std::string_view utf8, std::size_t n);

// Case mapping of the whole text (Cyrillic included).
std::string to_lower(std::string_view utf8);
std::string to_upper(std::string_view utf8);

}  // namespace vorla::text

namespace vorla::text {
// Exact comparison that ignores letter case (Unicode case folding).
bool equal_ignoring_case(std::string_view a, std::string_view b);
// The text with letter case folded away: equal_ignoring_case(a, b) is fold_case(a) ==
// fold_case(b), so folded texts can key a lookup.
std::string fold_case(std::string_view s);
// A hash that ignores letter case: texts equal ignoring case hash alike. It folds as it goes,
// so thousands of names hash without building their folded texts.
std::uint64_t hash_ignoring_case(std::string_view s);
// Case-insensitive prefix test, used by type-ahead lists.
bool starts_with_ignoring_case(std::string_view text, std::string_view prefix);
}  // namespace vorla::text
