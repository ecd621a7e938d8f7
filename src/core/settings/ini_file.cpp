#include "core/settings/ini_file.h"

#include "core/io/file_ops.h"
#include "core/text/cp1251.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::settings {

namespace {

std::string_view trim_ws(std::string_view s) {
    const std::size_t b = s.find_first_not_of(" \t");
    if (b == std::string_view::npos) return {};
    const std::size_t e = s.find_last_not_of(" \t");
    return s.substr(b, e - b + 1);
}

}  // namespace

IniFile IniFile::parse(std::string_view bytes) {
    const std::string utf8 =
        text::is_valid_utf8(bytes) ? std::string(bytes) : text::cp1251_to_utf8(bytes);
    IniFile ini;
    ini.sections_.push_back(Section{});
    std::string_view rest = utf8;
    if (rest.substr(0, 3) == "\xEF\xBB\xBF") rest.remove_prefix(3);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        const std::string_view t = trim_ws(line);
        if (!t.empty() && t.front() == '[') {
            const std::size_t close = t.find(']');
            if (close != std::string_view::npos) {
                ini.sections_.push_back(Section{std::string(trim_ws(t.substr(1, close - 1))), {}});
                continue;
            }
        }
        const std::size_t eq = t.find('=');
        if (!t.empty() && t.front() != ';' && eq != std::string_view::npos && eq > 0) {
            ini.sections_.back().lines.push_back(Line{std::string(trim_ws(t.substr(0, eq))),
                                                      std::string(trim_ws(t.substr(eq + 1)))});
        } else {
            // Comments, blank and malformed lines are kept but never read as settings.
            ini.sections_.back().lines.push_back(Line{{}, std::string(line)});
        }
    }
    return ini;
}

IniFile IniFile::load(const std::filesystem::path& path) {
    const auto file = io::read_file(path);
    if (!file.bytes) return parse({});
    return parse(
        std::string_view(reinterpret_cast<const char*>(file.bytes->data()), file.bytes->size()));
}

const IniFile::Section* IniFile::find_section(std::string_view name) const {
    for (const Section& s : sections_) {
        if (!s.name.empty() && text::equal_ignoring_case(s.name, name)) return &s;
    }
    return nullptr;
}

IniFile::Section* IniFile::find_section(std::string_view name) {
    for (Section& s : sections_) {
        if (!s.name.empty() && text::equal_ignoring_case(s.name, name)) return &s;
    }
    return nullptr;
}

std::optional<std::string> IniFile::get(std::string_view section, std::string_view key) const {
    const Section* s = find_section(section);
    if (!s) return std::nullopt;
    for (const Line& l : s->lines) {
        if (!l.key.empty() && text::equal_ignoring_case(l.key, key)) {
            std::string_view v = l.value;
            if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
            return std::string(v);
        }
    }
    return std::nullopt;
}

std::string IniFile::get_string(std::string_view section, std::string_view key,
                                std::string_view fallback) const {
    auto v = get(section, key);
    return v ? *v : std::string(fallback);
}

long IniFile::get_int(std::string_view section, std::string_view key, long fallback) const {
    const auto v = get(section, key);
    if (!v) return fallback;
    std::string_view s = *v;
    bool negative = false;
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = s.front() == '-';
        s.remove_prefix(1);
    }
    long n = 0;
    for (char c : s) {
        if (c < '0' || c > '9') break;
        if (n > 100000000000L) break;  // far beyond any setting; stop before overflow
        n = n * 10 + (c - '0');
    }
    return negative ? -n : n;
}

void IniFile::set(std::string_view section, std::string_view key, std::string_view value) {
    Section* s = find_section(section);
    if (!s) {
        sections_.push_back(Section{std::string(section), {}});
        s = &sections_.back();
    }
    for (Line& l : s->lines) {
        if (!l.key.empty() && text::equal_ignoring_case(l.key, key)) {
            l.value = std::string(value);
            return;
        }
    }
    // New keys go after the section's last key, before trailing blank lines.
    auto pos = s->lines.end();
    while (pos != s->lines.begin() && std::prev(pos)->key.empty() &&
           text::is_blank(std::prev(pos)->value)) {
        --pos;
    }
    s->lines.insert(pos, Line{std::string(key), std::string(value)});
}

void IniFile::set_int(std::string_view section, std::string_view key, long value) {
    set(section, key, std::to_string(value));
}

std::string IniFile::serialize() const {
    std::string out;
    for (const Section& s : sections_) {
        if (!s.name.empty()) out += "[" + s.name + "]\r\n";
        for (const Line& l : s.lines) {
            out += l.key.empty() ? l.value : l.key + "=" + l.value;
            out += "\r\n";
        }
    }
    return text::utf8_to_cp1251(out);
}

bool IniFile::save(const std::filesystem::path& path) const {
    return static_cast<bool>(io::replace_file(path, serialize()));
}

}  // namespace vorla::settings
