#include "core/text/talk_set.h"

#include <algorithm>
#include <bit>
#include <cstring>

namespace vorla::text {

TalkSet::TalkSet(std::span<const std::uint8_t> bytes) {
    std::copy_n(bytes.begin(), std::min(bytes.size(), kBytes), bytes_.begin());
}

// Lists count the talks of thousands of brothers: a word at a time, and empty bytes skipped.
int TalkSet::count() const {
    int n = 0;
    for (std::size_t i = 0; i < kBytes; i += sizeof(std::uint64_t)) {
        std::uint64_t word = 0;
        std::memcpy(&word, bytes_.data() + i, sizeof word);
        n += std::popcount(word);
    }
    return n;
}

std::vector<int> TalkSet::talks() const {
    std::vector<int> out;
    out.reserve(static_cast<std::size_t>(count()));
    for (std::size_t i = 0; i < kBytes; ++i) {
        for (unsigned b = bytes_[i], bit = 0; b != 0; b >>= 1, ++bit) {
            if (b & 1u) out.push_back(static_cast<int>(i * 8 + bit) + 1);
        }
    }
    return out;
}

}  // namespace vorla::text
