#include "core/store/special_event_record.h"

#include "core/io/bytes.h"

namespace vorla::store {

SpecialEventRecord SpecialEventRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    const io::ByteReader r(bytes);
    SpecialEventRecord e;
    e.event_week = calendar::WeekIndex(r.u16(kWeekOffset));
    e.event_flags = r.u16(kFlagsOffset);
    e.event_title = r.text(kTitleOffset, kTitleWidth);
    e.event_talk_title = r.text(kTalkTitleOffset, kTalkTitleWidth);
    return e;
}

std::array<std::uint8_t, SpecialEventRecord::kSize> SpecialEventRecord::encode() const {
    std::array<std::uint8_t, kSize> out{};
    io::ByteWriter w(out);
    w.u16(kWeekOffset, static_cast<std::uint16_t>(event_week.value));
    w.u16(kFlagsOffset, event_flags);
    w.text(kTitleOffset, kTitleWidth, event_title);
    w.text(kTalkTitleOffset, kTalkTitleWidth, event_talk_title);
    return out;
}

}  // namespace vorla::store
