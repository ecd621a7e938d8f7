#pragma once
// "Импорт названий…": the titles of the talks from a text file of lines "number<TAB>title"
// (or "number title"), in UTF-8 or Windows-1251, so that nobody types 200 titles.
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/store/document.h"

namespace vorla::editors {

struct TitleImport {
    std::vector<std::pair<int, std::string>>
        titles;                      // talk number 1-256, title (at most 91 characters)
    std::vector<int> refused_lines;  // 1-based line numbers
};

// Blank lines are skipped; a line without a number 1-256, a separator and a title, or with
// characters Windows-1251 cannot hold, is refused.
TitleImport parse_talk_titles(std::string_view file_bytes);
// The message after an import: how many titles were taken and which lines were refused.
std::string title_import_report(std::size_t taken, const std::vector<int>& refused_lines);
// Reads the file and puts its titles into the catalogue in memory (written when the chooser
// closes). Returns the report, or the reason the file could not be read.
std::string import_talk_titles(store::Document& doc, const std::filesystem::path& file);

}  // namespace vorla::editors
