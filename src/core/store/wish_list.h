#pragma once
// The talks-we-need list (wishlist.dat): which talks are wanted and with what priority.
#include <string>

#include "core/store/data_folder.h"
#include "core/store/wish_list_record.h"

namespace vorla::store {

class WishList {
  public:
    enum class Priority { high, medium, low };

    // A missing file (or one too short to hold the record) gives an empty list.
    void load(const DataFolder& folder);

    const WishListRecord& record() const { return record_; }
    // The list editor works on a copy and hands the whole record back.
    void set_record(const WishListRecord& record) { record_ = record; }

    bool is_wanted(int talk_no) const { return record_.wanted.has(talk_no); }
    // High, low, otherwise medium; high wins should both bits be set.
    Priority priority(int talk_no) const;
    // The word for a priority: "Высокий", "Средний", "Низкий".
    static std::string priority_text(Priority priority);
    // Off the list: its wanted and both priority bits are cleared.
    void remove(int talk_no);

    // Writes the whole record; a failure is reported to the user.
    bool save(const DataFolder& folder) const;

  private:
    WishListRecord record_;
};

}  // namespace vorla::store
