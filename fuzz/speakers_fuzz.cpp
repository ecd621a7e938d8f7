// Arbitrary bytes as speakers.dat and xtend.dat: load the brother index, save every brother
// with his extras, add and delete one; every brother must read back and ids stay unique.
#include <cstddef>
#include <cstdint>
#include <map>
#include <set>

#include "core/store/brother_index.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::store;
    static const vorla::text::NameCollator order("rus");
    // The first two bytes say where speakers.dat ends and xtend.dat begins.
    const std::size_t split =
        size < 2 ? 0 : std::min<std::size_t>(size - 2, data[0] | data[1] << 8);
    const std::uint8_t* body = size < 2 ? data : data + 2;
    const std::size_t body_size = size < 2 ? 0 : size - 2;
    const DataFolder& folder = vorla::fuzz::input_as(files::kSpeakers, body, split);
    vorla::fuzz::put(folder.file(files::kExtras), body + split, body_size - split);

    BrotherIndex index;
    index.load(folder, order);
    std::set<std::uint16_t> ids;
    for (std::size_t i = 0; i < index.size(); ++i) {
        if (!ids.insert(index.at(i).brother_id).second) __builtin_trap();
        const auto r = index.read(folder, i);
        if (!r || r->brother_id != index.at(i).brother_id || index.at(i).slot != r->brother_id)
            __builtin_trap();
        BrotherExtraRecord x = index.read_extra(folder, *r);
        if (i % 2) x.note = "fuzz";
        if (!index.update(folder, *r, x)) __builtin_trap();
    }
    BrotherRecord added;
    added.first_name = "Новый";
    added.last_name = "Брат";
    BrotherExtraRecord extra;
    extra.email = "a@b.c";
    const auto id = index.add(folder, added, extra);
    if (!id || ids.count(*id)) __builtin_trap();
    if (index.size() > 1) index.remove(folder, 0);
    index.sort(order);

    // Reloaded, the same brothers come back under the same ids with the same extras
    // (equal names may sort in another order).
    BrotherIndex again;
    again.load(folder, order);
    if (again.size() != index.size()) __builtin_trap();
    std::map<std::uint16_t, std::uint16_t> extras;
    for (const auto& e : index.entries())
        extras[e.brother_id] = e.xtend_no;
    for (const auto& e : again.entries()) {
        const auto it = extras.find(e.brother_id);
        if (it == extras.end() || it->second != e.xtend_no) __builtin_trap();
    }
    return 0;
}
