#pragma once
// The congregation data package (".vpk"): a flat run of 384-byte records with no header.
// Record 0 describes the congregation, every later record one of its brothers. Texts are
// NUL-terminated Windows-1251, integers little-endian, every other byte zero.
//
// A package always comes from someone else, so reading it trusts nothing: any length reads
// (a short tail is ignored), texts without a terminator end at their width, and control
// characters in texts become blanks (a tab in a name would split list columns and the
// tab-separated schedule export).
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/text/talk_set.h"

namespace vorla::schedule {

inline constexpr std::size_t kPackageRecordSize = 384;
inline constexpr std::size_t kPackageWeeks = 10;

// Byte 313 of a brother: his `roles` bits 0-4, then the offices he holds in the congregation.
namespace package_bits {
inline constexpr std::uint8_t kRoles = 0x1F;
inline constexpr std::uint8_t kCoordinator = 0x20;  // coordinator of the body of elders
inline constexpr std::uint8_t kTalkCoordinator = 0x40;
inline constexpr std::uint8_t kSecretary = 0x80;
}  // namespace package_bits

struct PackageCongregation {
    std::string name;           // 0, 50
    std::string hall_address1;  // 70, 41
    std::string hall_address2;  // 111, 41
    std::string phone1;         // 152, 16
    std::string phone2;         // 168, 16
    std::string time_odd;       // 314, 10
    std::string time_even;      // 324, 10
    std::string circuit_name;   // 334, 50

    friend bool operator==(const PackageCongregation&, const PackageCongregation&) = default;
};

struct PackageBrother {
    std::string first_name;                            // 0, 50
    std::string last_name;                             // 50, 20
    std::string address1;                              // 70, 41
    std::string address2;                              // 111, 41
    std::string phone;                                 // 152, 16
    std::string phone2;                                // 168, 16
    std::string phone3;                                // 184, 16
    std::string email;                                 // 200, 48
    text::TalkSet talks;                               // 248, 32
    std::uint8_t flags = 0;                            // 312: the `flags` byte of his record
    std::uint8_t roles = 0;                            // 313: package_bits
    std::array<std::uint16_t, kPackageWeeks> weeks{};  // 364: week numbers, 0 = none

    friend bool operator==(const PackageBrother&, const PackageBrother&) = default;
};

struct Package {
    PackageCongregation congregation;
    std::vector<PackageBrother> brothers;

    friend bool operator==(const Package&, const Package&) = default;
};

// Fewer than 384 bytes give an empty congregation and no brothers.
Package decode_package(std::span<const std::uint8_t> bytes);
std::vector<std::uint8_t> encode_package(const Package& package);

}  // namespace vorla::schedule
