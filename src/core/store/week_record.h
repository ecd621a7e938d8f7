#pragma once
// The 64-byte record of history.dat: one week's public-meeting assignments.
#include <array>
#include <cstdint>
#include <span>

#include "core/calendar/week.h"

namespace vorla::store {

// Bits of `week_flags` (bits 1-6 are also the special event's `event_flags`).
namespace week_bit {
inline constexpr std::uint16_t kContent = 0x01;  // only such weeks are written
inline constexpr std::uint16_t kConvention = 0x02;
inline constexpr std::uint16_t kOverseerVisit = 0x04;  // circuit overseer visit
inline constexpr std::uint16_t kOtherEvent = 0x08;
inline constexpr std::uint16_t kKeepsChairman = 0x10;  // a chairman is still scheduled
inline constexpr std::uint16_t kKeepsHospitality = 0x20;
inline constexpr std::uint16_t kKeepsReader = 0x40;
inline constexpr std::uint16_t kEventKinds = kConvention | kOverseerVisit | kOtherEvent;
inline constexpr std::uint16_t kEventBits =
    kEventKinds | kKeepsChairman | kKeepsHospitality | kKeepsReader;
}  // namespace week_bit

enum class EventKind { none, convention, overseer_visit, other };

// The kind of event the flags name; of several kind bits (a damaged file) the lowest wins.
EventKind event_kind(std::uint16_t flags);

struct WeekRecord {
    static constexpr std::size_t kSize = 64;
    static constexpr std::size_t kOutPlaces = 6;
    static constexpr std::size_t kReservedOffset = 22;
    static constexpr std::size_t kReservedWidth = 6;
    using Ids = std::array<std::uint16_t, kOutPlaces>;

    calendar::WeekNumber week;                            // offset 0
    std::uint16_t speaker_id = 0;                         // 2
    std::uint16_t talk_no = 0;                            // 4
    std::uint16_t speaker_cong_id = 0;                    // 6
    std::uint16_t requested = 0;                          // 8
    std::uint16_t confirmed = 0;                          // 10
    std::uint16_t reminded = 0;                           // 12
    std::uint16_t chairman_id = 0;                        // 14
    std::uint16_t reader_id = 0;                          // 16
    std::uint16_t host_id = 0;                            // 18
    std::uint16_t week_flags = 0;                         // 20
    std::array<std::uint8_t, kReservedWidth> reserved{};  // 22, kept as read
    Ids out_speaker_id{};                                 // 28
    Ids out_cong_id{};                                    // 40
    Ids out_talk_no{};                                    // 52

    static WeekRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> encode() const;
    friend bool operator==(const WeekRecord&, const WeekRecord&) = default;

    bool has_content() const { return (week_flags & week_bit::kContent) != 0; }
    bool is_special() const { return (week_flags & week_bit::kEventKinds) != 0; }
    EventKind event_kind() const { return store::event_kind(week_flags); }
    bool keeps_chairman() const { return (week_flags & week_bit::kKeepsChairman) != 0; }
    bool keeps_hospitality() const { return (week_flags & week_bit::kKeepsHospitality) != 0; }
    bool keeps_reader() const { return (week_flags & week_bit::kKeepsReader) != 0; }
};

}  // namespace vorla::store
