#include "core/app/command_line.h"

#include <algorithm>
#include <cstdlib>

namespace vorla::app {

namespace {

bool takes_value(const std::string& opt) {
    return opt == "--data-dir" || opt == "--today";
}

}  // namespace

ParsedCommandLine parse_command_line(const std::vector<std::string>& args,
                                     const std::vector<SubcommandSpec>& subcommands) {
    ParsedCommandLine out;
    CommandLine& cl = out.line;
    const SubcommandSpec* sub = nullptr;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string arg = args[i];
        std::optional<std::string> inline_value;
        if (arg.rfind("--", 0) == 0) {
            const std::size_t eq = arg.find('=');
            if (eq != std::string::npos) {
                inline_value = arg.substr(eq + 1);
                arg = arg.substr(0, eq);
            }
        }
        const auto value = [&]() -> std::optional<std::string> {
            if (inline_value) return inline_value;
            if (i + 1 < args.size()) return args[++i];
            return std::nullopt;
        };
        if (arg == "--help" || arg == "-h") {
            cl.help = true;
        } else if (arg == "--version") {
            cl.version = true;
        } else if (takes_value(arg)) {
            const auto v = value();
            if (!v) {
                out.error = "option " + arg + " needs a value";
                return out;
            }
            if (arg == "--data-dir") {
                if (v->empty()) {
                    out.error = "option --data-dir needs a folder";
                    return out;
                }
                cl.data_dir = *v;
            } else {
                cl.today = calendar::parse_iso_date(*v);
                if (!cl.today) {
                    out.error = "bad date for --today: " + *v + " (expected YYYY-MM-DD, 2000-2099)";
                    return out;
                }
            }
        } else if (sub &&
                   std::find(sub->options.begin(), sub->options.end(), arg) != sub->options.end()) {
            const auto v = value();
            if (!v) {
                out.error = "option " + arg + " needs a value";
                return out;
            }
            cl.options[arg] = *v;
        } else if (sub &&
                   std::find(sub->flags.begin(), sub->flags.end(), arg) != sub->flags.end()) {
            if (inline_value) {
                out.error = "option " + arg + " takes no value";
                return out;
            }
            cl.options[arg] = std::string();
        } else if (arg.size() > 1 && arg[0] == '-') {
            out.error = "unknown option: " + arg;
            return out;
        } else if (!sub) {
            const auto it = std::find_if(subcommands.begin(), subcommands.end(),
                                         [&](const SubcommandSpec& s) { return s.name == arg; });
            if (it == subcommands.end()) {
                out.error = "unknown command: " + arg;
                return out;
            }
            sub = &*it;
            cl.command = arg;
        } else if (static_cast<int>(cl.positional.size()) < sub->positional) {
            cl.positional.push_back(arg);
        } else {
            out.error = "unexpected argument: " + arg;
            return out;
        }
    }
    return out;
}

void anchor_file_options(CommandLine& line, const std::vector<std::string>& file_options,
                         const std::filesystem::path& started_in) {
    for (const std::string& option : file_options) {
        const auto it = line.options.find(option);
        if (it == line.options.end() || it->second.empty()) continue;
        // Not normalised: ".." after a symbolic link is the kernel's to resolve.
        it->second = (started_in / it->second).string();
    }
}

void anchor_argument(CommandLine& line, std::size_t index,
                     const std::filesystem::path& started_in) {
    if (index < line.positional.size() && !line.positional[index].empty())
        line.positional[index] = (started_in / line.positional[index]).string();
}

Environment process_environment() {
    return [](const std::string& name) -> std::optional<std::string> {
        const char* v = std::getenv(name.c_str());
        if (!v || !*v) return std::nullopt;
        return std::string(v);
    };
}

std::filesystem::path resolve_data_dir(const CommandLine& line, const Environment& env) {
    if (line.data_dir) return *line.data_dir;
    if (auto v = env("VORLA_DATA_DIR")) return *v;
    if (auto v = env("XDG_DATA_HOME")) return std::filesystem::path(*v) / "vorla";
    const auto home = env("HOME");
    return std::filesystem::path(home ? *home : ".") / ".local" / "share" / "vorla";
}

TodayChoice resolve_today(const CommandLine& line, const Environment& env) {
    TodayChoice t;
    if (line.today) {
        t.fixed = line.today;
    } else if (auto v = env("VORLA_TODAY")) {
        t.fixed = calendar::parse_iso_date(*v);
        if (!t.fixed)
            t.error = "bad date in VORLA_TODAY: " + *v + " (expected YYYY-MM-DD, 2000-2099)";
    }
    return t;
}

std::string usage_text(const std::vector<SubcommandSpec>& subcommands) {
    std::string u =
        "usage: vorla [--data-dir DIR] [--today YYYY-MM-DD] [COMMAND [OPTIONS]]\n"
        "       vorla --help | --version\n"
        "\n"
        "Without a command the desktop program starts.\n"
        "\n"
        "options:\n"
        "  --data-dir DIR       data folder (else $VORLA_DATA_DIR, else $XDG_DATA_HOME/vorla)\n"
        "  --today YYYY-MM-DD   the date taken as today (else $VORLA_TODAY, else the clock)\n"
        "  --help               this text\n"
        "  --version            the program's version\n"
        "\n"
        "commands:\n";
    for (const SubcommandSpec& s : subcommands) {
        u += "  " + s.name + (s.synopsis.empty() ? "" : " " + s.synopsis) + "\n";
        if (!s.help.empty()) u += "      " + s.help + "\n";
    }
    return u;
}

}  // namespace vorla::app
