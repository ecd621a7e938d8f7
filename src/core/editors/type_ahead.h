#pragma once
// The type-ahead search of the brother and congregation lists: typed letters gather in a
// buffer of at most 40 characters, and the first line that begins with it is selected.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::editors {

class TypeAhead {
  public:
    static constexpr std::size_t kMaxChars = 40;

    // Whether a typed character takes part in the search (letters only; other keys work as
    // in any list).
    static bool is_letter(std::string_view utf8_char);

    // Adds one letter and returns the line to select. When nothing begins with the buffer it
    // restarts with just this letter; when that fails too the buffer is emptied.
    std::optional<std::size_t> type(std::string_view letter, const std::vector<std::string>& lines);
    // The list gained the focus.
    void reset() { buffer_.clear(); }
    const std::string& buffer() const { return buffer_; }

  private:
    std::string buffer_;
};

}  // namespace vorla::editors
