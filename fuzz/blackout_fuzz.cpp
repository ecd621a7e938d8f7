// Arbitrary bytes as blackout.dat: load the unavailable weeks, mark and unmark some, save;
// what was saved must load back as the current pairs of the table, each once.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "core/store/unavailable_weeks.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::store;
    using vorla::calendar::WeekNumber;
    const DataFolder& folder = vorla::fuzz::input_as(files::kUnavailable, data, size);

    const WeekNumber today(1400);
    UnavailableWeeks table;
    table.load(folder, today);
    for (std::size_t k = 0; k + 1 < size && k < 12; k += 2) {
        const std::uint16_t brother = data[k] % 8;
        const WeekNumber week(1395 + data[k + 1] % 16);
        switch (data[k + 1] >> 6) {
            case 0:
                table.unmark(brother, week);
                break;
            case 1:
                table.remove_brother(brother);
                break;
            default:
                table.mark(brother, week);
        }
        if (brother != 0 && (data[k + 1] >> 6) >= 2 && table.is_available(brother, week))
            __builtin_trap();
        if ((data[k + 1] >> 6) < 2 && !table.is_available(brother, week)) __builtin_trap();
    }
    table.mark(1, WeekNumber(1401));  // something changed, the table is not empty
    if (table.weeks_of(1).empty()) __builtin_trap();
    if (!table.save(folder) || table.changed()) __builtin_trap();

    std::vector<UnavailableRecord> expected;
    for (const UnavailableRecord& r : table.entries()) {
        if (r.ua_brother_id != 0 && r.ua_week >= today &&
            std::find(expected.begin(), expected.end(), r) == expected.end())
            expected.push_back(r);
    }
    UnavailableWeeks saved;
    saved.load(folder, today);
    if (saved.entries() != expected) __builtin_trap();
    return 0;
}
