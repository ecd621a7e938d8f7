#pragma once
// `vorla package export|import`: the package commands without the dialogs. Export writes
// what the export command writes; import does what the import dialog's OK does with every
// brother chosen and the circuit the dialog would preselect.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

#include "core/app/command_line.h"
#include "core/store/document.h"

namespace vorla::app {

struct PackageRequest {
    enum class Action { none, export_package, import_package };
    Action action = Action::none;
    std::uint16_t cong_id = 0;                    // export
    std::optional<std::filesystem::path> output;  // export: absolute
    std::filesystem::path file;                   // import: absolute
    std::optional<std::uint16_t> circuit_id;      // import: instead of the preselected one
    std::string error;                            // non-empty: the arguments are wrong
};

// Checks the arguments; relative paths are taken from `launch_dir`, the folder the program
// was started in (it works in the data folder later).
PackageRequest parse_package_request(const CommandLine& line,
                                     const std::filesystem::path& launch_dir);

struct PackageOutcome {
    int status = 0;
    std::string out;  // for standard output
    std::string err;  // for standard error
};

PackageOutcome run_package(store::Document& doc, const PackageRequest& request);

}  // namespace vorla::app
