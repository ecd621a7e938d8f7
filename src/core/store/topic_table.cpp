#include "core/store/topic_table.h"

namespace vorla::store {

using text::TextId;

namespace {

constexpr int kDefaultTopics = 10;
// Default topic k is the k-th of the topic texts.
constexpr int kFirstTopicText = text::number_of(TextId::topic_bible_god);

}  // namespace

void TopicTable::load(const DataFolder& folder, const text::NameCollator& order,
                      const text::StringTable& texts) {
    // A file that could not be read is held; meanwhile the topics are those of a new folder.
    auto file = read_table_file<TopicRecord>(folder, folder.file(files::kTopics), kCapacity);
    if (file.found) {
        entries_ = std::move(file.records);
    } else {
        entries_.clear();
        for (int k = 1; k <= kDefaultTopics; ++k) {
            entries_.push_back(
                TopicRecord{texts.get(kFirstTopicText + k - 1), static_cast<std::uint16_t>(k)});
        }
    }
    sort(order);
}

}  // namespace vorla::store
