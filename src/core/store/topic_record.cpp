#include "core/store/topic_record.h"

#include "core/io/bytes.h"

namespace vorla::store {

TopicRecord TopicRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    const io::ByteReader r(bytes);
    return TopicRecord{r.text(kNameOffset, kNameWidth), r.u16(kIdOffset)};
}

std::array<std::uint8_t, TopicRecord::kSize> TopicRecord::encode() const {
    std::array<std::uint8_t, kSize> out{};
    io::ByteWriter w(out);
    w.text(kNameOffset, kNameWidth, topic_name);
    w.u16(kIdOffset, topic_id);
    return out;
}

}  // namespace vorla::store
