#include "support/package_fixtures.h"

namespace vorla::testing {

FixtureBytes package_congregation(std::string_view name, std::string_view circuit) {
    FixtureBytes r(kPackageRecord);
    r.text(0, name).text(334, circuit);
    return r;
}

FixtureBytes package_brother(std::string_view first, std::string_view last) {
    FixtureBytes r(kPackageRecord);
    r.text(0, first).text(50, last);
    return r;
}

FixtureBytes& package_talks(FixtureBytes& b, std::initializer_list<int> talks) {
    for (const int n : talks) {
        const std::size_t byte = 248 + static_cast<std::size_t>(n - 1) / 8;
        b.u8(byte, static_cast<std::uint8_t>(b.bytes()[byte] | 1u << ((n - 1) % 8)));
    }
    return b;
}

FixtureBytes& package_weeks(FixtureBytes& b, std::initializer_list<std::uint16_t> weeks) {
    std::size_t offset = 364;
    for (const std::uint16_t w : weeks) {
        b.u16(offset, w);
        offset += 2;
    }
    return b;
}

}  // namespace vorla::testing
