// Arbitrary bytes as an old extend.dat without xtend.dat: the conversion must give one
// 128-byte record per whole old record, with the owner and the three texts carried over.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/io/file_ops.h"
#include "core/store/extra_file.h"
#include "support/scratch_folder.h"

namespace {

// A byte with no Unicode meaning reads as U+FFFD and is written back as "?".
std::string as_written(std::string s) {
    for (std::size_t at; (at = s.find("\xEF\xBF\xBD")) != std::string::npos;)
        s.replace(at, 3, "?");
    return s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::store;
    const DataFolder& folder = vorla::fuzz::input_as(files::kOldExtras, data, size);
    vorla::fuzz::put(folder.file(files::kExtras), nullptr, 0);

    const std::size_t records = size / OldExtraRecord::kSize;
    const bool converted = ExtraFile::convert_old_file(folder);
    if (converted != (records > 0)) __builtin_trap();
    ExtraFile extras;
    extras.load(folder);
    if (extras.count() != (records > 0 ? records : 1)) __builtin_trap();
    for (std::size_t n = 1; n <= records; ++n) {
        const OldExtraRecord old =
            OldExtraRecord::decode(std::span<const std::uint8_t, OldExtraRecord::kSize>(
                data + (n - 1) * OldExtraRecord::kSize, OldExtraRecord::kSize));
        const auto now = extras.read(folder, static_cast<std::uint16_t>(n));
        if (!now || now->brother_id != old.brother_id || now->phone2 != as_written(old.phone2) ||
            now->phone3 != as_written(old.phone3) || !now->note.empty())
            __builtin_trap();
        // The new e-mail field is narrower: it keeps the beginning of the old one.
        if (as_written(old.email).compare(0, now->email.size(), now->email) != 0) __builtin_trap();
    }
    // A second conversion never runs over the file the first one made.
    if (ExtraFile::convert_old_file(folder)) __builtin_trap();
    return 0;
}
