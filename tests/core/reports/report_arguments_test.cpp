#include <gtest/gtest.h>

#include "core/reports/report_arguments.h"
#include "report_fixture.h"

using namespace vorla;
using namespace vorla::reports;
using namespace vorla::testing;

namespace {

struct ReportArgumentsTest : ReportData {
    std::string resolve(store::Document& doc, std::string_view name,
                        std::map<std::string, std::string> options, ReportRequest& out) {
        ReportArguments a = parse_report_arguments(name, options);
        EXPECT_EQ(a.error, "");
        const std::string error = resolve_report_selection(doc, a);
        out = a.request;
        return error;
    }
};

}  // namespace

TEST(ReportArguments, EachReportTakesOnlyItsOwnSelection) {
    EXPECT_EQ(parse_report_arguments("speakers", {{"--weeks", "3"}}).error,
              "--weeks is not an option of the report speakers");
    EXPECT_TRUE(parse_report_arguments("speakers", {{"--weeks", "3"}}).usage);
    EXPECT_EQ(parse_report_arguments("exchange", {}).error,
              "the report exchange needs --congregation NAME|ID");
    EXPECT_EQ(parse_report_arguments("letter", {{"--week", "2026-12-07"}, {"--slot", "1"}}).error,
              "--slot is not an option of the report letter");
    // The week lists have their own most.
    const ReportArguments invited =
        parse_report_arguments("invited", {{"--start", "2026-12-07"}, {"--weeks", "19"}});
    EXPECT_EQ(invited.error, "bad count for --weeks: 19 (expected 1 to 18)");
    EXPECT_FALSE(invited.usage);
    const ReportArguments worksheet =
        parse_report_arguments("worksheet", {{"--start", "2026-12-07"}, {"--weeks", "144"}});
    EXPECT_EQ(worksheet.error, "");
    EXPECT_EQ(worksheet.request.kind, ReportKind::worksheet);
    EXPECT_EQ(worksheet.request.first.value, kThisWeek - 1);
    EXPECT_EQ(worksheet.request.weeks, 144);
    EXPECT_TRUE(parse_report_arguments("schedules", {}).usage);
    // Every list has a name.
    for (const int kind : {2, 3, 4, 7, 8, 9, 10, 11, 12, 13, 14, 15}) {
        const auto& all = named_reports();
        EXPECT_EQ(std::count_if(all.begin(), all.end(),
                                [kind](const NamedReport& r) { return int(r.kind) == kind; }),
                  1)
            << kind;
    }
}

TEST_F(ReportArgumentsTest, NamesAndIdsAreLookedUpInTheData) {
    write_reference_data();
    write_bytes(dir / "circuit.dat", concat({named_bytes("Восточный", 30001)}));
    auto doc = open();
    ReportRequest r;
    EXPECT_EQ(
        resolve(*doc, "speakers", {{"--congregation", "Северное"}, {"--circuit", "30001"}}, r), "");
    EXPECT_EQ(r.congregation, 2);
    EXPECT_EQ(r.circuit, 30001);
    EXPECT_EQ(resolve(*doc, "speakers", {{"--congregation", "3"}}, r), "");
    EXPECT_EQ(r.congregation, 3);
    EXPECT_EQ(resolve(*doc, "speakers", {{"--circuit", "Западный"}}, r),
              "no circuit Западный in the data");

    // Our lists need our congregation.
    EXPECT_EQ(resolve(*doc, "brother", {{"--brother", "Пётр Иванов"}}, r),
              "this report needs our congregation, which the data does not name");
    doc->set_our_congregation(1);
    for (const char* given : {"Пётр Иванов", "Иванов, Пётр", " 3 "}) {
        r = {};
        EXPECT_EQ(resolve(*doc, "brother", {{"--brother", given}}, r), "") << given;
        EXPECT_EQ(r.brother, 3) << given;
    }
    EXPECT_EQ(resolve(*doc, "brother", {{"--brother", "Пётр"}}, r), "no brother Пётр in the data");
}

TEST_F(ReportArgumentsTest, TwoBrothersOfOneNameAskForTheId) {
    write_reference_data();
    write_bytes(dir / "speakers.dat", slot_file({brother_bytes(1, "Иван", "Петров", 2),
                                                 brother_bytes(2, "Иван", "Петров", 1)}));
    auto doc = open();
    doc->set_our_congregation(1);
    ReportRequest r;
    EXPECT_EQ(resolve(*doc, "brother", {{"--brother", "Иван Петров"}}, r),
              "several brothers are named Иван Петров; give the id");
    EXPECT_EQ(resolve(*doc, "brother", {{"--brother", "2"}}, r), "");
    EXPECT_EQ(r.brother, 2);
}
