#include "core/store/wish_list.h"

#include "core/io/file_ops.h"
#include "core/text/string_table.h"

namespace vorla::store {

void WishList::load(const DataFolder& folder) {
    record_ = WishListRecord{};
    const auto bytes = io::read_file(folder.file(files::kWishList));
    if (!bytes || bytes->size() < WishListRecord::kSize) return;
    record_ = WishListRecord::decode(
        std::span<const std::uint8_t, WishListRecord::kSize>(bytes->data(), WishListRecord::kSize));
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
    const auto bytes = record_.encode();
    const fs::path path = folder.file(files::kWishList);
    if (io::replace_file(path, bytes)) return true;
    folder.report_write_failure(path);
    return false;
}

}  // namespace vorla::store
