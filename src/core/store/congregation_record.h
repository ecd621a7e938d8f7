#pragma once
// A congregation record of cong.dat (256 bytes, slot file).
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/calendar/days.h"

namespace vorla::store {

struct CongregationRecord {
    static constexpr std::size_t kSize = 256;
    static constexpr std::size_t kIdOffset = 174;
    // What editors accept, in characters.
    static constexpr std::size_t kNameMax = 48;
    static constexpr std::size_t kAddressMax = 40;
    static constexpr std::size_t kPhoneMax = 14;
    static constexpr std::size_t kTimeMax = 9;
    static constexpr std::size_t kMapFileMax = 27;

    std::string name;                 // 0, 50
    std::string hall_address1;        // 50, 41
    std::string hall_address2;        // 91, 41
    std::string phone1;               // 132, 16
    std::string phone2;               // 148, 16
    std::string time_odd;             // 164, 10
    std::uint16_t cong_id = 0;        // 174: own slot; 0 = free
    std::uint16_t circuit_id = 0;     // 178
    std::uint16_t cobe_id = 0;        // 182
    std::uint16_t secretary_id = 0;   // 184
    std::uint16_t talk_coord_id = 0;  // 186
    std::string time_even;            // 188, 10
    std::string map_file;             // 198, 28
    calendar::StoredDay day_odd;      // 226
    calendar::StoredDay day_even;     // 227
    // The bytes as read, so that reserved bytes are written back unchanged.
    std::array<std::uint8_t, kSize> raw{};

    static CongregationRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> encode() const;
};

}  // namespace vorla::store
