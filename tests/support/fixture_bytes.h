#pragma once
// Builds record bytes for fixtures field by field at explicit offsets, so that a fixture says
// exactly which bytes the file holds, independently of the codecs under test.
#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string_view>
#include <vector>

namespace vorla::testing {

class FixtureBytes {
  public:
    explicit FixtureBytes(std::size_t size = 0) : bytes_(size, 0) {}

    FixtureBytes& u8(std::size_t offset, std::uint8_t v);
    FixtureBytes& u16(std::size_t offset, std::uint16_t v);
    // Raw bytes as given (use "\xC8\xE2..." for Windows-1251 letters).
    FixtureBytes& raw(std::size_t offset, std::string_view bytes);
    // A UTF-8 text converted to Windows-1251 (the codec has its own byte-level tests).
    FixtureBytes& text(std::size_t offset, std::string_view utf8);
    FixtureBytes& fill(std::size_t offset, std::size_t count, std::uint8_t v);
    // Appends another record.
    FixtureBytes& append(const FixtureBytes& other);

    const std::vector<std::uint8_t>& bytes() const { return bytes_; }
    std::size_t size() const { return bytes_.size(); }
    void write_to(const std::filesystem::path& file) const;

  private:
    void grow(std::size_t end);
    std::vector<std::uint8_t> bytes_;
};

// Concatenates records into one file image.
std::vector<std::uint8_t> concat(std::initializer_list<FixtureBytes> records);

}  // namespace vorla::testing
