#pragma once
// The `vorla` command line: global options, an optional subcommand and its options.
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "core/calendar/clock.h"

namespace vorla::app {

// A subcommand and the options it takes: options with one value, and flags.
struct SubcommandSpec {
    std::string name;
    std::vector<std::string> options;     // e.g. "--start"
    int positional = 0;                   // number of plain arguments it takes
    std::string synopsis;                 // shown in the usage after the name
    std::string help;                     // one line saying what it does
    std::vector<std::string> flags = {};  // options without a value, e.g. "--list"
};

struct CommandLine {
    std::optional<std::string> data_dir;
    std::optional<calendar::Date> today;
    bool help = false;
    bool version = false;
    std::string command;  // empty: the desktop program
    std::map<std::string, std::string> options;
    std::vector<std::string> positional;
};

struct ParsedCommandLine {
    CommandLine line;
    std::string error;  // non-empty: a one-line reason, and the usage is shown
};

// args excludes the program name.
ParsedCommandLine parse_command_line(const std::vector<std::string>& args,
                                     const std::vector<SubcommandSpec>& subcommands);

// The files named by the given options, made absolute against the folder the program was
// started in: the program then works in the data folder, and a relative name would land there.
void anchor_file_options(CommandLine& line, const std::vector<std::string>& file_options,
                         const std::filesystem::path& started_in);

// A plain argument that names a folder or file, made absolute the same way.
void anchor_argument(CommandLine& line, std::size_t index, const std::filesystem::path& started_in);

using Environment = std::function<std::optional<std::string>(const std::string&)>;
Environment process_environment();

// The data folder: --data-dir, else VORLA_DATA_DIR, else $XDG_DATA_HOME/vorla
// (~/.local/share/vorla).
std::filesystem::path resolve_data_dir(const CommandLine& line, const Environment& env);
// Today: --today, else VORLA_TODAY, else the system clock. A bad VORLA_TODAY is an error.
struct TodayChoice {
    std::optional<calendar::Date> fixed;
    std::string error;
};
TodayChoice resolve_today(const CommandLine& line, const Environment& env);

std::string usage_text(const std::vector<SubcommandSpec>& subcommands);

}  // namespace vorla::app
