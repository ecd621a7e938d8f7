#include "core/store/unavailable_record.h"

#include "core/io/bytes.h"

namespace vorla::store {

UnavailableRecord UnavailableRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    const io::ByteReader r(bytes);
    return UnavailableRecord{r.u16(kBrotherOffset), calendar::WeekNumber(r.u16(kWeekOffset))};
}

std::array<std::uint8_t, UnavailableRecord::kSize> UnavailableRecord::encode() const {
    std::array<std::uint8_t, kSize> out{};
    io::ByteWriter w(out);
    w.u16(kBrotherOffset, ua_brother_id);
    w.u16(kWeekOffset, static_cast<std::uint16_t>(ua_week.value));
    return out;
}

}  // namespace vorla::store
