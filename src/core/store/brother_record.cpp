#include "core/store/brother_record.h"

#include <algorithm>

#include "core/io/bytes.h"
#include "core/text/trim.h"

namespace vorla::store {

BrotherRecord BrotherRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    const io::ByteReader r(bytes);
    BrotherRecord b;
    b.first_name = r.text(0, 20);
    b.last_name = r.text(20, 20);
    b.address1 = r.text(40, 40);
    b.address2 = r.text(80, 40);
    b.phone = r.text(120, 16);
    b.talks = text::TalkSet(r.bytes(136, 32));
    b.flags = r.u8(200);
    b.roles = r.u8(201);
    b.cong_id = r.u16(202);
    b.brother_id = r.u16(204);
    b.xtend_no = r.u16(206);
    std::copy(bytes.begin(), bytes.end(), b.raw.begin());
    return b;
}

std::array<std::uint8_t, BrotherRecord::kSize> BrotherRecord::encode() const {
    std::array<std::uint8_t, kSize> out = raw;
    io::ByteWriter w(out);
    w.text(0, 20, first_name);
    w.text(20, 20, last_name);
    w.text(40, 40, address1);
    w.text(80, 40, address2);
    w.text(120, 16, phone);
    w.bytes(136, talks.bytes());
    w.u8(200, flags);
    w.u8(201, roles);
    w.u16(202, cong_id);
    w.u16(204, brother_id);
    w.u16(206, xtend_no);
    return out;
}

bool BrotherExtraRecord::has_texts() const {
    return !text::is_blank(phone2) || !text::is_blank(phone3) || !text::is_blank(email) ||
           !text::is_blank(note);
}

BrotherExtraRecord BrotherExtraRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    const io::ByteReader r(bytes);
    return BrotherExtraRecord{r.u16(0), r.text(2, 16), r.text(18, 16), r.text(34, 48),
                              r.text(82, 46)};
}

std::array<std::uint8_t, BrotherExtraRecord::kSize> BrotherExtraRecord::encode() const {
    std::array<std::uint8_t, kSize> out{};
    io::ByteWriter w(out);
    w.u16(0, brother_id);
    w.text(2, 16, phone2);
    w.text(18, 16, phone3);
    w.text(34, 48, email);
    w.text(82, 46, note);
    return out;
}

OldExtraRecord OldExtraRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    const io::ByteReader r(bytes);
    return OldExtraRecord{r.u16(0), r.text(2, 16), r.text(18, 16), r.text(34, 62)};
}

BrotherExtraRecord OldExtraRecord::converted() const {
    // The old e-mail field is wider than the new one; its text is cut to the new width.
    return BrotherExtraRecord{brother_id, phone2, phone3, email, {}};
}

}  // namespace vorla::store
