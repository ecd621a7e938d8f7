// Build step: reads the string table and writes the header that names its texts
// (enum class TextId). A bad line, a repeated number or a repeated name fails the build.
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "core/text/string_table.h"

namespace {

bool read_file(const char* path, std::string& out) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream buffer;
    buffer << in.rdbuf();
    out = buffer.str();
    return true;
}

std::string header_text(const vorla::text::StringTable& table) {
    std::string out =
        "// Generated from src/resources/strings.ru by generate_string_ids; do not edit.\n"
        "#pragma once\n\n"
        "namespace vorla::text {\n\n"
        "// The texts of the string table, by name; the value is the text's number.\n"
        "enum class TextId : int {\n";
    for (const auto& [number, name] : table.names()) {
        out += "    " + name + " = " + std::to_string(number) + ",\n";
    }
    out += "};\n\n}  // namespace vorla::text\n";
    return out;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: generate_string_ids STRINGS_FILE HEADER\n";
        return 2;
    }
    std::string source;
    if (!read_file(argv[1], source)) {
        std::cerr << argv[1] << ": cannot read\n";
        return 1;
    }
    std::string errors;
    const auto table = vorla::text::StringTable::parse(source, &errors);
    if (!errors.empty()) {
        // One "line N" per bad line: malformed, or repeating a number or a name.
        std::istringstream lines(errors);
        for (std::string line; std::getline(lines, line);) {
            std::cerr << argv[1] << ": " << line << ": malformed, or a repeated number or name\n";
        }
        return 1;
    }
    const std::string header = header_text(table);
    // Rewritten only when it changes, so that editing a text does not rebuild the program.
    std::string old;
    if (read_file(argv[2], old) && old == header) return 0;
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out << header;
    out.close();
    if (!out) {
        std::cerr << argv[2] << ": cannot write\n";
        return 1;
    }
    return 0;
}
