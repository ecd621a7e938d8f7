// Arbitrary bytes as a congregation's map file name: whatever a record holds, the picture is
// looked for only in the data folder, under a bare file name.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/editors/map_picture.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::editors;
    const std::filesystem::path folder = "/data/vorla";
    const std::string_view name(reinterpret_cast<const char*>(data), size);

    const auto path = map_path(folder, name);
    if (path) {
        if (path->parent_path() != folder) __builtin_trap();
        const std::string file = path->filename().string();
        if (file.empty() || file == "." || file == ".." || file.find('/') != std::string::npos ||
            file.find('\0') != std::string::npos)
            __builtin_trap();
    }
    const MapDialogModel model(folder, name);
    if (model.name_refused() && model.picture_path()) __builtin_trap();
    if (model.picture_path() && model.picture_path()->parent_path() != folder) __builtin_trap();
    return 0;
}
