#pragma once
// Bit helpers and the 32-byte talk bit set: talk n is bit (n - 1) % 8 of byte (n - 1) / 8.
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace vorla::text {

inline bool test_bit(std::span<const std::uint8_t> bytes, int n) {
    return n >= 0 && static_cast<std::size_t>(n / 8) < bytes.size() &&
           (bytes[n / 8] >> (n % 8) & 1) != 0;
}
inline void set_bit(std::span<std::uint8_t> bytes, int n, bool on = true) {
    if (n < 0 || static_cast<std::size_t>(n / 8) >= bytes.size()) return;
    const auto mask = static_cast<std::uint8_t>(1u << (n % 8));
    bytes[n / 8] = on ? static_cast<std::uint8_t>(bytes[n / 8] | mask)
                      : static_cast<std::uint8_t>(bytes[n / 8] & ~mask);
}
inline void clear_bit(std::span<std::uint8_t> bytes, int n) {
    set_bit(bytes, n, false);
}

inline bool test_flag(std::uint16_t word, int n) {
    return n >= 0 && n < 16 && (word >> n & 1) != 0;
}
inline std::uint16_t with_flag(std::uint16_t word, int n, bool on = true) {
    const auto mask = static_cast<std::uint16_t>(1u << n);
    return on ? static_cast<std::uint16_t>(word | mask) : static_cast<std::uint16_t>(word & ~mask);
}

class TalkSet {
  public:
    static constexpr int kMaxTalk = 256;
    static constexpr std::size_t kBytes = 32;

    TalkSet() = default;
    explicit TalkSet(std::span<const std::uint8_t> bytes);

    bool has(int talk_no) const {
        return talk_no >= 1 && talk_no <= kMaxTalk && test_bit(bytes_, talk_no - 1);
    }
    void set(int talk_no, bool on = true) {
        if (talk_no >= 1 && talk_no <= kMaxTalk) set_bit(bytes_, talk_no - 1, on);
    }
    void clear(int talk_no) { set(talk_no, false); }
    // Number of talks in the set.
    int count() const;
    bool empty() const { return count() == 0; }
    std::vector<int> talks() const;

    const std::array<std::uint8_t, kBytes>& bytes() const { return bytes_; }
    std::array<std::uint8_t, kBytes>& bytes() { return bytes_; }

    friend bool operator==(const TalkSet&, const TalkSet&) = default;

  private:
    std::array<std::uint8_t, kBytes> bytes_{};
};

}  // namespace vorla::text
