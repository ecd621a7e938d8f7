#include "core/store/brother_book.h"

#include <span>

#include "core/io/file_ops.h"

namespace vorla::store {

namespace {

std::vector<std::uint8_t> whole(const Document& doc, std::string_view file) {
    return io::read_file(doc.folder().file(file)).bytes.value_or(std::vector<std::uint8_t>{});
}

}  // namespace

BrotherBook::BrotherBook(const Document& doc)
    : doc_(doc), records_(whole(doc, files::kSpeakers)), extras_(whole(doc, files::kExtras)) {}

std::optional<BrotherBook::Card> BrotherBook::card(std::uint16_t brother_id) const {
    const auto pos = doc_.brothers().find(brother_id);
    if (!pos) return std::nullopt;
    const std::size_t at_slot = std::size_t{doc_.brothers().at(*pos).slot} * BrotherRecord::kSize;
    if (at_slot + BrotherRecord::kSize > records_.size()) return std::nullopt;
    Card card{BrotherRecord::decode(std::span<const std::uint8_t, BrotherRecord::kSize>(
                  records_.data() + at_slot, BrotherRecord::kSize)),
              {}};
    if (card.record.brother_id != brother_id) return std::nullopt;
    // An extra record counts only when it names him, as when it is read on its own.
    BrotherExtraRecord extra;
    const std::size_t size = BrotherExtraRecord::kSize;
    const std::size_t at = (std::size_t{card.record.xtend_no} - 1) * size;
    if (card.record.xtend_no != 0 && at + size <= extras_.size()) {
        const BrotherExtraRecord read = BrotherExtraRecord::decode(
            std::span<const std::uint8_t, BrotherExtraRecord::kSize>(extras_.data() + at, size));
        if (read.brother_id == brother_id) extra = read;
    }
    card.phones = phone_list(card.record, extra);
    return card;
}

}  // namespace vorla::store
