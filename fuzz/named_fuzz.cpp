// Arbitrary bytes as circuit.dat or hospital.dat (the first byte chooses): load the names,
// add, rename and remove, save; ids stay unique and what was saved loads back the same.
#include <cstddef>
#include <cstdint>
#include <set>
#include <string>

#include "core/store/named_table.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::store;
    static const vorla::text::NameCollator order("rus");
    const bool hosts = size > 0 && (data[0] & 1);
    const std::string_view file = hosts ? files::kHosts : files::kCircuits;
    const DataFolder& folder =
        vorla::fuzz::input_as(file, size ? data + 1 : data, size ? size - 1 : 0);

    NamedTable table(file, hosts);
    table.load(folder);
    if (table.size() > NamedTable::kCapacity) __builtin_trap();
    const std::uint8_t pick = size > 1 ? data[1] : 0;
    if (table.size() > 1) table.remove(pick % table.size());
    // A name from the input's last bytes; hosts may start with "~", which duplicates ignore.
    std::string name = hosts && (pick & 2) ? "~" : "";
    for (std::size_t k = size > 10 ? size - 10 : 0; k < size; ++k)
        name += static_cast<char>('a' + data[k] % 26);
    const NameChange added = table.add(name, order);
    if (added.done) {
        if (table.find_by_id(added.id) == 0 || table.find_by_name(name) != added.id)
            __builtin_trap();
    } else if (added.duplicate_notice.empty()) {
        __builtin_trap();
    }
    if (table.size() > 0) table.rename(0, table.at(0).name + "x", order);
    if (!table.save(folder)) __builtin_trap();

    // What the file could not hold is settled by the first reload; then nothing changes.
    NamedTable saved(file, hosts);
    saved.load(folder);
    std::set<std::uint16_t> ids;
    for (const NamedRecord& r : saved.entries())
        ids.insert(r.id);
    if (!saved.save(folder)) __builtin_trap();
    NamedTable again(file, hosts);
    again.load(folder);
    if (again.entries() != saved.entries()) __builtin_trap();
    return 0;
}
