#include "core/store/named_record.h"

#include "core/io/bytes.h"

namespace vorla::store {

NamedRecord NamedRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    const io::ByteReader r(bytes);
    return NamedRecord{r.text(kNameOffset, kNameWidth), r.u16(kIdOffset)};
}

std::array<std::uint8_t, NamedRecord::kSize> NamedRecord::encode() const {
    std::array<std::uint8_t, kSize> out{};
    io::ByteWriter w(out);
    w.text(kNameOffset, kNameWidth, name);
    w.u16(kIdOffset, id);
    return out;
}

}  // namespace vorla::store
