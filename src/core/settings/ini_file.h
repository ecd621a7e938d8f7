#pragma once
// An INI file: [sections] of key=value lines. Sections and keys match without
// regard to letter case. Lines the program does not know are kept as they are. On disk the
// file is Windows-1251 with CR LF line ends; a file that is valid UTF-8 is read as UTF-8.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::settings {

class IniFile {
  public:
    static IniFile parse(std::string_view bytes);
    // A missing or unreadable file gives an empty one.
    static IniFile load(const std::filesystem::path& path);

    std::optional<std::string> get(std::string_view section, std::string_view key) const;
    std::string get_string(std::string_view section, std::string_view key,
                           std::string_view fallback) const;
    // The leading decimal number of the value, 0 when it has none; the fallback when absent.
    long get_int(std::string_view section, std::string_view key, long fallback) const;

    void set(std::string_view section, std::string_view key, std::string_view value);
    void set_int(std::string_view section, std::string_view key, long value);

    // The file's bytes: Windows-1251, CR LF.
    std::string serialize() const;
    bool save(const std::filesystem::path& path) const;

  private:
    struct Line {
        std::string key;    // empty for a line that is not key=value
        std::string value;  // the value, or the whole line when key is empty
    };
    struct Section {
        std::string name;  // empty for lines before the first section
        std::vector<Line> lines;
    };

    const Section* find_section(std::string_view name) const;
    Section* find_section(std::string_view name);
    std::vector<Section> sections_;
};

}  // namespace vorla::settings
