#pragma once
// Export of a congregation's data package: which of its brothers go in, with what, the file
// the package is written to, and what the user is told afterwards.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/schedule/package_format.h"
#include "core/store/document.h"

namespace vorla::schedule {

// The congregation's package: its record, then in name order every brother of it who has a
// talk or holds one of its three offices. For our own congregation only outgoing speakers and
// officers go in, and only outgoing speakers with their talks. Nothing when the congregation
// is not in the index or its record cannot be read.
std::optional<Package> build_package(const store::Document& doc, std::uint16_t cong_id);

// A congregation name as a file name: characters that cannot stand in one here ("/", NUL,
// control characters) and a leading "." become "_", so the file stays in its folder and is
// not hidden; an empty name becomes "_".
std::string safe_file_stem(std::string_view name);
// "<name>.vpk", made safe.
std::string package_file_name(std::string_view cong_name);

struct PackageExport {
    bool written = false;
    std::filesystem::path path;  // the file written, or the one that could not be
    std::string message;         // what the user is told: the report, or why it failed
};

// Writes the package of a congregation to its file in the data folder, or to `output` when
// given. The file is replaced whole or not at all.
PackageExport export_package(const store::Document& doc, std::uint16_t cong_id,
                             const std::optional<std::filesystem::path>& output = std::nullopt);

// What the user can do with a written package at once: send it by mail with the desktop's
// mail program (xdg-email), and open the folder holding it (xdg-open). Each is offered only
// where the desktop has the program.
struct PackageHandOn {
    std::filesystem::path file;
    bool mail = false;
    bool open_folder = false;

    std::string mail_caption() const;
    std::string folder_caption() const;
    // The mail program and its arguments: the package attached.
    std::vector<std::string> mail_command() const;
    std::filesystem::path folder() const { return file.parent_path(); }
};

// path_list: the PATH to search (colon-separated).
PackageHandOn package_hand_on(const std::filesystem::path& file, std::string_view path_list);

}  // namespace vorla::schedule
