#pragma once
// Three codings of a weekday meet in this program; each has its own type.
//  - StoredDay: as congregation records store it, 0 = Sunday, 1 = Monday ... 6 = Saturday.
//  - DayOffset: days after Monday, 0 = Monday ... 6 = Sunday (our meeting day, editor display
//    index of the day buttons, the weekday names from "Понедельник").
//  - LabelDay: the explicit day code of a date label, 1 = Monday ... 7 = Sunday.
#include <cstdint>

namespace vorla::calendar {

struct StoredDay {
    std::uint8_t value = 0;
    constexpr StoredDay() = default;
    constexpr explicit StoredDay(std::uint8_t v) : value(v) {}
    friend constexpr bool operator==(StoredDay, StoredDay) = default;
};

struct DayOffset {
    int value = 6;
    constexpr DayOffset() = default;
    constexpr explicit DayOffset(int v) : value(v) {}
    friend constexpr bool operator==(DayOffset, DayOffset) = default;
};

struct LabelDay {
    int value = 1;
    constexpr LabelDay() = default;
    constexpr explicit LabelDay(int v) : value(v) {}
    friend constexpr bool operator==(LabelDay, LabelDay) = default;
};

// A stored day as days after Monday: Sunday (0) is 6, any other day d is d - 1. A value no
// day has (a damaged record) counts as unset, which is Sunday, as 0 is.
constexpr DayOffset to_offset(StoredDay d) {
    return DayOffset(d.value >= 1 && d.value <= 6 ? d.value - 1 : 6);
}
// The stored form of a day shown at a display index: 6 (Sunday) and above store 0.
constexpr StoredDay to_stored(DayOffset d) {
    return StoredDay(static_cast<std::uint8_t>(d.value >= 6 || d.value < 0 ? 0 : d.value + 1));
}
constexpr LabelDay to_label_day(DayOffset d) {
    return LabelDay(d.value + 1);
}
// The next day of the editor's day buttons: Monday -> ... -> Sunday -> Monday.
constexpr DayOffset next_day(DayOffset d) {
    return DayOffset(d.value >= 6 || d.value < 0 ? 0 : d.value + 1);
}

}  // namespace vorla::calendar
