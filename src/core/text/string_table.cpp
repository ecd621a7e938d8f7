#include "core/text/string_table.h"

#include <charconv>
#include <cstddef>

extern const unsigned char vorla_strings_ru[];
extern const std::size_t vorla_strings_ru_size;

namespace vorla::text {

namespace {

bool parse_line(std::string_view line, int& number, std::string& value) {
    std::size_t pos = 0;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9')
        ++pos;
    if (pos == 0) return false;
    if (std::from_chars(line.data(), line.data() + pos, number).ec != std::errc{}) return false;
    while (pos < line.size() && (line[pos] == ' ' || line[pos] == '\t'))
        ++pos;
    if (pos >= line.size() || line[pos] != '"') return false;
    ++pos;
    value.clear();
    for (; pos < line.size(); ++pos) {
        const char c = line[pos];
        if (c == '"') {
            // Only blanks may follow the closing quote.
            for (++pos; pos < line.size(); ++pos) {
                if (line[pos] != ' ' && line[pos] != '\t' && line[pos] != '\r') return false;
            }
            return true;
        }
        if (c != '\\') {
            value.push_back(c);
            continue;
        }
        if (++pos >= line.size()) return false;
        switch (line[pos]) {
            case 'n':
                value.push_back('\n');
                break;
            case 't':
                value.push_back('\t');
                break;
            case '"':
                value.push_back('"');
                break;
            case '\\':
                value.push_back('\\');
                break;
            default:
                return false;
        }
    }
    return false;
}

}  // namespace

StringTable StringTable::parse(std::string_view source, std::string* errors) {
    StringTable table;
    std::size_t line_no = 0;
    while (!source.empty()) {
        const std::size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
        ++line_no;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        int number = 0;
        std::string value;
        if (!parse_line(line, number, value) || table.texts_.count(number) != 0) {
            if (errors) *errors += "line " + std::to_string(line_no) + "\n";
            continue;
        }
        table.texts_.emplace(number, std::move(value));
    }
    return table;
}

const StringTable& StringTable::builtin() {
    static const StringTable table = parse(
        std::string_view(reinterpret_cast<const char*>(vorla_strings_ru), vorla_strings_ru_size));
    return table;
}

const std::string& StringTable::get(int n) const {
    static const std::string empty;
    const auto it = texts_.find(n);
    return it == texts_.end() ? empty : it->second;
}

const std::string& text(int n) {
    return StringTable::builtin().get(n);
}

std::string text_with(int n, int m) {
    return format(n, text(m));
}

std::string format(int n, std::string_view arg1, std::string_view arg2) {
    return format_pattern(text(n), arg1, arg2);
}

std::string format_pattern(std::string_view pattern, std::string_view arg1, std::string_view arg2) {
    std::string out;
    out.reserve(pattern.size() + arg1.size() + arg2.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() &&
            (pattern[i + 1] == '1' || pattern[i + 1] == '2')) {
            out += pattern[i + 1] == '1' ? arg1 : arg2;
            ++i;
        } else {
            out.push_back(pattern[i]);
        }
    }
    return out;
}

}  // namespace vorla::text
