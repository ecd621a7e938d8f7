#include "core/store/upgrades.h"

#include <system_error>

#include "core/io/file_ops.h"

namespace vorla::store {

void rename_creole_files(const DataFolder& folder, std::string_view language) {
    if (language != "HT") return;
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
        if (!fs::exists(current, ec) && io::file_exists(creole)) fs::rename(creole, current, ec);
    }
}

constexpr std::string_view kItalianSpeakers = "oratori.dat";

void adopt_italian_brother_file(const DataFolder& folder, std::string_view language) {
    if (language != "italian") return;
    const fs::path speakers = folder.file(files::kSpeakers);
    const fs::path italian = folder.file(kItalianSpeakers);
    if (!io::file_exists(italian)) return;
    if (io::file_size_or_zero(italian) <= io::file_size_or_zero(speakers)) return;
    std::error_code ec;
    // rename() replaces speakers.dat in one step, so no moment is left without a file.
    fs::rename(italian, speakers, ec);
}

}  // namespace vorla::store
