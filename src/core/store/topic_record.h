#pragma once
// The 48-byte record of topic.dat: a topic name and the id talks refer to it by.
#include <array>
#include <cstdint>
#include <span>
#include <string>

namespace vorla::store {

struct TopicRecord {
    static constexpr std::size_t kSize = 48;
    static constexpr std::size_t kNameOffset = 0;
    static constexpr std::size_t kNameWidth = 46;
    static constexpr std::size_t kIdOffset = 46;
    // What editors accept, in characters.
    static constexpr std::size_t kNameMax = 45;

    std::string topic_name;
    std::uint16_t topic_id = 0;

    static TopicRecord decode(std::span<const std::uint8_t, kSize> bytes);
    std::array<std::uint8_t, kSize> encode() const;
    friend bool operator==(const TopicRecord&, const TopicRecord&) = default;
};

}  // namespace vorla::store
