#include "core/store/wish_list.h"

#include "core/io/file_ops.h"
#include "core/text/string_table.h"

namespace vorla::store {

void WishList::load(const DataFolder& folder) {
    record_ = WishListRecord{};
    const io::FileRead file = folder.read(folder.file(files::kWishList), WishListRecord::kSize);
    if (!file.bytes || file.bytes->size() < WishListRecord::kSize) return;
    record_ = WishListRecord::decode(std::span<const std::uint8_t, WishListRecord::kSize>(
        file.bytes->data(), WishListRecord::kSize));
}

int WishList::priority(int talk_no) const {
    if (record_.wanted_high.has(talk_no)) return kHigh;
    if (record_.wanted_low.has(talk_no)) return kLow;
    return kMedium;
}

std::string WishList::priority_text(int priority) {
    switch (priority) {
        case kHigh:
            return text::text(1263);
        case kLow:
            return text::text(1261);
        default:
            return text::text(1262);
    }
}

void WishList::remove(int talk_no) {
    record_.wanted.clear(talk_no);
    record_.wanted_high.clear(talk_no);
    record_.wanted_low.clear(talk_no);
}

bool WishList::save(const DataFolder& folder) const {
    return folder.replace(folder.file(files::kWishList), record_.encode());
}

}  // namespace vorla::store
