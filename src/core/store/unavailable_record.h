#pragma once
// The 8-byte record of blackout.dat: a brother and a week in which he cannot serve.
#include <array>
#include <cstdint>
#include <span>

#include "core/calendar/week.h"

namespace vorla::store {

struct UnavailableRecord {
    static constexpr std::size_t kSize = 8;
    static constexpr std::size_t kBrotherOffset = 0;
    static constexpr std::size_t kWeekOffset = 2;  // 4 reserved bytes follow, written as zero

    std::uint16_t ua_brother_id = 0;  // 0 = empty entry
    calendar::WeekNumber ua_week;     // a number, not an index

    static UnavailableRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> encode() const;
    friend bool operator==(const UnavailableRecord&, const UnavailableRecord&) = default;
};

}  // namespace vorla::store
