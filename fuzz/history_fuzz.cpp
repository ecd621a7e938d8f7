// Arbitrary bytes as history.dat: load the week window, store a few weeks, save; every week
// with bit 0 must load back the same and every other week empty.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/store/week_table.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::store;
    using vorla::calendar::WeekIndex;
    const DataFolder& folder = vorla::fuzz::input_as(files::kHistory, data, size);

    constexpr int kBase = 884;  // the window of 2026: weeks 885-1884
    WeekTable weeks(kBase);
    weeks.load(folder);
    for (std::size_t k = 0; k + 1 < size && k < 8; k += 2) {
        const WeekIndex i(kBase - 2 + (data[k] | data[k + 1] << 8) % (WeekTable::kWeeks + 4));
        WeekRecord& w = weeks.at(i);
        w.requested = static_cast<std::uint16_t>(w.requested ^ data[k]);
        weeks.store(i);
        if (weeks.in_window(i) && w.requested && !w.has_content()) __builtin_trap();
        if (!weeks.in_window(i) && !(weeks.at(i) == WeekRecord{})) __builtin_trap();
    }
    if (!weeks.save(folder)) __builtin_trap();

    WeekTable saved(kBase);
    saved.load(folder);
    for (WeekIndex i = weeks.first(); i <= weeks.last(); ++i) {
        WeekRecord expected;
        expected.week = i.number();
        if (weeks.at(i).has_content()) expected = weeks.at(i);
        if (!(saved.at(i) == expected)) __builtin_trap();
    }
    return 0;
}
