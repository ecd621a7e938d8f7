#include "core/schedule/package_format.h"

#include <algorithm>

#include "core/io/bytes.h"

namespace vorla::schedule {

namespace {

// A text field of someone else's record: control characters read as blanks.
std::string text_field(const io::ByteReader& r, std::size_t offset, std::size_t width) {
    std::string s = r.text(offset, width);
    std::replace_if(
        s.begin(), s.end(),
        [](char c) {
            const auto b = static_cast<unsigned char>(c);
            return b < 0x20 || b == 0x7F;
        },
        ' ');
    return s;
}

PackageCongregation decode_congregation(const io::ByteReader& r) {
    PackageCongregation c;
    c.name = text_field(r, 0, 50);
    c.hall_address1 = text_field(r, 70, 41);
    c.hall_address2 = text_field(r, 111, 41);
    c.phone1 = text_field(r, 152, 16);
    c.phone2 = text_field(r, 168, 16);
    c.time_odd = text_field(r, 314, 10);
    c.time_even = text_field(r, 324, 10);
    c.circuit_name = text_field(r, 334, 50);
    return c;
}

PackageBrother decode_brother(const io::ByteReader& r) {
    PackageBrother b;
    b.first_name = text_field(r, 0, 50);
    b.last_name = text_field(r, 50, 20);
    b.address1 = text_field(r, 70, 41);
    b.address2 = text_field(r, 111, 41);
    b.phone = text_field(r, 152, 16);
    b.phone2 = text_field(r, 168, 16);
    b.phone3 = text_field(r, 184, 16);
    b.email = text_field(r, 200, 48);
    b.talks = text::TalkSet(r.bytes(248, 32));
    b.flags = r.u8(312);
    b.roles = r.u8(313);
    for (std::size_t k = 0; k < kPackageWeeks; ++k)
        b.weeks[k] = r.u16(364 + 2 * k);
    return b;
}

void encode_congregation(io::ByteWriter& w, const PackageCongregation& c) {
    w.text(0, 50, c.name);
    w.text(70, 41, c.hall_address1);
    w.text(111, 41, c.hall_address2);
    w.text(152, 16, c.phone1);
    w.text(168, 16, c.phone2);
    w.text(314, 10, c.time_odd);
    w.text(324, 10, c.time_even);
    w.text(334, 50, c.circuit_name);
}

void encode_brother(io::ByteWriter& w, const PackageBrother& b) {
    w.text(0, 50, b.first_name);
    w.text(50, 20, b.last_name);
    w.text(70, 41, b.address1);
    w.text(111, 41, b.address2);
    w.text(152, 16, b.phone);
    w.text(168, 16, b.phone2);
    w.text(184, 16, b.phone3);
    w.text(200, 48, b.email);
    w.bytes(248, b.talks.bytes());
    w.u8(312, b.flags);
    w.u8(313, b.roles);
    for (std::size_t k = 0; k < kPackageWeeks; ++k)
        w.u16(364 + 2 * k, b.weeks[k]);
}

}  // namespace

Package decode_package(std::span<const std::uint8_t> bytes) {
    Package p;
    const std::size_t records = bytes.size() / kPackageRecordSize;
    if (records == 0) return p;
    p.congregation = decode_congregation(io::ByteReader(bytes.first(kPackageRecordSize)));
    p.brothers.reserve(records - 1);
    for (std::size_t k = 1; k < records; ++k) {
        p.brothers.push_back(decode_brother(
            io::ByteReader(bytes.subspan(k * kPackageRecordSize, kPackageRecordSize))));
    }
    return p;
}

std::vector<std::uint8_t> encode_package(const Package& package) {
    std::vector<std::uint8_t> out((package.brothers.size() + 1) * kPackageRecordSize, 0);
    const std::span<std::uint8_t> all(out);
    io::ByteWriter head(all.first(kPackageRecordSize));
    encode_congregation(head, package.congregation);
    for (std::size_t k = 0; k < package.brothers.size(); ++k) {
        io::ByteWriter w(all.subspan((k + 1) * kPackageRecordSize, kPackageRecordSize));
        encode_brother(w, package.brothers[k]);
    }
    return out;
}

}  // namespace vorla::schedule
