#pragma once
// Import of a congregation's data package: the congregation is added or updated, the chosen
// brothers are added or updated with their extras, offices and unavailable weeks, and the
// brothers the package no longer lists are detached from the congregation.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/schedule/brother_name_lookup.h"
#include "core/schedule/package_format.h"
#include "core/store/document.h"

namespace vorla::schedule {

// The names a package brother goes by here: trimmed, and no longer than a brother record
// holds (someone else's program may write longer ones).
struct ImportedName {
    std::string first;
    std::string last;
    std::string label() const { return first + " " + last; }
};
ImportedName imported_name(const PackageBrother& b);

// The first congregation in index order whose name equals `name`, ignoring letter case.
std::optional<std::size_t> congregation_named(const store::Document& doc, std::string_view name);

struct ImportChoice {
    std::string name;                   // the congregation's name as the user left it
    std::uint16_t circuit_id = 0;       // 0 = none
    std::vector<std::size_t> brothers;  // the chosen package brothers (their positions)
    std::vector<std::uint16_t> detach;  // brothers who leave the congregation
};

struct ImportReport {
    std::string congregation;  // its name
    bool congregation_added = false;
    std::vector<std::string> added;    // "First Last" of each brother, in package order
    std::vector<std::string> updated;  // by the names they keep
    std::vector<std::string> detached;
    bool complete = true;  // false when a record could not be read or written
};

// What OK of the import dialog does. A week in the package counts only when it lies after
// today's week and inside the week window; unknown bits of the flag and role bytes are
// ignored.
ImportReport import_package(store::Document& doc, const Package& package,
                            const ImportChoice& choice);
// The same with the brothers' names looked up already (the dialog did); the brothers it adds
// are added to the lookup.
ImportReport import_package(store::Document& doc, const Package& package,
                            const ImportChoice& choice, BrotherNameLookup& names);

}  // namespace vorla::schedule
