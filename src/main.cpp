// The `vorla` executable: the desktop program by default, command-line work otherwise.
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "core/app/backup_command.h"
#include "core/app/command_line.h"
#include "core/app/data_folder_setup.h"
#include "core/app/folder_access.h"
#include "core/app/info_lines.h"
#include "core/app/package_command.h"
#include "core/calendar/clock.h"
#include "core/calendar/date6.h"
#include "core/io/file_set.h"
#include "core/reports/invitation_letter.h"
#include "core/reports/paper.h"
#include "core/reports/range_arguments.h"
#include "core/reports/report_arguments.h"
#include "core/reports/report_request.h"
#include "core/reports/schedule_export.h"
#include "core/schedule/calendar_file.h"
#include "core/settings/settings.h"
#include "core/store/document.h"
#include "core/store/json_dump.h"
#ifdef VORLA_WITH_GUI
#include <QGuiApplication>

#include "gui/app/application.h"
#include "gui/reports/report_renderer.h"
#endif

namespace {

using namespace vorla;

const std::vector<app::SubcommandSpec>& subcommands() {
    static const std::vector<app::SubcommandSpec> list = {
        {"info",
         {},
         0,
         "",
         "print the data folder, today's week, every setting in force and the table sizes"},
        {"dump", {}, 0, "", "write the whole data as JSON on standard output"},
        {"export-text",
         {"--start", "--weeks", "--output"},
         0,
         "--start YYYY-MM-DD --weeks N [--output FILE]",
         "write the schedule as text for N weeks (1-52) from the week of the date, to ptsched.txt "
         "in the data folder unless FILE is given"},
        {"export-ics",
         {"--start", "--weeks", "--brother", "--output"},
         0,
         "--start YYYY-MM-DD --weeks N [--brother ID] [--output FILE]",
         "write the assignments of N weeks (1-52) from the week of the date as an iCalendar "
         "file, only brother ID's with --brother, to schedule.ics in the data folder unless FILE "
         "is given"},
        {"backup",
         {},
         1,
         "DIR",
         "make a dated backup folder Vrl_... of the data and map files in DIR, keeping the "
         "newest four; prints its path"},
        {"restore",
         {},
         1,
         "DIR",
         "put the files of the backup folder DIR in place of the data, after backing up the data "
         "beside it; prints where"},
        {"report",
         {"--start", "--weeks", "--week", "--slot", "--congregation", "--circuit", "--brother",
          "--pdf", "--png", "--dpi", "--paper"},
         1,
         "KIND [SELECTION] (--pdf FILE | --png PREFIX) [--dpi N] [--paper a4|letter] | --list",
         "render a report (the schedule, a letter, a list; `report --list` names every KIND "
         "with its selection) as one PDF or one PNG per page (PREFIX-1.png ...), 300 dpi unless "
         "told (PDF up to 2400, PNG up to 600), on the paper of the locale (A4 unless it is a "
         "Letter one) unless told",
         {"--list"}},
        {"package",
         {"--cong", "--output", "--circuit"},
         2,
         "export --cong ID [--output FILE] | import FILE [--circuit ID]",
         "write a congregation's data package (its name.vpk in the data folder unless told) and "
         "print its path; or import a package as the import dialog's OK does with every brother "
         "chosen, printing what was added, updated and detached"},
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

int run_info(const store::Document& doc) {
    for (const auto& [key, value] : app::info_lines(doc))
        std::cout << key << ": " << value << "\n";
    return 0;
}

int run_export_text(const store::Document& doc, const reports::ScheduleRange& range,
                    const std::string& output) {
    const auto path = reports::write_schedule_export(doc, range.first, range.weeks, output);
    if (!path) return 1;
    std::cout << path->string() << "\n";
    return 0;
}

int run_export_ics(const store::Document& doc, const reports::ScheduleRange& range,
                   std::uint16_t brother, const std::string& output) {
    if (brother && !doc.brothers().find(brother)) {
        std::cerr << "vorla: no brother with the id " << brother << "\n";
        return 1;
    }
    const auto path =
        schedule::write_calendar_export(doc, range.first, range.weeks, brother, output);
    if (!path) return 1;
    std::cout << path->string() << "\n";
    return 0;
}

// What `report` is asked for, checked before anything is opened.
struct ReportOutput {
    reports::ReportArguments report;  // which report, and its selection
    std::string pdf;
    std::string png;
    int dpi = 300;
    reports::Paper paper = reports::Paper::a4;
    std::string error;
    bool usage = false;  // the error is a mistake in the command's form: the usage follows
};

std::string option_value(const app::CommandLine& cl, const char* key) {
    const auto it = cl.options.find(key);
    return it == cl.options.end() ? std::string() : it->second;
}

ReportOutput parse_report_output(const app::CommandLine& cl) {
    ReportOutput out;
    out.report = reports::parse_report_arguments(
        cl.positional.empty() ? std::string_view() : std::string_view(cl.positional[0]),
        cl.options);
    if (!out.report.error.empty()) {
        out.error = out.report.error;
        out.usage = out.report.usage;
        return out;
    }
    const auto get = [&](const char* key) { return option_value(cl, key); };
    out.pdf = get("--pdf");
    out.png = get("--png");
    if (out.pdf.empty() == out.png.empty()) {
        out.error = "give exactly one of --pdf FILE and --png PREFIX";
        return out;
    }
    if (cl.options.count("--dpi")) {
        // A page image at 2400 dpi would take two gigabytes of memory; PDF pages take none.
        const int highest = out.png.empty() ? 2400 : 600;
        const auto dpi = reports::parse_count(get("--dpi"), 30, highest);
        if (!dpi) {
            out.error = "bad resolution for --dpi: " + get("--dpi") + " (expected 30 to " +
                        std::to_string(highest) + (out.png.empty() ? ")" : " for PNG pages)");
            return out;
        }
        out.dpi = *dpi;
    }
    if (cl.options.count("--paper")) {
        const auto paper = reports::parse_paper(get("--paper"));
        if (!paper) {
            out.error = "bad paper for --paper: " + get("--paper") + " (expected a4 or letter)";
            return out;
        }
        out.paper = *paper;
    } else {
        out.paper = reports::locale_paper();
    }
    return out;
}

// Why a letter or notice has nobody to go to; empty when there is somebody (or a schedule).
std::string nothing_to_write(const store::Document& doc, const reports::ReportRequest& request) {
    const calendar::Date6 monday = calendar::week_date(request.first.number());
    const std::string week = calendar::to_iso({2000 + monday.yy, monday.mm, monday.dd});
    if (request.kind == reports::ReportKind::invitation_letter &&
        !reports::invitation_letter(doc, request.first).written) {
        return "no letter for the week of " + week +
               ": it needs a visiting speaker with his talk, and our congregation";
    }
    if (request.kind == reports::ReportKind::outgoing_notice &&
        !doc.weeks().at(request.first).out_speaker_id[static_cast<std::size_t>(request.slot)]) {
        return "no notice for the week of " + week + ": no outgoing speaker " +
               std::to_string(request.slot + 1);
    }
    return {};
}

#ifdef VORLA_WITH_GUI
int run_report(int argc, char** argv, const store::Document& doc,
               const reports::ReportRequest& request, const ReportOutput& output) {
    // Files need no display: without a platform chosen, draw offscreen.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt's own notes about the session (runtime folder, painter) are no news to the user here;
    // what went wrong is said below.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& message) {
        if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << message.toStdString() << "\n";
    });
    QGuiApplication app(argc, argv);
    settings::ReportFonts fonts(doc.language());
    fonts.load(doc.read_settings_file());
    const gui::ReportSource source = [&](const reports::Device& device) {
        return reports::layout_report(doc, fonts, request, device);
    };
    const QPageLayout sheet = gui::sheet_layout(output.paper);
    // Every file is written whole or not at all; a failure leaves none of them.
    QStringList written;
    const io::FileSetResult result =
        output.pdf.empty()
            ? gui::write_png_pages(QString::fromStdString(output.png), source, output.dpi, sheet,
                                   &written)
            : gui::write_pdf(QString::fromStdString(output.pdf), source, output.dpi, sheet,
                             QString::fromStdString(reports::report_title(doc, request)));
    if (!result.ok()) {
        std::cerr << "vorla: cannot write " << result.failed.string() << ": " << result.reason
                  << "\n";
        return 1;
    }
    if (!output.pdf.empty()) written << QString::fromStdString(output.pdf);
    for (const QString& file : written)
        std::cout << file.toStdString() << "\n";
    return 0;
}
#endif

// Runs a subcommand on the opened document; returns its exit status.
int run_command(int argc, char** argv, const app::CommandLine& cl, const store::Document& doc,
                const reports::ScheduleRange& range, int brother, const ReportOutput& output) {
    if (cl.command == "info") return run_info(doc);
    if (cl.command == "dump") {
        std::cout << store::dump_json(doc);
        return 0;
    }
    if (cl.command == "export-text")
        return run_export_text(doc, range, option_value(cl, "--output"));
    if (cl.command == "export-ics")
        return run_export_ics(doc, range, static_cast<std::uint16_t>(brother),
                              option_value(cl, "--output"));
    // The selection is checked against the data in every build: a mistake is told as such.
    reports::ReportArguments arguments = output.report;
    if (const std::string wrong = reports::resolve_report_selection(doc, arguments);
        !wrong.empty()) {
        std::cerr << "vorla: " << wrong << "\n";
        return 1;
    }
    // A letter to nobody is not written: the command says so and fails.
    if (const std::string nobody = nothing_to_write(doc, arguments.request); !nobody.empty()) {
        std::cerr << "vorla: " << nobody << "\n";
        return 1;
    }
#ifdef VORLA_WITH_GUI
    return run_report(argc, argv, doc, arguments.request, output);
#else
    (void)argc;
    (void)argv;
    std::cerr << "vorla: this build has no report renderer (built without Qt)\n";
    return 1;
#endif
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const auto parsed = app::parse_command_line(args, subcommands());
    if (!parsed.error.empty()) {
        std::cerr << "vorla: " << parsed.error << "\n" << app::usage_text(subcommands());
        return 2;
    }
    app::CommandLine cl = parsed.line;
    if (cl.help) {
        std::cout << app::usage_text(subcommands());
        return 0;
    }
    if (cl.version) {
        std::cout << "vorla " << VORLA_VERSION << "\n";
        return 0;
    }
    if (cl.command == "report" && cl.options.count("--list")) {
        std::cout << reports::named_reports_text();
        return 0;
    }
    const auto env = app::process_environment();
    const auto today_choice = app::resolve_today(cl, env);
    if (!today_choice.error.empty()) {
        std::cerr << "vorla: " << today_choice.error << "\n";
        return 2;
    }
    const calendar::SystemClock system_clock;
    const std::optional<calendar::FixedClock> fixed_clock =
        today_choice.fixed ? std::optional<calendar::FixedClock>(*today_choice.fixed)
                           : std::nullopt;
    const calendar::Clock& clock =
        fixed_clock ? static_cast<const calendar::Clock&>(*fixed_clock) : system_clock;
    const calendar::Date today = clock.today();

    const bool backing_up = cl.command == "backup" || cl.command == "restore";
    if (backing_up && cl.positional.empty()) {
        std::cerr << "vorla: which folder? (" << cl.command << " DIR)\n"
                  << app::usage_text(subcommands());
        return 2;
    }
    std::error_code no_folder;
    const std::filesystem::path started_in = std::filesystem::current_path(no_folder);
    if (!no_folder) {
        app::anchor_file_options(cl, {"--pdf", "--png", "--output"}, started_in);
        if (backing_up) app::anchor_argument(cl, 0, started_in);
    }

    // Paths given to `package` are the user's, taken from where the program was started.
    app::PackageRequest package;
    if (cl.command == "package") {
        package = app::parse_package_request(cl, started_in);
        if (!package.error.empty()) {
            std::cerr << "vorla: " << package.error << "\n";
            return 1;
        }
    }

    std::string error;
    const std::filesystem::path folder = app::resolve_data_dir(cl, env);
    if (!app::enter_data_folder(folder, error)) {
        std::cerr << "vorla: " << error << "\n";
        return 1;
    }
    const std::filesystem::path absolute = std::filesystem::current_path();

    // The week range of the exports and report is checked before the data folder is opened.
    reports::RangeArguments range;
    ReportOutput output;
    int brother = 0;
    const bool exporting = cl.command == "export-text" || cl.command == "export-ics";
    if (exporting || cl.command == "report") {
        if (cl.command == "report")
            output = parse_report_output(cl);
        else
            range = reports::parse_range_arguments(cl.options);
        if (exporting && cl.options.count("--brother")) {
            const auto id = reports::parse_count(option_value(cl, "--brother"), 1, 65535);
            if (!id)
                output.error = "bad brother id for --brother: " + option_value(cl, "--brother");
            brother = id.value_or(0);
        }
        if (output.usage) {
            std::cerr << "vorla: " << output.error << "\n" << app::usage_text(subcommands());
            return 2;
        }
        const std::string& error = !output.error.empty() ? output.error : range.error;
        if (!error.empty()) {
            std::cerr << "vorla: " << error << "\n";
            return 1;
        }
    }

    if (!cl.command.empty()) {
        // The exports, package and restore write into the folder; the others read alongside
        // any program.
        const app::FolderUse use = exporting || cl.command == "package" || cl.command == "restore"
                                       ? app::FolderUse::writing
                                       : app::FolderUse::reading;
        StderrPrompter prompter;
        const app::FolderAccess access = app::take_data_folder(absolute, use, prompter);
        if (access.refused) {
            std::cerr << "vorla: " << access.message << "\n";
            return 1;
        }
        store::Document doc({absolute, today, {}, access.read_only, &clock}, prompter);
        if (cl.command == "package") {
            const app::PackageOutcome outcome = app::run_package(doc, package);
            std::cout << outcome.out;
            std::cerr << outcome.err;
            return app::command_status(doc, outcome.status);
        }
        if (cl.command == "backup") {
            return app::command_status(
                doc, app::run_backup_command(doc, cl.positional[0], std::cout, std::cerr));
        }
        if (cl.command == "restore") {
            return app::command_status(
                doc, app::run_restore_command(doc, cl.positional[0], std::cout, std::cerr));
        }
        return app::command_status(doc,
                                   run_command(argc, argv, cl, doc, range.range, brother, output));
    }

#ifdef VORLA_WITH_GUI
    return gui::run_desktop(argc, argv, absolute, clock);
#else
    std::cerr << "vorla: this build has no desktop program; use a command (see --help)\n";
    return 1;
#endif
}
