#pragma once
// A small table of names with ids, kept in name order and rewritten whole after each change:
// the circuits, the hospitality hosts and the topics. A name is refused when another entry has
// it in any letter case; a new entry takes the lowest free id of the table's range.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/data_folder.h"
#include "core/store/duplicate_check.h"
#include "core/store/table_file.h"
#include "core/text/collation.h"

namespace vorla::store {

// The outcome of an add or rename.
struct NameChange {
    bool done = false;
    std::uint16_t id = 0;  // the entry's id when done
    // When refused as a duplicate: the existing name, " ", "дублирующее имя." and "\n\n".
    std::string duplicate_notice;
};

// What sets one table of names apart from another.
struct NameTableRules {
    std::string_view file_name;
    std::uint16_t first_id = 0;
    std::uint16_t last_id = 0;  // when every id is taken, the next is last_id + 1
    std::size_t capacity = 0;   // the most records read from the file
    bool trims = false;         // names are trimmed, and an empty name does nothing
    bool tilde_hidden = false;  // a leading "~" does not count when names are compared
};

// True when `a` and `b` are the same name for a table with these rules.
bool same_name(std::string_view a, std::string_view b, const NameTableRules& rules);
// The name to store for what was typed: trimmed when the rules say so.
std::string_view typed_name(std::string_view name, const NameTableRules& rules);

// Record is a table-file record; Name and Id are its name and id fields.
template <class Record, std::string Record::*Name, std::uint16_t Record::*Id>
class NameTable {
  public:
    explicit NameTable(NameTableRules rules) : rules_(rules) {}

    // Reads the file as it stands (no sorting); a missing file gives an empty table.
    void load(const DataFolder& folder) {
        entries_ =
            read_table_file<Record>(folder, folder.file(rules_.file_name), rules_.capacity).records;
    }

    const std::vector<Record>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    const Record& at(std::size_t pos) const { return entries_.at(pos); }
    const std::string& name_at(std::size_t pos) const { return entries_.at(pos).*Name; }
    std::uint16_t id_at(std::size_t pos) const { return entries_.at(pos).*Id; }

    // 1-based position of the id, 0 when absent (or id 0).
    std::size_t find_by_id(std::uint16_t id) const {
        if (id == 0) return 0;
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (entries_[i].*Id == id) return i + 1;
        }
        return 0;
    }
    // The id of the entry with exactly this name (letter case counts), 0 when none.
    std::uint16_t find_by_name(std::string_view name) const {
        for (const Record& e : entries_) {
            if (e.*Name == name) return e.*Id;
        }
        return 0;
    }
    // The stored name of the id, empty when absent.
    std::string name_of(std::uint16_t id) const {
        const std::size_t pos = find_by_id(id);
        return pos ? entries_[pos - 1].*Name : std::string();
    }

    // Adds an entry with the lowest free id and sorts. A duplicate name is refused.
    NameChange add(std::string_view name, const text::NameCollator& order) {
        name = typed_name(name, rules_);
        if (rules_.trims && name.empty()) return {};
        if (const auto dup = duplicate_of(name, std::nullopt)) return refused(*dup);
        NameChange result;
        result.id = free_id();
        Record r;
        r.*Name = std::string(name);
        r.*Id = result.id;
        entries_.push_back(std::move(r));
        sort(order);
        result.done = true;
        return result;
    }
    // Renames the entry at pos (0-based), keeping its id. A duplicate name is refused.
    NameChange rename(std::size_t pos, std::string_view name, const text::NameCollator& order) {
        name = typed_name(name, rules_);
        if (pos >= entries_.size() || (rules_.trims && name.empty())) return {};
        if (const auto dup = duplicate_of(name, pos)) return refused(*dup);
        entries_[pos].*Name = std::string(name);
        NameChange result;
        result.id = entries_[pos].*Id;
        sort(order);
        result.done = true;
        return result;
    }
    // Removes the entry at pos; later entries move down.
    void remove(std::size_t pos) {
        if (pos < entries_.size())
            entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(pos));
    }
    void sort(const text::NameCollator& order) {
        order.sort(entries_, [](const Record& r) -> const std::string& { return r.*Name; });
    }

    // Rewrites the file whole; an empty table leaves the old file as it is.
    bool save(const DataFolder& folder) const {
        if (entries_.empty()) return true;
        return write_table_file(folder, folder.file(rules_.file_name), entries_);
    }
    // The same after an editor's change, except that an empty table empties an existing
    // file: a last entry deleted must not come back at the next start.
    bool save_edited(const DataFolder& folder) const {
        const fs::path path = folder.file(rules_.file_name);
        if (entries_.empty() && !io::file_exists(path)) return true;
        return write_table_file(folder, path, entries_);
    }

  protected:
    std::vector<Record> entries_;

  private:
    std::optional<std::size_t> duplicate_of(std::string_view name,
                                            std::optional<std::size_t> except) const {
        for (std::size_t i = 0; i < entries_.size(); ++i) {
            if (i != except && same_name(entries_[i].*Name, name, rules_)) return i;
        }
        return std::nullopt;
    }
    NameChange refused(std::size_t pos) const {
        NameChange r;
        r.duplicate_notice = duplicate_message(entries_[pos].*Name, false);
        return r;
    }
    std::uint16_t free_id() const {
        for (std::uint16_t id = rules_.first_id; id <= rules_.last_id; ++id) {
            if (find_by_id(id) == 0) return id;
        }
        return static_cast<std::uint16_t>(rules_.last_id + 1);
    }

    NameTableRules rules_;
};

}  // namespace vorla::store
