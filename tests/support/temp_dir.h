#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace vorla::testing {

class TempDir {
  public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

  private:
    std::filesystem::path path_;
};

// Writes bytes to a file, creating or replacing it (fixtures only).
void write_bytes(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes);
void write_text(const std::filesystem::path& file, std::string_view text);
std::vector<std::uint8_t> read_bytes(const std::filesystem::path& file);
std::string read_text(const std::filesystem::path& file);

}  // namespace vorla::testing
