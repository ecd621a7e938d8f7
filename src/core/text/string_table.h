#pragma once
// The string table: every user-visible text and settings key, by number and by name.
// The program's own table lives in src/resources/strings.ru (see core/text/texts.h).
#include <map>
#include <string>
#include <string_view>

namespace vorla::text {

class StringTable {
  public:
    // Parses the table's source form: lines `number name "text"` with \n \t \" \\ escapes;
    // blank lines and lines starting with '#' are skipped. A name is a lower-case letter
    // followed by lower-case letters, digits and '_'. Bad lines and lines repeating a number
    // or a name are skipped and reported by line number.
    static StringTable parse(std::string_view source, std::string* errors = nullptr);

    // Text n, or an empty text when the table has none.
    const std::string& get(int n) const;
    bool contains(int n) const { return texts_.count(n) != 0; }
    const std::map<int, std::string>& all() const { return texts_; }
    // The name of each text, by number.
    const std::map<int, std::string>& names() const { return names_; }

  private:
    std::map<int, std::string> texts_;
    std::map<int, std::string> names_;
};

// Any pattern with "%1" and "%2" replaced by the arguments.
std::string format_pattern(std::string_view pattern, std::string_view arg1,
                           std::string_view arg2 = {});

}  // namespace vorla::text
