// Arbitrary bytes as the file of "Импорт названий…": every title taken belongs to a talk
// 1-256, fits the title field, holds only Windows-1251 letters, and lands in the catalogue.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/editors/talk_editor_model.h"
#include "core/editors/talk_title_import.h"
#include "core/text/cp1251.h"
#include "core/text/utf8.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla;
    static io::SilentPrompter prompter;
    static store::Document doc({fuzz::scratch_dir(), {2026, 12, 7}, "rus"}, prompter);

    const editors::TitleImport parsed =
        editors::parse_talk_titles(std::string_view(reinterpret_cast<const char*>(data), size));
    int last_line = 0;
    for (const int line : parsed.refused_lines) {
        if (line <= last_line) __builtin_trap();
        last_line = line;
    }
    for (const auto& [number, title] : parsed.titles) {
        if (number < 1 || number > store::TalkCatalogue::kTalks || title.empty() ||
            text::length(title) > store::TalkRecord::kTitleMax || !text::cp1251_can_hold(title))
            __builtin_trap();
    }
    (void)editors::title_import_report(parsed.titles.size(), parsed.refused_lines);

    const std::filesystem::path file = fuzz::scratch_dir() / "titles.txt";
    fuzz::put(file, data, size);
    (void)editors::import_talk_titles(doc, file);
    for (const auto& [number, title] : parsed.titles) {
        // A later line for the same talk wins.
        bool later = false;
        for (const auto& [n, t] : parsed.titles)
            later = later || (n == number && &t > &title);
        if (!later && doc.talks().title(number) != title) __builtin_trap();
    }
    return 0;
}
