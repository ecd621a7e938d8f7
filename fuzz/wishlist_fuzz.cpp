// Arbitrary bytes as wishlist.dat: load the list, take talks off it, save; what was saved must
// load back the same.
#include <stdlib.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/io/prompter.h"
#include "core/store/wish_list.h"

namespace {

namespace fs = std::filesystem;

// One scratch data folder per fuzzing process, removed at exit.
struct Scratch {
    fs::path dir;
    Scratch() {
        std::string pattern = (fs::temp_directory_path() / "vorla-fuzz-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) __builtin_trap();
        dir = pattern;
    }
    ~Scratch() {
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
};

void put(const fs::path& file, const std::uint8_t* data, std::size_t size) {
    std::error_code ec;
    fs::remove_all(file, ec);
    if (size == 0) return;  // no bytes: the file is missing
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::store;
    static Scratch scratch;
    vorla::io::SilentPrompter prompter;
    const DataFolder folder(scratch.dir, prompter);
    put(folder.file(files::kWishList), data, size);

    WishList list;
    list.load(folder);
    for (std::size_t k = 0; k < size && k < 4; ++k) {
        const int talk = data[k] + 1;
        const int p = list.priority(talk);
        if (p < WishList::kHigh || p > WishList::kLow || WishList::priority_text(p).empty())
            __builtin_trap();
        list.remove(talk);
        if (list.is_wanted(talk) || list.priority(talk) != WishList::kMedium) __builtin_trap();
    }
    if (!list.save(folder)) __builtin_trap();
    if (fs::file_size(folder.file(files::kWishList)) != WishListRecord::kSize) __builtin_trap();

    WishList saved;
    saved.load(folder);
    if (!(saved.record() == list.record())) __builtin_trap();
    return 0;
}
