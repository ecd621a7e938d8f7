#include "core/store/topic_table.h"

#include "core/store/table_file.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::store {

using text::TextId;

namespace {

constexpr int kDefaultTopics = 10;
// Default topic k is the k-th of the topic texts.
constexpr int kFirstTopicText = text::number_of(TextId::topic_bible_god);
constexpr std::size_t kNoEntry = static_cast<std::size_t>(-1);

NameChange refused(const TopicRecord& existing) {
    NameChange r;
    r.duplicate_notice = existing.topic_name + " " + text::text(TextId::duplicate_name) + "\n\n";
    return r;
}

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

std::size_t TopicTable::find_by_id(std::uint16_t id) const {
    if (id == 0) return 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].topic_id == id) return i + 1;
    }
    return 0;
}

std::string TopicTable::name_of(std::uint16_t id) const {
    const std::size_t pos = find_by_id(id);
    return pos ? entries_[pos - 1].topic_name : std::string();
}

const TopicRecord* TopicTable::duplicate_of(std::string_view name, std::size_t except) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (i != except && text::equal_ignoring_case(entries_[i].topic_name, name))
            return &entries_[i];
    }
    return nullptr;
}

std::uint16_t TopicTable::free_id() const {
    for (std::uint16_t id = kFirstId; id <= kLastId; ++id) {
        if (find_by_id(id) == 0) return id;
    }
    return kLastId + 1;
}

NameChange TopicTable::add(std::string_view name, const text::NameCollator& order) {
    name = text::trim(name);
    if (name.empty()) return {};
    if (const TopicRecord* dup = duplicate_of(name, kNoEntry)) return refused(*dup);
    NameChange result;
    result.id = free_id();
    entries_.push_back(TopicRecord{std::string(name), result.id});
    sort(order);
    result.done = true;
    return result;
}

NameChange TopicTable::rename(std::size_t pos, std::string_view name,
                              const text::NameCollator& order) {
    name = text::trim(name);
    if (pos >= entries_.size() || name.empty()) return {};
    if (const TopicRecord* dup = duplicate_of(name, pos)) return refused(*dup);
    entries_[pos].topic_name = std::string(name);
    NameChange result;
    result.id = entries_[pos].topic_id;
    sort(order);
    result.done = true;
    return result;
}

void TopicTable::remove(std::size_t pos) {
    if (pos < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(pos));
}

void TopicTable::sort(const text::NameCollator& order) {
    order.sort(entries_, [](const TopicRecord& r) -> const std::string& { return r.topic_name; });
}

bool TopicTable::save(const DataFolder& folder) const {
    if (entries_.empty()) return true;
    return write_table_file(folder, folder.file(files::kTopics), entries_);
}

}  // namespace vorla::store
