#include "core/reports/schedule_export.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/text/cp1251.h"
#include "core/text/texts.h"
#include "report_fixture.h"
#include "support/change_log.h"

using namespace vorla;
using namespace vorla::reports;
using namespace vorla::testing;
using calendar::WeekIndex;

namespace {

const std::string kHeader =
    "Week\tInTalkTitle\tInSpeaker\tInSpkPhone\tInSpeakerCong\tChairman\tReader\tHospitality\t"
    "OutSpeaker\tOutCong\tOutTime\tOutTalk\tOutSpeaker2\tOutCong2\tOutTime2\tOutTalk2\t"
    "OutSpeaker3\tOutCong3\tOutTime3\tOutTalk3\tOutSpeaker4\tOutCong4\tOutTime4\tOutTalk4\t"
    "OutSpeaker5\tOutCong5\tOutTime5\tOutTalk5\tOutSpeaker6\tOutCong6\tOutTime6\tOutTalk6\tInTalk\r"
    "\n\r\n";

// n empty outgoing groups: four empty fields each.
std::string empty_groups(int n) {
    return std::string(static_cast<std::size_t>(4 * n), '\t');
}

// The expected file in Windows-1251, from the expected text.
std::vector<std::uint8_t> cp1251(const std::string& utf8) {
    const std::string bytes = text::utf8_to_cp1251(utf8);
    return {bytes.begin(), bytes.end()};
}

struct ExportTest : ReportData {
    std::filesystem::path file() const { return dir / "ptsched.txt"; }
};

TEST_F(ExportTest, OneWeekGivesTheHeaderAnEmptyLineAndOneLineOf33Fields) {
    write_reference_data();
    weeks.push_back(fully_planned_week());
    auto doc = open();
    set_talk_title(*doc, 12, "Как найти мир");
    ASSERT_TRUE(export_schedule(*doc, kThisIndex, 1));

    const std::string line =
        "Дек 13, 2026\tКак найти мир\tИван Петров\t123-45-67\tСеверное\tПётр Иванов\t"
        "Андрей Смирнов\t~Орловы\t" +
        empty_groups(6) + "12\r\n";
    EXPECT_EQ(read_bytes(file()), cp1251(kHeader + line));
    // The date label as the bytes of Windows-1251: "Дек" is C4 E5 EA.
    const auto bytes = read_bytes(file());
    const std::vector<std::uint8_t> dek = {0xC4, 0xE5, 0xEA, ' ', '1', '3', ',', ' '};
    EXPECT_TRUE(std::search(bytes.begin(), bytes.end(), dek.begin(), dek.end()) != bytes.end());

    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              "Расписание экспортировалось в\n\n" + dir.path().string() + "/ptsched.txt.");
}

TEST_F(ExportTest, SpecialWeeksNameTheirEventAndOutgoingGroupsKeepTheirPlaces) {
    write_reference_data();
    // A convention with a talk title still shows its name; its incoming speaker stays empty.
    weeks.push_back(week_record(kThisWeek).u16(week_at::kFlags, 0x03));
    events.push_back(event_record(kThisWeek - 1, 0x02, "Областной конгресс", "Речь конгресса"));
    // An overseer visit without names.
    weeks.push_back(
        week_record(kThisWeek + 1).u16(week_at::kFlags, 0x05).u16(week_at::kChairman, 3));
    events.push_back(event_record(kThisWeek, 0x04, "", ""));
    // A named visit with its talk.
    weeks.push_back(week_record(kThisWeek + 2).u16(week_at::kFlags, 0x05));
    events.push_back(event_record(kThisWeek + 1, 0x04, "Алексей Орлов", "Как жить"));
    // Only outgoing slot 3, in the odd-year week of 28 December: Северное at 18:30.
    weeks.push_back(week_record(kThisWeek + 3)
                        .u16(week_at::out_speaker(2), 7)
                        .u16(week_at::out_cong(2), 2)
                        .u16(week_at::out_talk(2), 231));
    // An other event with nothing named, and a week with no record at all.
    weeks.push_back(week_record(kThisWeek + 4).u16(week_at::kFlags, 0x09));
    events.push_back(event_record(kThisWeek + 3, 0x08, "", ""));
    auto doc = open();
    ASSERT_TRUE(write_schedule_export(*doc, kThisIndex, 6));

    const std::string expected =
        kHeader + "Дек 13, 2026\tОбластной конгресс\t\t\t\t\t\t\t" + empty_groups(6) + "\r\n" +
        "Дек 20, 2026\tРН Визит\tРН Визит\t\t\tПётр Иванов\t\t\t" + empty_groups(6) + "\r\n" +
        "Дек 27, 2026\tКак жить\tАлексей Орлов\t\t\t\t\t\t" + empty_groups(6) + "\r\n" +
        "Янв 03, 2027\t\t\t\t\t\t\t\t" + empty_groups(2) +
        "Денис Морозов\tСеверное\t18:30\tS-31\t" + empty_groups(3) + "\r\n" +
        "Янв 10, 2027\tОсобое событие\t\t\t\t\t\t\t" + empty_groups(6) + "\r\n" +
        "Янв 17, 2027\t\t\t\t\t\t\t\t" + empty_groups(6) + "\r\n";
    EXPECT_EQ(read_bytes(file()), cp1251(expected));
    EXPECT_TRUE(prompter.messages.empty());  // the message is the dialog's
}

TEST_F(ExportTest, ASecondExportReplacesTheFirstCompletely) {
    write_reference_data();
    auto doc = open();
    ASSERT_TRUE(write_schedule_export(*doc, kThisIndex, 10));
    ASSERT_TRUE(write_schedule_export(*doc, kThisIndex, 1));
    EXPECT_EQ(read_bytes(file()),
              cp1251(kHeader + "Дек 13, 2026\t\t\t\t\t\t\t\t" + empty_groups(6) + "\r\n"));
}

TEST_F(ExportTest, AFileThatCannotBeWrittenIsReportedAndNothingChanges) {
    write_reference_data();
    auto doc = open();
    // A folder in the file's place cannot be replaced.
    std::filesystem::create_directories(file() / "inside");
    const auto before = std::filesystem::directory_iterator(dir.path());
    std::vector<std::string> names;
    for (const auto& e : before)
        names.push_back(e.path().filename().string());

    ChangeLog changes(*doc);
    EXPECT_FALSE(export_schedule(*doc, kThisIndex, 3));
    ASSERT_EQ(prompter.messages.size(), 1u);
    EXPECT_EQ(prompter.messages[0].text,
              text::format(text::TextId::cannot_create_file, file().string()) + "\n\n" +
                  text::format(text::TextId::reason_line, "это папка, а не файл"));
    EXPECT_TRUE(std::filesystem::is_directory(file() / "inside"));
    std::vector<std::string> after;
    for (const auto& e : std::filesystem::directory_iterator(dir.path()))
        after.push_back(e.path().filename().string());
    std::sort(names.begin(), names.end());
    std::sort(after.begin(), after.end());
    EXPECT_EQ(after, names);  // no temporary file left behind
    EXPECT_TRUE(changes.quiet());
}

TEST_F(ExportTest, NoWeeksWritesNothing) {
    write_reference_data();
    auto doc = open();
    EXPECT_FALSE(export_schedule(*doc, kThisIndex, 0));
    EXPECT_FALSE(std::filesystem::exists(file()));
    EXPECT_TRUE(prompter.messages.empty());
}

}  // namespace
