// The `vorla` executable: the desktop program by default, command-line work otherwise.
#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "core/app/command_line.h"
#include "core/app/data_folder.h"
#include "core/calendar/clock.h"
#include "core/settings/settings.h"
#include "core/store/json_dump.h"
#include "core/store/vr_doc.h"
#ifdef VORLA_WITH_GUI
#include "gui/app/application.h"
#endif

namespace {

using namespace vorla;

const std::vector<app::SubcommandSpec>& subcommands() {
    static const std::vector<app::SubcommandSpec> list = {
        {"info", {}, 0, "", "print the data folder, today's week, every setting in force and the table sizes"},
        {"dump", {}, 0, "", "write the whole data as JSON on standard output"},
    };
    return list;
}

// Messages of the data layer go to standard error; questions are answered No, so that
// nothing is changed without a person saying so.
class StderrPrompter final : public io::Prompter {
public:
    void inform(std::string_view text, io::Icon, std::string_view) override {
        std::cerr << "vorla: " << text << "\n";
    }
    bool ask_yes_no(std::string_view, bool) override { return false; }
};

int run_info(const store::CVrDoc& doc) {
    std::cout << "data-folder: " << doc.folder().folder().string() << "\n";
    std::cout << "settings-file: " << doc.settings_path().string() << "\n";
    std::cout << "today: " << calendar::to_iso(doc.today()) << "\n";
    std::cout << "week-number: " << doc.today_week().value << "\n";
    std::cout << "window-base: " << doc.window_base() << "\n";
    for (const auto& l : settings::describe_settings(doc.settings())) {
        std::cout << "setting " << l.section << "/" << l.key << ": " << l.value << "\n";
    }
    std::size_t weeks = 0;
    for (calendar::WeekIndex i = doc.weeks().first(); i <= doc.weeks().last(); ++i) {
        if (doc.weeks().at(i).has_content()) ++weeks;
    }
    std::cout << "brothers: " << doc.brothers().size() << "\n";
    std::cout << "brother-extras: " << doc.brothers().extras().count() << "\n";
    std::cout << "congregations: " << doc.congregations().size() << "\n";
    std::cout << "circuits: " << doc.circuits().size() << "\n";
    std::cout << "hosts: " << doc.hosts().size() << "\n";
    std::cout << "talks: " << doc.talks().entries().size() << "\n";
    std::cout << "topics: " << doc.topics().size() << "\n";
    std::cout << "weeks-with-content: " << weeks << "\n";
    std::cout << "special-events: " << doc.events().size() << "\n";
    std::cout << "unavailable-weeks: " << doc.unavailable().size() << "\n";
    std::cout << "talks-we-need: " << doc.wish_list().record().wanted.count() << "\n";
    std::cout << "local-brothers: " << doc.local_brothers().size() << "\n";
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

    if (cl.command == "info" || cl.command == "dump") {
        StderrPrompter prompter;
        const store::CVrDoc doc({absolute, today, {}}, prompter);
        if (cl.command == "info") return run_info(doc);
        std::cout << store::dump_json(doc);
        return 0;
    }

#ifdef VORLA_WITH_GUI
    return gui::run_desktop(argc, argv, absolute, today);
#else
    std::cerr << "vorla: this build has no desktop program; use a command (see --help)\n";
    return 1;
#endif
}
