// Arbitrary bytes as a command line (arguments split at NUL bytes) with the environment's
// VORLA_TODAY and VORLA_DATA_DIR: parse it, resolve the date and folder, read the week range.
// A date that parses must print back as written; what is accepted must be in range.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/app/command_line.h"
#include "core/calendar/clock.h"
#include "core/calendar/date6.h"
#include "core/reports/range_arguments.h"

namespace {

using namespace vorla;

const std::vector<app::SubcommandSpec>& subcommands() {
    static const std::vector<app::SubcommandSpec> list = {
        {"info", {}, 0, "", ""},
        {"dump", {}, 0, "", ""},
        {"export-text", {"--start", "--weeks"}, 0, "", ""},
        {"report", {"--start", "--weeks", "--pdf", "--png", "--dpi"}, 1, "", ""},
    };
    return list;
}

void check_date(const std::string& text) {
    if (const auto d = calendar::parse_iso_date(text)) {
        if (!calendar::is_valid(*d) || calendar::to_iso(*d) != text) __builtin_trap();
    }
    if (const auto d6 = calendar::parse_date6(text)) {
        if (d6->mm < 1 || d6->mm > 12 || d6->dd < 1 || d6->dd > 31 ||
            calendar::to_text(*d6) != text)
            __builtin_trap();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::vector<std::string> args(1);
    for (std::size_t k = 0; k < size; ++k) {
        if (data[k] == 0) {
            args.emplace_back();
        } else {
            args.back() += static_cast<char>(data[k]);
        }
    }
    // The last two pieces stand for the environment.
    const std::string env_today = args.size() > 2 ? args[args.size() - 2] : std::string();
    const std::string env_dir = args.size() > 2 ? args.back() : std::string();
    if (args.size() > 2) args.resize(args.size() - 2);
    for (const std::string& a : args)
        check_date(a);
    check_date(env_today);

    const auto parsed = app::parse_command_line(args, subcommands());
    (void)app::usage_text(subcommands());
    if (!parsed.error.empty()) return 0;
    const app::CommandLine& cl = parsed.line;
    if (cl.today && !calendar::is_valid(*cl.today)) __builtin_trap();
    const app::Environment env = [&](const std::string& name) -> std::optional<std::string> {
        if (name == "VORLA_TODAY" && !env_today.empty()) return env_today;
        if (name == "VORLA_DATA_DIR" && !env_dir.empty()) return env_dir;
        if (name == "HOME") return std::string("/home/user");
        return std::nullopt;
    };
    const auto today = app::resolve_today(cl, env);
    if (today.fixed && !calendar::is_valid(*today.fixed)) __builtin_trap();
    if (app::resolve_data_dir(cl, env).empty()) __builtin_trap();

    const reports::RangeArguments range = reports::parse_range_arguments(cl.options);
    if (range.error.empty() && (range.range.weeks < 1 || range.range.weeks > 52)) __builtin_trap();
    for (const auto& [key, value] : cl.options) {
        if (const auto n = reports::parse_count(value, 30, 2400)) {
            if (*n < 30 || *n > 2400) __builtin_trap();
        }
    }
    return 0;
}
