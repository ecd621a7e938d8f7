#include <gtest/gtest.h>

#include <map>

#include "core/app/command_line.h"

using namespace vorla::app;

namespace {

const std::vector<SubcommandSpec> kSubs = {
    {"info", {}, 0, "", ""},
    {"export-text", {"--start", "--weeks"}, 0, "", ""},
    {"report", {"--start", "--weeks", "--pdf", "--png"}, 1, "", ""},
};

Environment env_of(std::map<std::string, std::string> vars) {
    return [vars](const std::string& k) -> std::optional<std::string> {
        auto it = vars.find(k);
        if (it == vars.end()) return std::nullopt;
        return it->second;
    };
}

}  // namespace

TEST(CommandLine, GlobalOptionsAnywhereAndSubcommandOptions) {
    auto p = parse_command_line({"--data-dir", "/tmp/x", "export-text", "--weeks=4", "--start",
                                 "2026-12-07", "--today", "2026-12-01"},
                                kSubs);
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.line.command, "export-text");
    EXPECT_EQ(*p.line.data_dir, "/tmp/x");
    EXPECT_EQ(p.line.options.at("--weeks"), "4");
    EXPECT_EQ(p.line.options.at("--start"), "2026-12-07");
    EXPECT_EQ(p.line.today->day, 1);
    p = parse_command_line({"report", "schedule", "--pdf", "out.pdf"}, kSubs);
    ASSERT_EQ(p.error, "");
    EXPECT_EQ(p.line.positional, std::vector<std::string>{"schedule"});
}

// The program works in the data folder; the files it is told to write are where the user is.
TEST(CommandLine, FileOptionsAreTakenFromTheFolderTheProgramStartedIn) {
    auto p = parse_command_line(
        {"report", "schedule", "--pdf", "out/plan.pdf", "--png", "/abs/page", "--weeks", "4"},
        kSubs);
    ASSERT_EQ(p.error, "");
    anchor_file_options(p.line, {"--pdf", "--png"}, "/home/user/docs");
    EXPECT_EQ(p.line.options.at("--pdf"), "/home/user/docs/out/plan.pdf");
    EXPECT_EQ(p.line.options.at("--png"), "/abs/page");  // already absolute
    EXPECT_EQ(p.line.options.at("--weeks"), "4");        // not a file
    p = parse_command_line({"report", "schedule", "--pdf", "../plan.pdf"}, kSubs);
    anchor_file_options(p.line, {"--pdf", "--png"}, "/home/user/docs");
    EXPECT_EQ(p.line.options.at("--pdf"), "/home/user/docs/../plan.pdf");

    // A plain argument: the one at the index only, and none past the end.
    anchor_argument(p.line, 1, "/home/user/docs");
    anchor_argument(p.line, 0, "/home/user");
    EXPECT_EQ(p.line.positional, std::vector<std::string>{"/home/user/schedule"});
}

TEST(CommandLine, MistakesGiveAOneLineReason) {
    EXPECT_EQ(parse_command_line({"frobnicate"}, kSubs).error, "unknown command: frobnicate");
    EXPECT_EQ(parse_command_line({"--colour"}, kSubs).error, "unknown option: --colour");
    EXPECT_EQ(parse_command_line({"info", "--weeks", "3"}, kSubs).error, "unknown option: --weeks");
    EXPECT_EQ(parse_command_line({"--data-dir"}, kSubs).error, "option --data-dir needs a value");
    EXPECT_NE(parse_command_line({"--today", "2026-02-30"}, kSubs).error, "");
    EXPECT_EQ(parse_command_line({"info", "extra"}, kSubs).error, "unexpected argument: extra");
    EXPECT_EQ(parse_command_line({}, kSubs).line.command, "");
}

TEST(CommandLine, DataFolderFromOptionThenEnvironmentThenXdg) {
    CommandLine cl;
    EXPECT_EQ(resolve_data_dir(cl, env_of({{"HOME", "/home/u"}})), "/home/u/.local/share/vorla");
    EXPECT_EQ(resolve_data_dir(cl, env_of({{"HOME", "/home/u"}, {"XDG_DATA_HOME", "/x"}})),
              "/x/vorla");
    EXPECT_EQ(resolve_data_dir(cl, env_of({{"XDG_DATA_HOME", "/x"}, {"VORLA_DATA_DIR", "/v"}})),
              "/v");
    cl.data_dir = "/opt";
    EXPECT_EQ(resolve_data_dir(cl, env_of({{"VORLA_DATA_DIR", "/v"}})), "/opt");
}

TEST(CommandLine, TodayFromOptionThenEnvironment) {
    CommandLine cl;
    EXPECT_FALSE(resolve_today(cl, env_of({})).fixed);
    EXPECT_EQ(resolve_today(cl, env_of({{"VORLA_TODAY", "2026-12-07"}})).fixed->year, 2026);
    EXPECT_NE(resolve_today(cl, env_of({{"VORLA_TODAY", "yesterday"}})).error, "");
    cl.today = vorla::calendar::Date{2030, 1, 2};
    EXPECT_EQ(resolve_today(cl, env_of({{"VORLA_TODAY", "2026-12-07"}})).fixed->year, 2030);
}
