#pragma once
// The local-brothers folder with a history of visits, for the week editor and the two history
// views. S = 1406 (week numbers below; index = number - 1):
//   1380 Антон Белов gives 56 here (no congregation)
//   1390 Павел Орлов (Речное) gives 56 here
//   1400 Иван Петров (Лесное) gives 12 here; Борисов goes to Речное with 12, Волков to Лесное
//        with 34
//   1404 Орлов gives 12 here, Волков chairs
//   1410 Петров gives 34 here; Волков goes to Речное with 34
//   1412 a convention and nothing else
//   1420 slot 0 empty, Борисов in slot 1 to Лесное with 56 (a gap)
// Talks 12, 34 and 56 have titles long enough to be listed.
#include "core/schedule/local_brothers_fixture.h"

namespace vorla::testing {

inline std::vector<std::uint8_t> titled_talk_file() {
    std::vector<std::uint8_t> talks = talk_file();
    const auto title = [&talks](int n, std::string_view text, std::uint16_t topic) {
        const FixtureBytes t = FixtureBytes(154)
                                   .text(0, text)
                                   .text(93, std::to_string(n))
                                   .u16(100, static_cast<std::uint16_t>(n))
                                   .u16(102, topic);
        std::copy(t.bytes().begin(), t.bytes().end(),
                  talks.begin() + static_cast<std::ptrdiff_t>((n - 1) * 154));
    };
    title(12, "Любите ближнего", 2);
    title(34, "Вера и надежда", 2);
    title(56, "Мир в семье сегодня", 6);
    return talks;
}

inline FixtureBytes history_weeks() {
    FixtureBytes f;
    f.append(planned_week(1380, 5, 56, 0))
        .append(planned_week(1390, 3, 56, 3))
        .append(with_slot(with_slot(planned_week(1400, 1, 12, 2), 0, 7, 3, 12), 1, 8, 2, 34))
        .append(planned_week(1404, 3, 12, 3).u16(14, 8))
        .append(with_slot(planned_week(1410, 1, 34, 2), 0, 8, 3, 34))
        .append(week_bytes(1412).u16(20, 0x03))
        .append(with_slot(week_bytes(1420).u16(20, 1), 1, 7, 2, 56));
    return f;
}

struct HistoryTest : ScheduleTest {
    void SetUp() override {
        ScheduleTest::SetUp();
        write_local_brothers(dir.path());
        write_bytes(dir / "talk.dat", titled_talk_file());
        write_bytes(dir / "history.dat", history_weeks().bytes());
    }
};

}  // namespace vorla::testing
