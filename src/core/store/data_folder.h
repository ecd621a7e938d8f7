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
    // The full path of the data file whose name is string-table text n.
    fs::path file(int name_text) const;
    fs::path file(std::string_view name) const { return folder_ / name; }

    // Text 1231 with the full path: the file cannot be written. The change stays in memory.
    void report_write_failure(const fs::path& file) const;
    io::Prompter& prompter() const { return *prompter_; }

  private:
    fs::path folder_;
    io::Prompter* prompter_;
};

// The string-table numbers of the data-file names.
namespace files {
inline constexpr int kSpeakers = 1244;       // speakers.dat
inline constexpr int kExtras = 1114;         // xtend.dat
inline constexpr int kCongregations = 1296;  // cong.dat
inline constexpr int kCircuits = 1186;       // circuit.dat
inline constexpr int kTalks = 1187;          // talk.dat
inline constexpr int kTopics = 1188;         // topic.dat
inline constexpr int kHistory = 1189;        // history.dat
inline constexpr int kHosts = 1190;          // hospital.dat
inline constexpr int kUnavailable = 1115;    // blackout.dat
inline constexpr int kSpecial = 1116;        // special.dat
inline constexpr int kWishList = 1185;       // wishlist.dat
inline constexpr int kOldExtras = 1287;      // extend.dat
}  // namespace files

}  // namespace vorla::store
