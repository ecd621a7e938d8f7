#pragma once
// The outcome of a duplicate-name check: which entry has the name, and what to tell the user.
#include <optional>
#include <string>

namespace vorla::store {

struct DuplicateCheck {
    std::optional<std::size_t> position;  // the entry with the same name
    // The existing name, " ", "дублирующее имя.", "\n\n" and, when adding,
    // "Перезаписать новой информацией?" (a Yes/No question, No as default).
    std::string message;
    bool found() const { return position.has_value(); }
};

// The notice for a name found twice; `adding` appends the overwrite question.
std::string duplicate_message(const std::string& existing_name, bool adding);

}  // namespace vorla::store
