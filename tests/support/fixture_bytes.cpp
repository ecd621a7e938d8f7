#include "support/fixture_bytes.h"

#include "core/text/cp1251.h"
#include "support/temp_dir.h"

namespace vorla::testing {

void FixtureBytes::grow(std::size_t end) {
    if (bytes_.size() < end) bytes_.resize(end, 0);
}

FixtureBytes& FixtureBytes::u8(std::size_t offset, std::uint8_t v) {
    grow(offset + 1);
    bytes_[offset] = v;
    return *this;
}

FixtureBytes& FixtureBytes::u16(std::size_t offset, std::uint16_t v) {
    grow(offset + 2);
    bytes_[offset] = static_cast<std::uint8_t>(v & 0xFF);
    bytes_[offset + 1] = static_cast<std::uint8_t>(v >> 8);
    return *this;
}

FixtureBytes& FixtureBytes::raw(std::size_t offset, std::string_view b) {
    grow(offset + b.size());
    for (std::size_t i = 0; i < b.size(); ++i)
        bytes_[offset + i] = static_cast<std::uint8_t>(b[i]);
    return *this;
}

FixtureBytes& FixtureBytes::text(std::size_t offset, std::string_view utf8) {
    return raw(offset, text::utf8_to_cp1251(utf8));
}

FixtureBytes& FixtureBytes::fill(std::size_t offset, std::size_t count, std::uint8_t v) {
    grow(offset + count);
    for (std::size_t i = 0; i < count; ++i)
        bytes_[offset + i] = v;
    return *this;
}

FixtureBytes& FixtureBytes::append(const FixtureBytes& other) {
    bytes_.insert(bytes_.end(), other.bytes_.begin(), other.bytes_.end());
    return *this;
}

void FixtureBytes::write_to(const std::filesystem::path& file) const {
    write_bytes(file, bytes_);
}

std::vector<std::uint8_t> concat(std::initializer_list<FixtureBytes> records) {
    std::vector<std::uint8_t> out;
    for (const auto& r : records)
        out.insert(out.end(), r.bytes().begin(), r.bytes().end());
    return out;
}

}  // namespace vorla::testing
