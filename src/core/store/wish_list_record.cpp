#include "core/store/wish_list_record.h"

#include "core/io/bytes.h"

namespace vorla::store {

WishListRecord WishListRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    const io::ByteReader r(bytes);
    constexpr std::size_t n = text::TalkSet::kBytes;
    return WishListRecord{text::TalkSet(r.bytes(kWantedOffset, n)),
                          text::TalkSet(r.bytes(kHighOffset, n)),
                          text::TalkSet(r.bytes(kLowOffset, n))};
}

std::array<std::uint8_t, WishListRecord::kSize> WishListRecord::encode() const {
    std::array<std::uint8_t, kSize> out{};
    io::ByteWriter w(out);
    w.bytes(kWantedOffset, wanted.bytes());
    w.bytes(kHighOffset, wanted_high.bytes());
    w.bytes(kLowOffset, wanted_low.bytes());
    return out;
}

}  // namespace vorla::store
