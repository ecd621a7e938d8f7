#pragma once
// The 144-byte record of special.dat: a convention, an overseer visit or another event.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/calendar/week.h"

namespace vorla::store {

struct SpecialEventRecord {
    static constexpr std::size_t kSize = 144;
    static constexpr std::size_t kWeekOffset = 0;
    static constexpr std::size_t kFlagsOffset = 2;
    static constexpr std::size_t kTitleOffset = 4;
    static constexpr std::size_t kTitleWidth = 40;
    static constexpr std::size_t kTalkTitleOffset = 44;
    static constexpr std::size_t kTalkTitleWidth = 100;

    calendar::WeekIndex event_week;  // an index, unlike the week record's number
    std::uint16_t event_flags = 0;   // week_bit kinds and allowances (bits 1-6)
    std::string event_title;         // speaker or event name
    std::string event_talk_title;

    static SpecialEventRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> encode() const;
    friend bool operator==(const SpecialEventRecord&, const SpecialEventRecord&) = default;
};

}  // namespace vorla::store
