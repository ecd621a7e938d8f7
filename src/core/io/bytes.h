#pragma once
// Checked little-endian access to record buffers. Every field read or written names its
// offset and width; an access outside the buffer reads as zero and writes nothing.
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace vorla::io {

class ByteReader {
  public:
    explicit ByteReader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::uint8_t u8(std::size_t offset) const;
    std::uint16_t u16(std::size_t offset) const;
    std::uint32_t u32(std::size_t offset) const;
    // A Windows-1251 text field as UTF-8: up to its terminator, or its whole width.
    std::string text(std::size_t offset, std::size_t width) const;
    std::span<const std::uint8_t> bytes(std::size_t offset, std::size_t width) const;
    std::size_t size() const { return bytes_.size(); }

  private:
    bool fits(std::size_t offset, std::size_t width) const {
        return offset <= bytes_.size() && width <= bytes_.size() - offset;
    }
    std::span<const std::uint8_t> bytes_;
};

class ByteWriter {
  public:
    explicit ByteWriter(std::span<std::uint8_t> bytes) : bytes_(bytes) {}

    void u8(std::size_t offset, std::uint8_t value);
    void u16(std::size_t offset, std::uint16_t value);
    void u32(std::size_t offset, std::uint32_t value);
    // Writes a UTF-8 text as Windows-1251, zero-filled to the width. Editors keep texts at
    // least one shorter than the width; a text read at full width is written back whole.
    void text(std::size_t offset, std::size_t width, std::string_view utf8);
    void bytes(std::size_t offset, std::span<const std::uint8_t> value);

  private:
    bool fits(std::size_t offset, std::size_t width) const {
        return offset <= bytes_.size() && width <= bytes_.size() - offset;
    }
    std::span<std::uint8_t> bytes_;
};

}  // namespace vorla::io
