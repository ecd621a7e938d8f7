// Arbitrary bytes as talk.dat: load the catalogue, edit it, save it; what was saved must load
// back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/store/talk_catalogue.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::store;
    const DataFolder& folder = vorla::fuzz::input_as(files::kTalks, data, size);

    TalkCatalogue talks;
    talks.load(folder);
    for (const int n : {0, 1, 161, 175, 230, 231, 256, 257}) {
        (void)talks.has_title(n);
        if (talks.find(n) && talks.find(n)->talk_no != n) __builtin_trap();
    }
    const std::uint8_t pick = size ? data[0] : 0;
    if (const TalkRecord* t = talks.find(pick + 1)) {
        TalkRecord edited = *t;
        edited.title += "!";
        edited.number_text = talks.number_text(256 - pick);
        talks.set(pick + 1, edited);
        talks.remove_topic(t->topic_ids[pick % 26]);
    }
    if (!talks.save(folder)) __builtin_trap();
    if (fs::file_size(folder.file(files::kTalks)) != 256 * TalkRecord::kSize) __builtin_trap();

    // The first reload settles what the file could not hold (texts cut to their field);
    // from then on a save and a load change nothing.
    TalkCatalogue saved;
    saved.load(folder);
    if (!saved.save(folder)) __builtin_trap();
    TalkCatalogue again;
    again.load(folder);
    if (again.entries() != saved.entries()) __builtin_trap();
    return 0;
}
