// Arbitrary bytes as special.dat: load the events, store and delete one, save; what was saved
// must load back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/store/special_events.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::store;
    using vorla::calendar::WeekIndex;
    const DataFolder& folder = vorla::fuzz::input_as(files::kSpecial, data, size);

    WeekTable weeks(884);
    SpecialEvents events;
    events.load(folder);
    const std::uint8_t pick = size ? data[0] : 0;
    if (events.size() > 0) {
        const SpecialEventRecord& first = events.at(0);
        if (events.find_by_week(first.event_week) == 0) __builtin_trap();
        events.remove(pick % events.size(), weeks);
    }
    SpecialEventRecord e;
    e.event_week = WeekIndex(880 + pick * 5);
    e.event_flags = static_cast<std::uint16_t>(size > 1 ? data[1] | data[size - 1] << 8 : 0x02);
    e.event_title = default_event_title(e.event_flags);
    WeekRecord& w = weeks.at(e.event_week);
    w.chairman_id = 3;
    w.reader_id = pick;
    apply_conflicts(w, event_conflicts(w, e.event_flags));
    events.store(e, weeks);
    const std::size_t pos = events.find_by_week(e.event_week);
    if (pos == 0 || !(events.at(pos - 1) == e)) __builtin_trap();
    if (weeks.in_window(e.event_week) &&
        weeks.at(e.event_week).week_flags !=
            ((e.event_flags & week_bit::kEventBits) | week_bit::kContent))
        __builtin_trap();
    if (!events.save(folder)) __builtin_trap();

    // The first reload settles what the file could not hold; from then on a save and a load
    // change nothing.
    SpecialEvents saved;
    saved.load(folder);
    if (saved.size() != events.size()) __builtin_trap();
    if (!saved.save(folder)) __builtin_trap();
    SpecialEvents again;
    again.load(folder);
    if (again.entries() != saved.entries()) __builtin_trap();
    return 0;
}
