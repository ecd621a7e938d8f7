#include "core/store/upgrades.h"

#include <system_error>

#include "core/io/file_ops.h"

namespace vorla::store {

void rename_creole_files(const DataFolder& folder, std::string_view language) {
    if (language != "HT" || folder.read_only()) return;
    struct Pair {
        std::string_view current;
        const char* creole;  // Latin-1 bytes: 0xE8 is "è"
    };
    static constexpr Pair kPairs[] = {
        {files::kSpeakers, "Orat\xE8.dat"},       {files::kCongregations, "Kong.dat"},
        {files::kCircuits, "Sikonskripsyon.dat"}, {files::kHosts, "Ospital.dat"},
        {files::kTopics, "Sij\xE8.dat"},          {files::kHistory, "Istwa.dat"},
        {files::kWishList, "Nou vle.dat"},        {files::kSpecial, "espesyal.dat"},
    };
    for (const Pair& p : kPairs) {
        const fs::path current = folder.file(p.current);
        const fs::path creole = folder.folder() / p.creole;
        std::error_code ec;
        // Anything under the current name (a link, even a broken one) is kept.
        if (!fs::exists(fs::symlink_status(current, ec)) && io::file_exists(creole))
            fs::rename(creole, current, ec);
    }
}

constexpr std::string_view kItalianSpeakers = "oratori.dat";

void adopt_italian_brother_file(const DataFolder& folder, std::string_view language) {
    if (language != "italian" || folder.read_only()) return;
    // A linked speakers.dat has its target replaced, in the target's own folder; across
    // disks the rename fails and both files stay as they were.
    const fs::path speakers = io::resolve_links(folder.file(files::kSpeakers));
    const fs::path italian = folder.file(kItalianSpeakers);
    if (!io::file_exists(italian)) return;
    const io::FileStamp current = io::stamp_of(speakers);
    // A speakers.dat we may not replace, or cannot read (so its size is unknown), stays.
    const bool readable = io::file_size_or_zero(speakers) == current.size;
    if (current.exists && (io::write_refusal(speakers) != 0 || !readable)) return;
    if (io::file_size_or_zero(italian) <= current.size) return;
    std::error_code ec;
    // rename() replaces speakers.dat in one step, so no moment is left without a file.
    fs::rename(italian, speakers, ec);
}

}  // namespace vorla::store
