#include "core/store/named_table.h"

#include "core/store/duplicate_check.h"
#include "core/store/table_file.h"
#include "core/text/texts.h"
#include "core/text/utf8.h"

namespace vorla::store {

namespace {

std::string_view without_tilde(std::string_view s) {
    return !s.empty() && s.front() == '~' ? s.substr(1) : s;
}

}  // namespace

void NamedTable::load(const DataFolder& folder) {
    entries_ = read_table_file<NamedRecord>(folder, folder.file(file_name_), kCapacity).records;
}

std::size_t NamedTable::find_by_id(std::uint16_t id) const {
    if (id == 0) return 0;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].id == id) return i + 1;
    }
    return 0;
}

std::uint16_t NamedTable::find_by_name(std::string_view name) const {
    for (const NamedRecord& e : entries_) {
        if (e.name == name) return e.id;
    }
    return 0;
}

std::string NamedTable::name_of(std::uint16_t id) const {
    const std::size_t pos = find_by_id(id);
    return pos ? entries_[pos - 1].name : std::string();
}

std::string NamedTable::shown_name(std::string_view stored, bool hosts) {
    return std::string(hosts ? without_tilde(stored) : stored);
}

std::optional<std::size_t> NamedTable::duplicate_of(std::string_view name,
                                                    std::optional<std::size_t> except) const {
    const std::string_view wanted = hosts_ ? without_tilde(name) : name;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (except && *except == i) continue;
        const std::string_view have = hosts_ ? without_tilde(entries_[i].name) : entries_[i].name;
        if (text::equal_ignoring_case(have, wanted)) return i;
    }
    return std::nullopt;
}

std::uint16_t NamedTable::free_id() const {
    for (std::uint16_t id = kFirstId; id <= kLastId; ++id) {
        if (find_by_id(id) == 0) return id;
    }
    return kLastId + 1;
}

NameChange NamedTable::add(std::string_view name, const text::NameCollator& order) {
    NameChange result;
    if (const auto dup = duplicate_of(name, std::nullopt)) {
        result.duplicate_notice = duplicate_message(entries_[*dup].name, false);
        return result;
    }
    result.id = free_id();
    entries_.push_back(NamedRecord{std::string(name), result.id});
    sort(order);
    result.done = true;
    return result;
}

NameChange NamedTable::rename(std::size_t pos, std::string_view name,
                              const text::NameCollator& order) {
    NameChange result;
    if (pos >= entries_.size()) return result;
    if (const auto dup = duplicate_of(name, pos)) {
        result.duplicate_notice = duplicate_message(entries_[*dup].name, false);
        return result;
    }
    entries_[pos].name = std::string(name);
    result.id = entries_[pos].id;
    sort(order);
    result.done = true;
    return result;
}

void NamedTable::remove(std::size_t pos) {
    if (pos < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(pos));
}

void NamedTable::sort(const text::NameCollator& order) {
    order.sort(entries_, [](const NamedRecord& r) -> const std::string& { return r.name; });
}

bool NamedTable::save(const DataFolder& folder) const {
    if (entries_.empty()) return true;
    return write_table_file(folder, folder.file(file_name_), entries_);
}

}  // namespace vorla::store
