#pragma once
// The topics talks are grouped by (topic.dat): names with ids 1-99, kept in name order.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/data_folder.h"
#include "core/store/named_table.h"
#include "core/store/topic_record.h"
#include "core/text/collation.h"
#include "core/text/texts.h"

namespace vorla::store {

class TopicTable {
  public:
    static constexpr std::uint16_t kFirstId = 1;
    static constexpr std::uint16_t kLastId = 99;
    // Every id, and the one past them a full table hands out: no file holds more.
    static constexpr std::size_t kCapacity = kLastId - kFirstId + 2;

    // Reads topic.dat, or builds topics 1-10 from the topic texts without writing; then sorts.
    void load(const DataFolder& folder, const text::NameCollator& order,
              const text::StringTable& texts = text::builtin_texts());

    const std::vector<TopicRecord>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    const TopicRecord& at(std::size_t pos) const { return entries_.at(pos); }

    // 1-based position of the id, 0 when absent (or id 0).
    std::size_t find_by_id(std::uint16_t id) const;
    // The name of the id, empty when absent.
    std::string name_of(std::uint16_t id) const;

    // Names are trimmed; an empty name does nothing, a duplicate (any letter case) is
    // refused with its notice. A new topic gets the smallest free id (100 when 1-99 are taken).
    NameChange add(std::string_view name, const text::NameCollator& order);
    // Renames the entry at pos (0-based), keeping its id.
    NameChange rename(std::size_t pos, std::string_view name, const text::NameCollator& order);
    // Removes the entry at pos; the caller removes its id from the talks.
    void remove(std::size_t pos);
    void sort(const text::NameCollator& order);

    // Rewrites the file whole; an empty table leaves the old file as it is.
    bool save(const DataFolder& folder) const;

  private:
    const TopicRecord* duplicate_of(std::string_view name, std::size_t except) const;
    std::uint16_t free_id() const;

    std::vector<TopicRecord> entries_;
};

}  // namespace vorla::store
