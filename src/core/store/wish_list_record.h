#pragma once
// The single 96-byte record of wishlist.dat: the talks our congregation would like to hear.
#include <array>
#include <cstdint>
#include <span>

#include "core/text/talk_set.h"

namespace vorla::store {

struct WishListRecord {
    static constexpr std::size_t kSize = 96;
    static constexpr std::size_t kWantedOffset = 0;
    static constexpr std::size_t kHighOffset = 32;
    static constexpr std::size_t kLowOffset = 64;

    text::TalkSet wanted;
    text::TalkSet wanted_high;  // a wanted talk in neither priority set is of medium priority
    text::TalkSet wanted_low;

    static WishListRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> encode() const;
    friend bool operator==(const WishListRecord&, const WishListRecord&) = default;
};

}  // namespace vorla::store
