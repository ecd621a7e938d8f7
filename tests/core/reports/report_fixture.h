#pragma once
// A data folder for report tests: congregations with meeting times, brothers, hosts, and
// weeks and special events written byte by byte at the offsets of their files.
#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "core/reports/display_list.h"
#include "core/store/document.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

namespace vorla::reports {
// Readable failures, defined beside the schedule's tests.
void PrintTo(const TextItem& t, std::ostream* os);
}  // namespace vorla::reports

namespace vorla::testing {

// Week numbers of the fixture: today is Monday 7 December 2026, week number 1406.
inline constexpr std::uint16_t kThisWeek = 1406;
// Its week index, an even year.
inline constexpr calendar::WeekIndex kThisIndex{kThisWeek - 1};

// A history.dat record with its content bit; fields are set with .u16(offset, value).
inline FixtureBytes week_record(std::uint16_t number) {
    return week_bytes(number).u16(20, 1);
}

namespace week_at {
inline constexpr std::size_t kSpeaker = 2, kTalk = 4, kSpeakerCong = 6, kChairman = 14,
                             kReader = 16, kHost = 18, kFlags = 20;
inline constexpr std::size_t out_speaker(std::size_t k) {
    return 28 + 2 * k;
}
inline constexpr std::size_t out_cong(std::size_t k) {
    return 40 + 2 * k;
}
inline constexpr std::size_t out_talk(std::size_t k) {
    return 52 + 2 * k;
}
}  // namespace week_at

// This week with every local role filled from the reference data: Иван Петров of Северное
// gives talk 12, Пётр Иванов chairs, Андрей Смирнов reads and ~Орловы host.
inline FixtureBytes fully_planned_week() {
    return week_record(kThisWeek)
        .u16(week_at::kSpeaker, 1)
        .u16(week_at::kTalk, 12)
        .u16(week_at::kSpeakerCong, 2)
        .u16(week_at::kChairman, 3)
        .u16(week_at::kReader, 4)
        .u16(week_at::kHost, 30002);
}

// A special.dat record: week index at 0, flags at 2, name at 4 (40), talk title at 44 (100).
inline FixtureBytes event_record(std::uint16_t week_index, std::uint16_t flags,
                                 std::string_view title, std::string_view talk_title) {
    FixtureBytes r(144);
    r.u16(0, week_index).u16(2, flags).text(4, title).text(44, talk_title);
    return r;
}

struct ReportData : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    std::vector<FixtureBytes> weeks;   // ascending week numbers
    std::vector<FixtureBytes> events;  // ascending week indexes

    // Congregations: 1 Центральное (ours), 2 Северное (even years Sunday 10:00, odd years
    // Saturday 18:30), 3 Южное (Wednesday, no time). Brothers 1 Иван Петров of Северное
    // (phone), 2-10 of Центральное. Hosts 30001 Кузнецовы and 30002 ~Орловы.
    void write_reference_data() {
        write_bytes(dir / "cong.dat",
                    slot_file({congregation_bytes(1, "Центральное"),
                               congregation_bytes(2, "Северное")
                                   .text(164, "18:30")
                                   .text(188, "10:00")
                                   .u8(226, 6)
                                   .u8(227, 0),
                               congregation_bytes(3, "Южное").u8(226, 3).u8(227, 3)}));
        write_bytes(
            dir / "speakers.dat",
            slot_file(
                {brother_bytes(1, "Иван", "Петров", 2).text(120, "123-45-67"),
                 brother_bytes(2, "Олег", "Сидоров", 1), brother_bytes(3, "Пётр", "Иванов", 1),
                 brother_bytes(4, "Андрей", "Смирнов", 1), brother_bytes(5, "Борис", "Волков", 1),
                 brother_bytes(6, "Глеб", "Зайцев", 1), brother_bytes(7, "Денис", "Морозов", 1),
                 brother_bytes(8, "Егор", "Новиков", 1), brother_bytes(9, "Жорж", "Павлов", 1),
                 brother_bytes(10, "Захар", "Титов", 1)}));
        write_bytes(dir / "hospital.dat",
                    concat({named_bytes("Кузнецовы", 30001), named_bytes("~Орловы", 30002)}));
    }

    // The first text of a page that reads exactly so; one at (-1, -1) saying it is missing
    // when there is none, so that a failed check names it.
    static reports::TextItem item(const reports::Page& page, const std::string& text) {
        for (const reports::TextItem& t : page.texts) {
            if (t.text == text) return t;
        }
        return {-1, -1, "missing: " + text};
    }
    static bool has(const reports::Page& page, const std::string& text) {
        return item(page, text).x >= 0;
    }

    std::unique_ptr<store::Document> open() {
        std::vector<std::uint8_t> history;
        for (const auto& w : weeks)
            history.insert(history.end(), w.bytes().begin(), w.bytes().end());
        write_bytes(dir / "history.dat", history);
        std::vector<std::uint8_t> special;
        for (const auto& e : events)
            special.insert(special.end(), e.bytes().begin(), e.bytes().end());
        write_bytes(dir / "special.dat", special);
        return std::make_unique<store::Document>(
            store::Document::Options{dir.path(), {2026, 12, 7}, {}}, prompter);
    }

    static void set_talk_title(store::Document& doc, int talk_no, const std::string& title) {
        store::TalkRecord t = *doc.talks().find(talk_no);
        t.title = title;
        doc.talks().set(talk_no, t);
    }
    template <class Change>
    static void change_settings(store::Document& doc, Change change) {
        settings::Settings s = doc.settings();
        change(s);
        doc.set_settings(s);
    }
};

}  // namespace vorla::testing
