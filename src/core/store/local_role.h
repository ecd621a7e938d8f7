#pragma once
// The three lists of our congregation a local brother can be on, kept as bits of the `roles`
// byte of his record: outgoing speakers (bit 1), chairmen (bit 2), Watchtower readers (bit 4).
#include <cstdint>

#include "core/store/brother_record.h"

namespace vorla::store {

enum class LocalRole { outgoing_speaker, chairman, reader };

constexpr std::uint8_t role_bit(LocalRole role) {
    switch (role) {
        case LocalRole::outgoing_speaker:
            return BrotherRecord::kRoleOutgoing;
        case LocalRole::chairman:
            return BrotherRecord::kRoleChairman;
        case LocalRole::reader:
            return BrotherRecord::kRoleReader;
    }
    return 0;
}

constexpr bool has_role(std::uint8_t roles, LocalRole role) {
    return (roles & role_bit(role)) != 0;
}

constexpr std::uint8_t with_role(std::uint8_t roles, LocalRole role, bool on) {
    return static_cast<std::uint8_t>(on ? roles | role_bit(role) : roles & ~role_bit(role));
}

}  // namespace vorla::store
