#include "core/text/utf8.h"

#include <unicode/uchar.h>

namespace vorla::text {

namespace {

// Returns the decoded character and advances pos; malformed input gives U+FFFD and one byte.
char32_t next_char(std::string_view s, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(s[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    int extra = 0;
    char32_t c = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
        min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
        min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
        min = 0x10000;
    } else {
        ++pos;
        return kReplacementChar;
    }
    if (pos + extra >= s.size()) {
        ++pos;
        return kReplacementChar;
    }
    for (int i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(s[pos + i]);
        if ((b & 0xC0) != 0x80) {
            ++pos;
            return kReplacementChar;
        }
        c = (c << 6) | (b & 0x3F);
    }
    if (c < min || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return kReplacementChar;
    }
    pos += extra + 1;
    return c;
}

bool next_char_valid(std::string_view s, std::size_t& pos) {
    const std::size_t start = pos;
    const char32_t c = next_char(s, pos);
    if (c != kReplacementChar) return true;
    // A literal U+FFFD is three bytes; a decoding failure advanced only one.
    return pos - start == 3;
}

}  // namespace

std::u32string to_u32(std::string_view utf8) {
    std::u32string out;
    out.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size())
        out.push_back(next_char(utf8, pos));
    return out;
}

void append_utf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string to_utf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : text)
        append_utf8(out, c);
    return out;
}

bool is_valid_utf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (!next_char_valid(bytes, pos)) return false;
    }
    return true;
}

std::size_t length(std::string_view utf8) {
    std::size_t n = 0;
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        next_char(utf8, pos);
        ++n;
    }
    return n;
}

std::string left(std::string_view utf8, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t i = 0; i < n && pos < utf8.size(); ++i)
        next_char(utf8, pos);
    return std::string(utf8.substr(0, pos));
}

std::string to_lower(std::string_view utf8) {
    std::u32string s = to_u32(utf8);
    for (char32_t& c : s)
        c = static_cast<char32_t>(u_tolower(static_cast<UChar32>(c)));
    return to_utf8(s);
}

std::string to_upper(std::string_view utf8) {
    std::u32string s = to_u32(utf8);
    for (char32_t& c : s)
        c = static_cast<char32_t>(u_toupper(static_cast<UChar32>(c)));
    return to_utf8(s);
}

}  // namespace vorla::text

namespace vorla::text {

namespace {
std::u32string folded(std::string_view s) {
    std::u32string out = to_u32(s);
    for (char32_t& c : out) {
        c = static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
    }
    return out;
}
}  // namespace

bool equal_ignoring_case(std::string_view a, std::string_view b) {
    return folded(a) == folded(b);
}

std::uint64_t hash_ignoring_case(std::string_view s) {
    std::uint64_t h = 14695981039346656037ull;  // FNV-1a
    std::size_t pos = 0;
    while (pos < s.size()) {
        const char32_t c = next_char(s, pos);
        h ^= static_cast<std::uint64_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT));
        h *= 1099511628211ull;
    }
    return h;
}

std::string fold_case(std::string_view s) {
    // Character by character into one buffer: lookups fold thousands of names.
    std::string out;
    out.reserve(s.size());
    std::size_t pos = 0;
    while (pos < s.size()) {
        const char32_t c = next_char(s, pos);
        append_utf8(
            out, static_cast<char32_t>(u_foldCase(static_cast<UChar32>(c), U_FOLD_CASE_DEFAULT)));
    }
    return out;
}

bool starts_with_ignoring_case(std::string_view text, std::string_view prefix) {
    const std::u32string t = folded(text);
    const std::u32string p = folded(prefix);
    return t.size() >= p.size() && t.compare(0, p.size(), p) == 0;
}

}  // namespace vorla::text
