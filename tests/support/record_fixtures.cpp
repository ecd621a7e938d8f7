#include "support/record_fixtures.h"

namespace vorla::testing {

FixtureBytes congregation_bytes(std::uint16_t id, std::string_view name) {
    FixtureBytes r(256);
    r.text(0, name).u16(174, id);
    return r;
}

FixtureBytes brother_bytes(std::uint16_t id, std::string_view first, std::string_view last,
                           std::uint16_t cong_id) {
    FixtureBytes r(256);
    r.text(0, first).text(20, last).u16(202, cong_id).u16(204, id);
    return r;
}

FixtureBytes week_bytes(std::uint16_t week_number) {
    FixtureBytes r(64);
    r.u16(0, week_number);
    return r;
}

FixtureBytes unavailable_bytes(std::uint16_t brother_id, std::uint16_t week_number) {
    FixtureBytes r(8);
    r.u16(0, brother_id).u16(2, week_number);
    return r;
}

FixtureBytes named_bytes(std::string_view name, std::uint16_t id) {
    FixtureBytes r(32);
    r.text(0, name).u16(30, id);
    return r;
}

std::vector<std::uint8_t> slot_file(std::initializer_list<FixtureBytes> records) {
    std::vector<std::uint8_t> out(256, 0);
    for (const auto& r : records)
        out.insert(out.end(), r.bytes().begin(), r.bytes().end());
    return out;
}

}  // namespace vorla::testing
