#pragma once
// The 32-byte record of circuit.dat and hospital.dat: a name and an id of 30001-30999.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace vorla::store {

struct NamedRecord {
    static constexpr std::size_t kSize = 32;
    static constexpr std::size_t kNameWidth = 30;
    static constexpr std::size_t kNameOffset = 0;
    static constexpr std::size_t kIdOffset = 30;
    // What editors accept, in characters.
    static constexpr std::size_t kNameMax = 28;

    std::string name;      // circuit name / host name; a host name may begin with "~"
    std::uint16_t id = 0;  // circuit_id / host_id

    static NamedRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> encode() const;
    friend bool operator==(const NamedRecord&, const NamedRecord&) = default;
};

using CircuitRecord = NamedRecord;
using HostRecord = NamedRecord;

}  // namespace vorla::store
