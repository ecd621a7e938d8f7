#pragma once
// The 154-byte record of talk.dat: one place of the 256-talk catalogue.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace vorla::store {

struct TalkRecord {
    static constexpr std::size_t kSize = 154;
    static constexpr std::size_t kTitleOffset = 0;
    static constexpr std::size_t kTitleWidth = 93;
    static constexpr std::size_t kNumberTextOffset = 93;
    static constexpr std::size_t kNumberTextWidth = 7;
    static constexpr std::size_t kTalkNoOffset = 100;
    static constexpr std::size_t kTopicIdsOffset = 102;
    static constexpr std::size_t kTopicPlaces = 26;
    // What editors accept, in characters.
    static constexpr std::size_t kTitleMax = 91;
    static constexpr std::size_t kNumberTextMax = 5;

    std::string title;
    std::string number_text;  // as shown and printed: "12" or "S-31"
    std::uint16_t talk_no = 0;
    std::array<std::uint16_t, kTopicPlaces> topic_ids{};  // 0 = empty place

    static TalkRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> encode() const;
    friend bool operator==(const TalkRecord&, const TalkRecord&) = default;
};

}  // namespace vorla::store
