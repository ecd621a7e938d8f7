// Arbitrary bytes as wishlist.dat: load the list, take talks off it, save; what was saved must
// load back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/store/wish_list.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::store;
    const DataFolder& folder = vorla::fuzz::input_as(files::kWishList, data, size);

    WishList list;
    list.load(folder);
    for (std::size_t k = 0; k < size && k < 4; ++k) {
        const int talk = data[k] + 1;
        if (WishList::priority_text(list.priority(talk)).empty()) __builtin_trap();
        list.remove(talk);
        if (list.is_wanted(talk) || list.priority(talk) != WishList::Priority::medium)
            __builtin_trap();
    }
    if (!list.save(folder)) __builtin_trap();
    if (fs::file_size(folder.file(files::kWishList)) != WishListRecord::kSize) __builtin_trap();

    WishList saved;
    saved.load(folder);
    if (!(saved.record() == list.record())) __builtin_trap();
    return 0;
}
