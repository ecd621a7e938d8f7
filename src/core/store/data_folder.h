#pragma once
// Where the data files are, and how a failed write is told to the user.
#include <filesystem>
#include <string_view>

#include "core/io/prompter.h"

namespace vorla::store {

namespace fs = std::filesystem;

class DataFolder {
  public:
    DataFolder(fs::path folder, io::Prompter& prompter);

    const fs::path& folder() const { return folder_; }
    // The full path of a file of the folder (one of files::k...).
    fs::path file(std::string_view name) const { return folder_ / name; }

    // "Невозможно создать новый файл: <path>..."; the change stays in memory.
    void report_write_failure(const fs::path& file) const;
    io::Prompter& prompter() const { return *prompter_; }

  private:
    fs::path folder_;
    io::Prompter* prompter_;
};

// The names of the files in the data folder.
namespace files {
inline constexpr std::string_view kSpeakers = "speakers.dat";
inline constexpr std::string_view kExtras = "xtend.dat";
inline constexpr std::string_view kCongregations = "cong.dat";
inline constexpr std::string_view kCircuits = "circuit.dat";
inline constexpr std::string_view kTalks = "talk.dat";
inline constexpr std::string_view kTopics = "topic.dat";
inline constexpr std::string_view kHistory = "history.dat";
inline constexpr std::string_view kHosts = "hospital.dat";
inline constexpr std::string_view kUnavailable = "blackout.dat";
inline constexpr std::string_view kSpecial = "special.dat";
inline constexpr std::string_view kWishList = "wishlist.dat";
inline constexpr std::string_view kOldExtras = "extend.dat";  // read once, replaced by xtend.dat
inline constexpr std::string_view kSettings = "vorla.ini";
}  // namespace files

}  // namespace vorla::store
