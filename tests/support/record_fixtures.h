#pragma once
// Record images laid out field by field at the offsets of the file formats, for fixtures.
// Each returns a FixtureBytes that a test can change further before writing it.
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "support/fixture_bytes.h"

namespace vorla::testing {

// cong.dat record: name at 0, cong_id at 174.
FixtureBytes congregation_bytes(std::uint16_t id, std::string_view name);
// speakers.dat record: first name at 0, last name at 20, cong_id at 202, brother_id at 204.
FixtureBytes brother_bytes(std::uint16_t id, std::string_view first, std::string_view last,
                           std::uint16_t cong_id = 0);
// history.dat record with only its week number (at 0).
FixtureBytes week_bytes(std::uint16_t week_number);
// blackout.dat record: brother at 0, week number at 2.
FixtureBytes unavailable_bytes(std::uint16_t brother_id, std::uint16_t week_number);
// circuit.dat / hospital.dat record: name at 0, id at 30.
FixtureBytes named_bytes(std::string_view name, std::uint16_t id);

// A slot file image: the zero header, then the records at slots 1, 2, ...
std::vector<std::uint8_t> slot_file(std::initializer_list<FixtureBytes> records);

}  // namespace vorla::testing
