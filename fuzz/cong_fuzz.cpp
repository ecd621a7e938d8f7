// Arbitrary bytes as cong.dat: load the congregation index, write every congregation back,
// add and delete one; every congregation must read back and ids stay unique.
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>
#include <string>

#include "core/store/congregation_index.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::store;
    static const vorla::text::NameCollator order("rus");
    const DataFolder& folder = vorla::fuzz::input_as(files::kCongregations, data, size);

    CongregationIndex index;
    index.load(folder, order);
    std::set<std::uint16_t> ids;
    for (std::size_t i = 0; i < index.size(); ++i) {
        if (!ids.insert(index.at(i).cong_id).second) __builtin_trap();
        const auto r = index.read(folder, i);
        if (!r || r->cong_id != index.at(i).cong_id) __builtin_trap();
        if (!index.write(folder, *r)) __builtin_trap();
        index.check_duplicate(r->name, i);
    }
    CongregationRecord added;
    added.name = "Новое";
    const auto id = index.add(folder, added);
    if (!id || ids.count(*id)) __builtin_trap();
    if (index.size() > 1) index.remove(folder, index.size() - 1);
    index.sort(order);

    // Reloaded, the same congregations come back under the same ids with the names as the
    // file holds them (equal names may sort in another order).
    CongregationIndex again;
    again.load(folder, order);
    if (again.size() != index.size()) __builtin_trap();
    std::map<std::uint16_t, std::string> before;
    for (const auto& e : index.entries()) {
        CongregationRecord r;
        r.name = e.name;
        before[e.cong_id] = CongregationRecord::decode(r.encode()).name;
    }
    for (const auto& e : again.entries()) {
        const auto it = before.find(e.cong_id);
        if (it == before.end() || it->second != e.name) __builtin_trap();
    }
    return 0;
}
