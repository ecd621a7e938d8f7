#pragma once
// The topics talks are grouped by (topic.dat): names with ids 1-99, kept in name order. Names
// are trimmed; an empty one does nothing.
#include <cstdint>

#include "core/store/data_folder.h"
#include "core/store/name_table.h"
#include "core/store/topic_record.h"
#include "core/text/collation.h"
#include "core/text/texts.h"

namespace vorla::store {

class TopicTable : public NameTable<TopicRecord, &TopicRecord::topic_name, &TopicRecord::topic_id> {
  public:
    static constexpr std::uint16_t kFirstId = 1;
    static constexpr std::uint16_t kLastId = 99;
    // Every id, and the one past them a full table hands out: no file holds more.
    static constexpr std::size_t kCapacity = kLastId - kFirstId + 2;

    TopicTable()
        : NameTable({.file_name = files::kTopics,
                     .first_id = kFirstId,
                     .last_id = kLastId,
                     .capacity = kCapacity,
                     .trims = true,
                     .tilde_hidden = false}) {}

    // Reads topic.dat, or builds topics 1-10 from the topic texts without writing; then sorts.
    void load(const DataFolder& folder, const text::NameCollator& order,
              const text::StringTable& texts = text::builtin_texts());
};

}  // namespace vorla::store
