#pragma once
// A small table of names with ids from 30001: the circuits (circuit.dat) and the hospitality
// hosts (hospital.dat). Both are kept sorted by name and rewritten whole after each change.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/data_folder.h"
#include "core/store/named_record.h"
#include "core/text/collation.h"

namespace vorla::store {

// The outcome of an add or rename refused as a duplicate: the notice to show.
struct NameChange {
    bool done = false;
    std::uint16_t id = 0;  // the entry's id when done
    std::string
        duplicate_notice;  // the existing name, " ", "дублирующее имя." and "\n\n" when refused
};

class NamedTable {
  public:
    static constexpr std::uint16_t kFirstId = 30001;
    static constexpr std::uint16_t kLastId = 30999;
    // Every id, and the one past them a full table hands out: no file holds more.
    static constexpr std::size_t kCapacity = kLastId - kFirstId + 2;

    // hosts: a leading "~" does not count when names are compared for duplicates.
    NamedTable(std::string_view file_name, bool hosts) : file_name_(file_name), hosts_(hosts) {}

    // Reads the file as it stands (no sorting); a missing file gives an empty table.
    void load(const DataFolder& folder);

    const std::vector<NamedRecord>& entries() const { return entries_; }
    std::size_t size() const { return entries_.size(); }
    const NamedRecord& at(std::size_t pos) const { return entries_.at(pos); }

    // 1-based position of the id, 0 when absent (or id 0).
    std::size_t find_by_id(std::uint16_t id) const;
    // The id of the entry with exactly this name (letter case counts), 0 when none.
    std::uint16_t find_by_name(std::string_view name) const;
    // The stored name of the id, empty when absent.
    std::string name_of(std::uint16_t id) const;
    // The name as lists show it: a host's leading "~" is left out.
    static std::string shown_name(std::string_view stored, bool hosts);

    // Adds an entry with the lowest free id (30001 up; 30999 + 1 when all are taken) and
    // sorts. A duplicate name is refused.
    NameChange add(std::string_view name, const text::NameCollator& order);
    // Renames the entry at pos (0-based), keeping its id. A duplicate name is refused.
    NameChange rename(std::size_t pos, std::string_view name, const text::NameCollator& order);
    // Removes the entry at pos; later entries move down.
    void remove(std::size_t pos);
    void sort(const text::NameCollator& order);

    // Rewrites the file whole; an empty table leaves the old file as it is.
    bool save(const DataFolder& folder) const;

  private:
    std::optional<std::size_t> duplicate_of(std::string_view name,
                                            std::optional<std::size_t> except) const;
    std::uint16_t free_id() const;

    std::string_view file_name_;
    bool hosts_;
    std::vector<NamedRecord> entries_;
};

}  // namespace vorla::store
