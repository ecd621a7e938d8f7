#include "core/io/bytes.h"

#include <algorithm>

#include "core/text/cp1251.h"

namespace vorla::io {

std::uint8_t ByteReader::u8(std::size_t offset) const {
    return fits(offset, 1) ? bytes_[offset] : 0;
}

std::uint16_t ByteReader::u16(std::size_t offset) const {
    if (!fits(offset, 2)) return 0;
    return static_cast<std::uint16_t>(bytes_[offset] | bytes_[offset + 1] << 8);
}

std::uint32_t ByteReader::u32(std::size_t offset) const {
    if (!fits(offset, 4)) return 0;
    return static_cast<std::uint32_t>(bytes_[offset]) |
           static_cast<std::uint32_t>(bytes_[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes_[offset + 2]) << 16 |
           static_cast<std::uint32_t>(bytes_[offset + 3]) << 24;
}

std::string ByteReader::text(std::size_t offset, std::size_t width) const {
    const auto field = bytes(offset, width);
    const auto end = std::find(field.begin(), field.end(), std::uint8_t{0});
    return text::cp1251_to_utf8(field.subspan(0, static_cast<std::size_t>(end - field.begin())));
}

std::span<const std::uint8_t> ByteReader::bytes(std::size_t offset, std::size_t width) const {
    return fits(offset, width) ? bytes_.subspan(offset, width) : std::span<const std::uint8_t>{};
}

void ByteWriter::u8(std::size_t offset, std::uint8_t value) {
    if (fits(offset, 1)) bytes_[offset] = value;
}

void ByteWriter::u16(std::size_t offset, std::uint16_t value) {
    if (!fits(offset, 2)) return;
    bytes_[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes_[offset + 1] = static_cast<std::uint8_t>(value >> 8);
}

void ByteWriter::u32(std::size_t offset, std::uint32_t value) {
    if (!fits(offset, 4)) return;
    for (int i = 0; i < 4; ++i)
        bytes_[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

void ByteWriter::text(std::size_t offset, std::size_t width, std::string_view utf8) {
    if (width == 0 || !fits(offset, width)) return;
    const std::string encoded = text::utf8_to_cp1251(utf8);
    // A NUL inside the text ends it, as it would on reading. A text that fills the whole
    // width is kept without terminator, as such fields are read.
    const std::size_t len = std::min({encoded.size(), width, encoded.find('\0')});
    std::fill_n(bytes_.begin() + static_cast<std::ptrdiff_t>(offset), width, std::uint8_t{0});
    std::copy_n(encoded.begin(), len, bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
}

void ByteWriter::bytes(std::size_t offset, std::span<const std::uint8_t> value) {
    if (!fits(offset, value.size())) return;
    std::copy(value.begin(), value.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(offset));
}

}  // namespace vorla::io
