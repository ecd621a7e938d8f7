#pragma once
// Week numbers and week indexes are different counts of the same weeks: number n is the week
// of Monday 27 December 1999 + 7n days, index i = n - 1. Week records and unavailable-week
// entries store numbers; special events and every table operation use indexes. Two types keep
// them apart so that an off-by-one between them does not compile.
#include <compare>
#include <cstdint>

namespace vorla::calendar {

struct WeekIndex;

struct WeekNumber {
    int value = 0;
    constexpr WeekNumber() = default;
    constexpr explicit WeekNumber(int v) : value(v) {}
    constexpr WeekIndex index() const;
    constexpr WeekNumber operator+(int d) const { return WeekNumber(value + d); }
    constexpr WeekNumber operator-(int d) const { return WeekNumber(value - d); }
    constexpr int operator-(WeekNumber o) const { return value - o.value; }
    friend constexpr auto operator<=>(WeekNumber, WeekNumber) = default;
};

struct WeekIndex {
    int value = 0;
    constexpr WeekIndex() = default;
    constexpr explicit WeekIndex(int v) : value(v) {}
    constexpr WeekNumber number() const { return WeekNumber(value + 1); }
    constexpr WeekIndex operator+(int d) const { return WeekIndex(value + d); }
    constexpr WeekIndex operator-(int d) const { return WeekIndex(value - d); }
    constexpr int operator-(WeekIndex o) const { return value - o.value; }
    WeekIndex& operator++() {
        ++value;
        return *this;
    }
    WeekIndex& operator--() {
        --value;
        return *this;
    }
    friend constexpr auto operator<=>(WeekIndex, WeekIndex) = default;
};

constexpr WeekIndex WeekNumber::index() const {
    return WeekIndex(value - 1);
}

}  // namespace vorla::calendar
