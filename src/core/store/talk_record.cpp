#include "core/store/talk_record.h"

#include "core/io/bytes.h"

namespace vorla::store {

TalkRecord TalkRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    const io::ByteReader r(bytes);
    TalkRecord t;
    t.title = r.text(kTitleOffset, kTitleWidth);
    t.number_text = r.text(kNumberTextOffset, kNumberTextWidth);
    t.talk_no = r.u16(kTalkNoOffset);
    for (std::size_t i = 0; i < kTopicPlaces; ++i)
        t.topic_ids[i] = r.u16(kTopicIdsOffset + 2 * i);
    return t;
}

std::array<std::uint8_t, TalkRecord::kSize> TalkRecord::encode() const {
    std::array<std::uint8_t, kSize> out{};
    io::ByteWriter w(out);
    w.text(kTitleOffset, kTitleWidth, title);
    w.text(kNumberTextOffset, kNumberTextWidth, number_text);
    w.u16(kTalkNoOffset, talk_no);
    for (std::size_t i = 0; i < kTopicPlaces; ++i)
        w.u16(kTopicIdsOffset + 2 * i, topic_ids[i]);
    return out;
}

}  // namespace vorla::store
