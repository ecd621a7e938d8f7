#pragma once
// Name order: trimmed names compared case-insensitively by the collation of the
// build's language. Used for brothers, congregations, circuits, hosts and topics.
#include <algorithm>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include <unicode/uversion.h>

U_NAMESPACE_BEGIN
class Collator;
U_NAMESPACE_END

namespace vorla::text {

class NameCollator {
  public:
    // language_code is the program's language code ("rus" gives Russian collation).
    explicit NameCollator(std::string_view language_code = "rus");
    ~NameCollator();
    NameCollator(const NameCollator&) = delete;
    NameCollator& operator=(const NameCollator&) = delete;

    // <0, 0, >0 like strcmp; both names are trimmed first.
    int compare(std::string_view a, std::string_view b) const;
    // A byte string whose plain order is the name order of the trimmed name.
    std::string sort_key(std::string_view name) const;

    // Stable sort of items by name (equal names keep their order). Keys are computed once,
    // so large indexes sort in O(n log n) collator work.
    template <class T, class NameOf>
    void sort(std::vector<T>& items, NameOf name_of) const {
        std::vector<std::pair<std::string, std::size_t>> keys;
        keys.reserve(items.size());
        for (std::size_t i = 0; i < items.size(); ++i)
            keys.emplace_back(sort_key(name_of(items[i])), i);
        std::stable_sort(keys.begin(), keys.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<T> sorted;
        sorted.reserve(items.capacity());
        for (const auto& k : keys)
            sorted.push_back(std::move(items[k.second]));
        items = std::move(sorted);
    }

    // The same order when the first `sorted` items are in it already and more were appended:
    // only the appended ones are sorted, then merged in after their equals, so adding a few
    // entries to a large index costs a few comparisons each instead of a key per entry.
    template <class T, class NameOf>
    void sort_appended(std::vector<T>& items, std::size_t sorted, NameOf name_of) const {
        if (sorted >= items.size()) return;
        std::vector<std::pair<std::string, std::size_t>> added;
        added.reserve(items.size() - sorted);
        for (std::size_t i = sorted; i < items.size(); ++i)
            added.emplace_back(sort_key(name_of(items[i])), i);
        std::stable_sort(added.begin(), added.end(),
                         [](const auto& a, const auto& b) { return a.first < b.first; });
        std::vector<T> merged;
        merged.reserve(items.capacity());
        std::size_t next = 0;  // the first item of the sorted part not yet taken
        for (const auto& a : added) {
            const auto name = name_of(items[a.second]);
            // The first sorted item that comes after the appended one.
            std::size_t lo = next, hi = sorted;
            while (lo < hi) {
                const std::size_t mid = lo + (hi - lo) / 2;
                if (compare(name, name_of(items[mid])) < 0) {
                    hi = mid;
                } else {
                    lo = mid + 1;
                }
            }
            for (; next < lo; ++next)
                merged.push_back(std::move(items[next]));
            merged.push_back(std::move(items[a.second]));
        }
        for (; next < sorted; ++next)
            merged.push_back(std::move(items[next]));
        items = std::move(merged);
    }

  private:
    std::unique_ptr<icu::Collator> collator_;
};

// The ICU locale name for a language code ("rus" -> "ru"); empty for the root collation.
std::string locale_for_language(std::string_view language_code);

}  // namespace vorla::text
