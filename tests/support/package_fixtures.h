#pragma once
// Records of a congregation data package (384 bytes each) laid out field by field at their
// offsets, for fixtures of the import and the expected bytes of the export.
#include <cstdint>
#include <initializer_list>
#include <string_view>

#include "support/fixture_bytes.h"

namespace vorla::testing {

inline constexpr std::size_t kPackageRecord = 384;

// Record 0: name at 0, circuit name at 334; the other fields by offset
// (hall addresses 70/111, phones 152/168, times 314/324).
FixtureBytes package_congregation(std::string_view name, std::string_view circuit = {});
// A brother: first name at 0, last name at 50; the other fields by offset (addresses 70/111,
// phones 152/168/184, e-mail 200, talks 248, flags 312, roles and offices 313, weeks 364).
FixtureBytes package_brother(std::string_view first, std::string_view last);
// Sets the talk bits at 248 and the unavailable weeks at 364.
FixtureBytes& package_talks(FixtureBytes& b, std::initializer_list<int> talks);
FixtureBytes& package_weeks(FixtureBytes& b, std::initializer_list<std::uint16_t> weeks);

}  // namespace vorla::testing
