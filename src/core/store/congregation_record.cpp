#include "core/store/congregation_record.h"

#include <algorithm>

#include "core/io/bytes.h"

namespace vorla::store {

CongregationRecord CongregationRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    const io::ByteReader r(bytes);
    CongregationRecord c;
    c.name = r.text(0, 50);
    c.hall_address1 = r.text(50, 41);
    c.hall_address2 = r.text(91, 41);
    c.phone1 = r.text(132, 16);
    c.phone2 = r.text(148, 16);
    c.time_odd = r.text(164, 10);
    c.cong_id = r.u16(174);
    c.circuit_id = r.u16(178);
    c.cobe_id = r.u16(182);
    c.secretary_id = r.u16(184);
    c.talk_coord_id = r.u16(186);
    c.time_even = r.text(188, 10);
    c.map_file = r.text(198, 28);
    c.day_odd = calendar::StoredDay(r.u8(226));
    c.day_even = calendar::StoredDay(r.u8(227));
    std::copy(bytes.begin(), bytes.end(), c.raw.begin());
    return c;
}

std::array<std::uint8_t, CongregationRecord::kSize> CongregationRecord::encode() const {
    std::array<std::uint8_t, kSize> out = raw;
    io::ByteWriter w(out);
    w.text(0, 50, name);
    w.text(50, 41, hall_address1);
    w.text(91, 41, hall_address2);
    w.text(132, 16, phone1);
    w.text(148, 16, phone2);
    w.text(164, 10, time_odd);
    w.u16(174, cong_id);
    w.u16(178, circuit_id);
    w.u16(182, cobe_id);
    w.u16(184, secretary_id);
    w.u16(186, talk_coord_id);
    w.text(188, 10, time_even);
    w.text(198, 28, map_file);
    w.u8(226, day_odd.value);
    w.u8(227, day_even.value);
    return out;
}

}  // namespace vorla::store
