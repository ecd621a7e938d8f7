#include "core/text/talk_set.h"

#include <algorithm>
#include <bit>

namespace vorla::text {

TalkSet::TalkSet(std::span<const std::uint8_t> bytes) {
    std::copy_n(bytes.begin(), std::min(bytes.size(), kBytes), bytes_.begin());
}

int TalkSet::count() const {
    int n = 0;
    for (std::uint8_t b : bytes_)
        n += std::popcount(b);
    return n;
}

std::vector<int> TalkSet::talks() const {
    std::vector<int> out;
    for (int n = 1; n <= kMaxTalk; ++n) {
        if (has(n)) out.push_back(n);
    }
    return out;
}

}  // namespace vorla::text
