#pragma once
// A brother record of speakers.dat (256 bytes, slot file) and his extra record of xtend.dat
// (128 bytes, numbered file), with the old 96-byte extra record of extend.dat.
#include <array>
#include <cstdint>
#include <span>
#include <string>

#include "core/text/talk_set.h"

namespace vorla::store {

// `flags` bits 0-1: the office.
enum class Office : std::uint8_t { none = 0, ministerial_servant = 1, elder = 2 };

struct BrotherRecord {
    static constexpr std::size_t kSize = 256;
    static constexpr std::size_t kIdOffset = 204;
    static constexpr std::size_t kNameMax = 18;
    static constexpr std::size_t kAddressMax = 39;
    static constexpr std::size_t kPhoneMax = 14;

    static constexpr std::uint8_t kOfficeMask = 0x03;
    static constexpr std::uint8_t kDiscontinued = 0x20;  // flags bit 5
    static constexpr std::uint8_t kRoleOutgoing = 0x02;  // roles bit 1
    static constexpr std::uint8_t kRoleChairman = 0x04;  // roles bit 2
    static constexpr std::uint8_t kRoleReader = 0x10;    // roles bit 4

    std::string first_name;        // 0, 20
    std::string last_name;         // 20, 20
    std::string address1;          // 40, 40
    std::string address2;          // 80, 40
    std::string phone;             // 120, 16
    text::TalkSet talks;           // 136, 32
    std::uint8_t flags = 0;        // 200
    std::uint8_t roles = 0;        // 201
    std::uint16_t cong_id = 0;     // 202
    std::uint16_t brother_id = 0;  // 204: own slot; 0 = free
    std::uint16_t xtend_no = 0;    // 206: his record in xtend.dat, 0 = none
    std::array<std::uint8_t, kSize> raw{};

    Office office() const { return static_cast<Office>(flags & kOfficeMask); }
    void set_office(Office o) {
        flags = static_cast<std::uint8_t>((flags & ~kOfficeMask) | static_cast<std::uint8_t>(o));
    }
    bool discontinued() const { return (flags & kDiscontinued) != 0; }
    void set_discontinued(bool on) {
        flags = static_cast<std::uint8_t>(on ? flags | kDiscontinued : flags & ~kDiscontinued);
    }

    static BrotherRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> encode() const;
};

struct BrotherExtraRecord {
    static constexpr std::size_t kSize = 128;
    static constexpr std::size_t kPhoneMax = 14;
    static constexpr std::size_t kEmailMax = 45;
    static constexpr std::size_t kNoteMax = 45;

    std::uint16_t brother_id = 0;  // 0: owner, 0 = free
    std::string phone2;            // 2, 16
    std::string phone3;            // 18, 16
    std::string email;             // 34, 48
    std::string note;              // 82, 46

    // A brother keeps an extra record only while one of its texts is not blank.
    bool has_texts() const;

    static BrotherExtraRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> encode() const;
    friend bool operator==(const BrotherExtraRecord&, const BrotherExtraRecord&) = default;
};

// The record of the old extend.dat; converted once into xtend.dat.
struct OldExtraRecord {
    static constexpr std::size_t kSize = 96;

    std::uint16_t brother_id = 0;  // 0
    std::string phone2;            // 2, 16
    std::string phone3;            // 18, 16
    std::string email;             // 34, 62

    static OldExtraRecord decode(std::span<const std::uint8_t, kSize> bytes);
    // The new record: the same owner and texts, the note empty.
    BrotherExtraRecord converted() const;
};

}  // namespace vorla::store
