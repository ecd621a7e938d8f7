#pragma once
// Every brother's record and extra record from one read of speakers.dat and xtend.dat, for
// the lists that show hundreds of brothers: reading each brother's files on his own would
// open them three times over per brother.
#include <cstdint>
#include <optional>
#include <vector>

#include "core/store/brother_contacts.h"
#include "core/store/document.h"

namespace vorla::store {

class BrotherBook {
  public:
    explicit BrotherBook(const Document& doc);

    struct Card {
        BrotherRecord record;
        PhoneList phones;
    };
    // His record and how he is reached, as his files held them when the book was read;
    // nothing when his record is not there (or belongs to someone else).
    std::optional<Card> card(std::uint16_t brother_id) const;

  private:
    const Document& doc_;
    std::vector<std::uint8_t> records_;  // the whole of speakers.dat, record n at slot n
    std::vector<std::uint8_t> extras_;   // the whole of xtend.dat
};

}  // namespace vorla::store
