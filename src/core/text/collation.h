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
        sorted.reserve(items.size());
        for (const auto& k : keys)
            sorted.push_back(std::move(items[k.second]));
        items = std::move(sorted);
    }

  private:
    std::unique_ptr<icu::Collator> collator_;
};

// The ICU locale name for a language code ("rus" -> "ru"); empty for the root collation.
std::string locale_for_language(std::string_view language_code);

}  // namespace vorla::text
