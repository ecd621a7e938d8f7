#pragma once
// Where the data files are, and the one way they are read and written: a file that could not
// be read is never saved over, a file another program changed is not replaced without asking,
// a read-only folder refuses every save, and each failure is told to the user.
#include <cstdint>
#include <filesystem>
#include <map>
#include <set>
#include <span>
#include <string_view>
#include <vector>

#include "core/io/file_ops.h"
#include "core/io/prompter.h"

namespace vorla::store {

namespace fs = std::filesystem;

class DataFolder {
  public:
    // read_only: the folder belongs to another program now; nothing is written.
    DataFolder(fs::path folder, io::Prompter& prompter, bool read_only = false);

    const fs::path& folder() const { return folder_; }
    // The full path of a file of the folder (one of files::k...).
    fs::path file(std::string_view name) const { return folder_ / name; }
    io::Prompter& prompter() const { return *prompter_; }
    bool read_only() const { return read_only_; }

    // Reads a data file, at most its first max_bytes. A missing file is no failure: its table
    // starts empty. Any other failure is told (with the system's reason) and holds
    // the file: nothing is saved over it until the program starts again. Of a longer file
    // the rest is ignored, and the user is told so.
    io::FileRead read(const fs::path& file, std::uint64_t max_bytes) const;

    // Replaces a whole file or writes bytes in place. Refused with a message in a read-only
    // folder and for a held file; a file that changed on disk since it was read is replaced
    // only when the user says so. A failure is told with text 1231 and the system's reason.
    bool replace(const fs::path& file, std::span<const std::uint8_t> content) const;
    bool replace(const fs::path& file, std::string_view content) const;
    bool write_at(const fs::path& file, std::uint64_t offset,
                  std::span<const std::uint8_t> bytes) const;

    // "Невозможно создать новый файл: <path>..." with the reason: the file cannot be written.
    // The change stays in memory.
    void report_write_failure(const fs::path& file, int error = 0) const;

    // The files that could not be read since the program started.
    const std::vector<fs::path>& unreadable() const { return held_; }
    bool held(const fs::path& file) const;
    // Saves that were refused or failed since the program started.
    int failed_writes() const { return failed_writes_; }

    // Forgets what the reads found, as a new start does: every file is read afresh (a restore
    // put other files in place), and one that still cannot be read is held again.
    void start_over();

    // Removes the temporary files of saves that were interrupted (in the folder, and beside
    // the targets of linked data files). Only the folder's owner of the moment may do this.
    int remove_leftovers() const;

  private:
    bool may_write(const fs::path& file) const;
    void wrote(const fs::path& file, const io::WriteResult& result) const;

    fs::path folder_;
    io::Prompter* prompter_;
    bool read_only_;
    // What the program knows of the files since it read them. Reads and writes through a
    // const folder keep it up to date.
    mutable std::map<fs::path, io::FileStamp> stamps_;
    mutable std::vector<fs::path> held_;
    mutable std::set<fs::path> cut_told_;  // files whose ignored rest the user has been told of
    mutable int failed_writes_ = 0;
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
