// The `vorla` executable: the desktop program by default, command-line work otherwise.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "core/app/command_line.h"
#include "core/app/data_folder.h"
#include "core/calendar/clock.h"
#include "core/calendar/week_window.h"
#include "core/settings/ini_file.h"
#include "core/settings/settings.h"

namespace {

using namespace vorla;

const std::vector<app::SubcommandSpec>& subcommands() {
    static const std::vector<app::SubcommandSpec> list = {
        {"info", {}, 0, "", "print the data folder, today's week and every setting in force"},
    };
    return list;
}

int run_info(const std::filesystem::path& folder, const calendar::Date& today) {
    const auto ini = settings::IniFile::load(app::settings_path(folder));
    const settings::Settings s = settings::read_settings(ini);
    std::cout << "data-folder: " << folder.string() << "\n";
    std::cout << "settings-file: " << app::settings_path(folder).string() << "\n";
    std::cout << "today: " << calendar::to_iso(today) << "\n";
    std::cout << "week-number: " << calendar::today_week_number(today).value << "\n";
    std::cout << "window-base: " << calendar::week_window_base(today.year) << "\n";
    for (const auto& l : settings::describe_settings(s)) {
        std::cout << "setting " << l.section << "/" << l.key << ": " << l.value << "\n";
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = app::parse_command_line(args, subcommands());
    if (!parsed.error.empty()) {
        std::cerr << "vorla: " << parsed.error << "\n" << app::usage_text(subcommands());
        return 2;
    }
    const app::CommandLine& cl = parsed.line;
    if (cl.help) {
        std::cout << app::usage_text(subcommands());
        return 0;
    }
    if (cl.version) {
        std::cout << "vorla " << VORLA_VERSION << "\n";
        return 0;
    }
    const auto env = app::process_environment();
    const auto today_choice = app::resolve_today(cl, env);
    if (!today_choice.error.empty()) {
        std::cerr << "vorla: " << today_choice.error << "\n";
        return 2;
    }
    const calendar::Date today = today_choice.fixed.value_or(calendar::SystemClock().today());

    std::string error;
    const std::filesystem::path folder = app::resolve_data_dir(cl, env);
    if (!app::enter_data_folder(folder, error)) {
        std::cerr << "vorla: " << error << "\n";
        return 1;
    }
    const std::filesystem::path absolute = std::filesystem::current_path();

    if (cl.command == "info") return run_info(absolute, today);

    std::cerr << "vorla: the program window is not built yet; use a command (see --help)\n";
    return 1;
}
