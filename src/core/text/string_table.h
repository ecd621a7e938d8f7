#pragma once
// The string table: every user-visible text, file name and settings key, by number.
// The texts live in src/resources/strings.ru and are compiled into the program.
#include <map>
#include <string>
#include <string_view>

namespace vorla::text {

class StringTable {
  public:
    // Parses the table's source form: lines `number "text"` with \n \t \" \\ escapes;
    // blank lines and lines starting with '#' are skipped. Bad lines are reported by number.
    static StringTable parse(std::string_view source, std::string* errors = nullptr);
    // The table compiled into the program.
    static const StringTable& builtin();

    // Text n, or an empty text when the table has none.
    const std::string& get(int n) const;
    bool contains(int n) const { return texts_.count(n) != 0; }
    const std::map<int, std::string>& all() const { return texts_; }

  private:
    std::map<int, std::string> texts_;
};

// Text n of the built-in table.
const std::string& text(int n);
// Text n with its "%1" replaced by text m.
std::string text_with(int n, int m);
// Text n with "%1" and "%2" replaced by the arguments.
std::string format(int n, std::string_view arg1, std::string_view arg2 = {});
// Any pattern with "%1" and "%2" replaced by the arguments.
std::string format_pattern(std::string_view pattern, std::string_view arg1,
                           std::string_view arg2 = {});

}  // namespace vorla::text
