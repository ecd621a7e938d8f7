// Arbitrary bytes as a whole data folder: every data file, the old extras file and the
// settings file come from one input. The folder is opened as the program opens it, then
// dumped, described, exported as text and laid out as the printed schedule.
//
// Input: one byte choosing the language, the week count and the device, then pieces of
// [file number][length, 2 bytes little-endian][bytes]; files without a piece are missing.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/app/info_lines.h"
#include "core/reports/report_request.h"
#include "core/reports/schedule_export.h"
#include "core/store/json_dump.h"
#include "core/text/utf8.h"
#include "support/scratch_folder.h"

namespace {

using namespace vorla;

// Every file of the folder, and the old names the upgrades look for.
constexpr std::string_view kFiles[] = {
    store::files::kSpeakers, store::files::kExtras,   store::files::kCongregations,
    store::files::kCircuits, store::files::kTalks,    store::files::kTopics,
    store::files::kHistory,  store::files::kHosts,    store::files::kUnavailable,
    store::files::kSpecial,  store::files::kWishList, store::files::kOldExtras,
    store::files::kSettings, "oratori.dat",           "Kong.dat",
};
constexpr const char* kLanguages[] = {"rus", "HT", "italian", "esp"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::filesystem::path& dir = fuzz::empty_scratch_dir();
    const std::uint8_t choice = size ? data[0] : 0;
    for (std::size_t at = 1; at + 3 <= size;) {
        const std::string_view name = kFiles[data[at] % std::size(kFiles)];
        const std::size_t length =
            std::min<std::size_t>(data[at + 1] | data[at + 2] << 8, size - at - 3);
        fuzz::put(dir / name, data + at + 3, length);
        at += 3 + length;
    }

    io::SilentPrompter prompter;
    const store::Document doc({dir, {2026, 12, 7}, kLanguages[choice % 4]}, prompter);
    const std::string dump = store::dump_json(doc);
    if (dump.empty() || dump.front() != '{' || !text::is_valid_utf8(dump)) __builtin_trap();
    for (const auto& [key, value] : app::info_lines(doc)) {
        if (!text::is_valid_utf8(value)) __builtin_trap();
    }

    const int weeks = 1 + (choice >> 2) % 52;
    const calendar::WeekIndex first = doc.current_week().index();
    if (!text::is_valid_utf8(reports::schedule_export_text(doc, first, weeks))) __builtin_trap();

    settings::ReportFonts fonts(doc.language());
    fonts.load(doc.read_settings_file());
    const reports::Device device =
        choice & 0x80 ? reports::Device::printer(600, 600) : reports::Device::screen();
    const reports::DisplayList pages =
        reports::layout_report(doc, fonts, {reports::ReportKind::schedule, first, weeks}, device);
    // The schedule of one week or more has at least one page.
    if (pages.pages.empty()) __builtin_trap();
    return 0;
}
