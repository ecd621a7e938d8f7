#pragma once
// A small congregation network written from explicit bytes, and the document opened on it,
// for the scheduling models. Today is Monday 7 December 2026: W = S = 1406, so row r of a
// week list is week number 1406 + r, labelled "Дек 13, 2026" for r = 0 (our meetings are on
// Sunday).
//
// write_planning_folder writes it; ScheduleTest opens the document on it.
// Circuits: 30001 "Северный", 30002 "Южный".
// Congregations: 1 "Наше" (ours, Северный), 2 "Лесное" (Северный, talk coordinator 3),
//   3 "Речное" (Южный), 4 "Пустое" (Южный, nobody in it).
// Brothers: 1 Иван Петров (Лесное, talks 12 and 34, ministerial servant),
//   2 Олег Сидоров (Лесное, talk 12, discontinued), 3 Павел Орлов (Речное, talks 12 and 56),
//   4 Юрий Архипов (Наше, no talks), 5 Антон Белов (no congregation, talk 12).
// Talks: talk n is titled "Речь n" and numbered "n" ("S-31" ... from 231); talk 99 has a
// blank title; talks 12 and 34 carry topic 2, talk 56 topic 6.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>

#include "core/schedule/sheet_page.h"
#include "core/store/document.h"
#include "support/record_fixtures.h"
#include "support/recording_prompter.h"
#include "support/temp_dir.h"

namespace vorla::testing {

inline FixtureBytes with_talks(FixtureBytes b, std::initializer_list<int> talks) {
    for (int n : talks) {
        const std::size_t byte = 136 + static_cast<std::size_t>(n - 1) / 8;
        b.u8(byte, static_cast<std::uint8_t>(b.bytes()[byte] | 1u << ((n - 1) % 8)));
    }
    return b;
}

// A week record of history.dat with its speaker, talk and congregation, bit 0 set.
inline FixtureBytes planned_week(std::uint16_t number, std::uint16_t speaker, std::uint16_t talk,
                                 std::uint16_t cong) {
    return week_bytes(number).u16(2, speaker).u16(4, talk).u16(6, cong).u16(20, 1);
}

// An outgoing slot k of a week record: speaker at 28, congregation at 40, talk at 52.
inline FixtureBytes with_slot(FixtureBytes week, std::size_t k, std::uint16_t speaker,
                              std::uint16_t cong, std::uint16_t talk) {
    return week.u16(28 + 2 * k, speaker).u16(40 + 2 * k, cong).u16(52 + 2 * k, talk);
}

// A special.dat record: week index, flags, title.
inline FixtureBytes event_bytes(std::uint16_t week_index, std::uint16_t flags,
                                std::string_view title) {
    return FixtureBytes(144).u16(0, week_index).u16(2, flags).text(4, title);
}

inline std::vector<std::uint8_t> talk_file() {
    std::vector<std::uint8_t> out;
    for (int n = 1; n <= 256; ++n) {
        FixtureBytes t(154);
        if (n != 99) t.text(0, "Речь " + std::to_string(n));
        t.text(93, n <= 230 ? std::to_string(n) : "S-" + std::to_string(n - 200))
            .u16(100, static_cast<std::uint16_t>(n));
        if (n == 12 || n == 34) t.u16(102, 2);
        if (n == 56) t.u16(102, 6);
        out.insert(out.end(), t.bytes().begin(), t.bytes().end());
    }
    return out;
}

inline void write_planning_folder(const std::filesystem::path& dir) {
    write_bytes(dir / "circuit.dat",
                concat({named_bytes("Северный", 30001), named_bytes("Южный", 30002)}));
    write_bytes(dir / "cong.dat",
                slot_file({congregation_bytes(1, "Наше").u16(178, 30001),
                           congregation_bytes(2, "Лесное").u16(178, 30001).u16(186, 3),
                           congregation_bytes(3, "Речное").u16(178, 30002),
                           congregation_bytes(4, "Пустое").u16(178, 30002)}));
    write_bytes(dir / "speakers.dat",
                slot_file({with_talks(brother_bytes(1, "Иван", "Петров", 2), {12, 34}).u8(200, 1),
                           with_talks(brother_bytes(2, "Олег", "Сидоров", 2), {12}).u8(200, 0x20),
                           with_talks(brother_bytes(3, "Павел", "Орлов", 3), {12, 56}).u8(200, 2),
                           brother_bytes(4, "Юрий", "Архипов", 1),
                           with_talks(brother_bytes(5, "Антон", "Белов", 0), {12})}));
    write_bytes(dir / "talk.dat", talk_file());
    write_text(dir / "vorla.ini", "[Congregation]\r\nNumber=1\r\n");
}

struct ScheduleTest : ::testing::Test {
    TempDir dir;
    RecordingPrompter prompter;
    std::unique_ptr<store::Document> doc;

    void SetUp() override { write_planning_folder(dir.path()); }

    store::Document& open() {
        doc = std::make_unique<store::Document>(
            store::Document::Options{dir.path(), calendar::Date{2026, 12, 7}, {}}, prompter);
        return *doc;
    }
    store::WeekRecord& week(int number) {
        return doc->weeks().at(calendar::WeekNumber(number).index());
    }
    std::size_t brother_pos(std::uint16_t id) const { return doc->brothers().find(id).value(); }
    std::size_t cong_pos(std::uint16_t id) const { return doc->congregations().find(id).value(); }
};

// A page of the sheet that only counts what it is asked; on request its refresh asks the
// siblings in turn, as a page whose markers changed would if nothing stopped it.
struct CountingPage final : schedule::SheetPage {
    explicit CountingPage(schedule::PageKind k = schedule::PageKind::chairmen) : page_kind(k) {}
    schedule::PageKind kind() const override { return page_kind; }
    void refresh() override {
        ++refreshes;
        if (asks_when_refreshed) ask_siblings_to_refresh();
    }
    void select(int row) override { selected.push_back(row); }
    void store_selected() override { ++stores; }
    void ask() { ask_siblings_to_refresh(); }
    void want(schedule::PageKind kind, std::optional<int> row) { show_page(kind, row); }

    schedule::PageKind page_kind;
    bool asks_when_refreshed = false;
    int refreshes = 0;
    int stores = 0;
    std::vector<int> selected;
};

}  // namespace vorla::testing
