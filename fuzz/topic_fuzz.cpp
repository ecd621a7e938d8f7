// Arbitrary bytes as topic.dat: load the topics, add, rename and remove, save; what was saved
// must load back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/store/topic_table.h"
#include "support/scratch_folder.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace vorla::store;
    static const vorla::text::NameCollator order("rus");
    const DataFolder& folder = vorla::fuzz::input_as(files::kTopics, data, size);

    TopicTable topics;
    topics.load(folder, order);
    const std::uint8_t pick = size ? data[0] : 0;
    if (topics.size() > 1) topics.remove(pick % topics.size());
    // A name made of the input's last bytes, as Windows-1251 letters would read.
    std::string name;
    for (std::size_t k = size > 12 ? size - 12 : 0; k < size; ++k)
        name += static_cast<char>('a' + data[k] % 26);
    const NameChange added = topics.add(name + "\xD1\x82", order);  // + "т"
    if (added.done && topics.find_by_id(added.id) == 0) __builtin_trap();
    if (topics.size() > 0) topics.rename(0, topics.at(0).topic_name + " 2", order);
    if (topics.size() == 0) __builtin_trap();  // the add above left at least one topic
    if (!topics.save(folder)) __builtin_trap();

    // The first reload settles what the file could not hold; from then on a save and a load
    // change nothing, order included.
    TopicTable saved;
    saved.load(folder, order);
    if (!saved.save(folder)) __builtin_trap();
    TopicTable again;
    again.load(folder, order);
    if (again.entries() != saved.entries()) __builtin_trap();
    return 0;
}
