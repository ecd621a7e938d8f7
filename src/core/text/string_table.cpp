#include "core/text/string_table.h"

#include <charconv>
#include <cstddef>
#include <set>

namespace vorla::text {

namespace {

bool is_blank(char c) {
    return c == ' ' || c == '\t';
}

bool is_name_char(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
}

bool parse_line(std::string_view line, int& number, std::string& name, std::string& value) {
    std::size_t pos = 0;
    while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9')
        ++pos;
    if (pos == 0) return false;
    if (std::from_chars(line.data(), line.data() + pos, number).ec != std::errc{}) return false;
    const std::size_t digits_end = pos;
    while (pos < line.size() && is_blank(line[pos]))
        ++pos;
    if (pos == digits_end || pos >= line.size() || line[pos] < 'a' || line[pos] > 'z') return false;
    const std::size_t name_start = pos;
    while (pos < line.size() && is_name_char(line[pos]))
        ++pos;
    name.assign(line.substr(name_start, pos - name_start));
    const std::size_t name_end = pos;
    while (pos < line.size() && is_blank(line[pos]))
        ++pos;
    if (pos == name_end) return false;
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
    std::set<std::string, std::less<>> used_names;
    std::size_t line_no = 0;
    while (!source.empty()) {
        const std::size_t end = source.find('\n');
        std::string_view line = source.substr(0, end);
        source.remove_prefix(end == std::string_view::npos ? source.size() : end + 1);
        ++line_no;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.empty() || line.front() == '#') continue;
        int number = 0;
        std::string name;
        std::string value;
        if (!parse_line(line, number, name, value) || table.texts_.count(number) != 0 ||
            used_names.count(name) != 0) {
            if (errors) *errors += "line " + std::to_string(line_no) + "\n";
            continue;
        }
        used_names.insert(name);
        table.names_.emplace(number, std::move(name));
        table.texts_.emplace(number, std::move(value));
    }
    return table;
}

const std::string& StringTable::get(int n) const {
    static const std::string empty;
    const auto it = texts_.find(n);
    return it == texts_.end() ? empty : it->second;
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
