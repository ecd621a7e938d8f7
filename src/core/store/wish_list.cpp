#include "core/store/wish_list.h"

#include "core/io/file_ops.h"
#include "core/text/texts.h"

namespace vorla::store {

using text::TextId;

void WishList::load(const DataFolder& folder) {
    record_ = WishListRecord{};
    const io::FileRead file = folder.read(folder.file(files::kWishList), WishListRecord::kSize);
    if (!file.bytes || file.bytes->size() < WishListRecord::kSize) return;
    record_ = WishListRecord::decode(std::span<const std::uint8_t, WishListRecord::kSize>(
        file.bytes->data(), WishListRecord::kSize));
}

WishList::Priority WishList::priority(int talk_no) const {
    if (record_.wanted_high.has(talk_no)) return Priority::high;
    if (record_.wanted_low.has(talk_no)) return Priority::low;
    return Priority::medium;
}

std::string WishList::priority_text(Priority priority) {
    switch (priority) {
        case Priority::high:
            return text::text(TextId::wish_priority_high);
        case Priority::low:
            return text::text(TextId::wish_priority_low);
        case Priority::medium:
            break;
    }
    return text::text(TextId::wish_priority_medium);
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
