#include "core/reports/print_pages.h"

#include <algorithm>

namespace vorla::reports {

std::vector<int> print_page_sequence(int from, int to, int page_count, int copies,
                                     bool driver_copies) {
    // 0 for either end of the range means "all", as the print dialogs say.
    from = from <= 0 ? 1 : from;
    to = to <= 0 ? page_count : std::min(to, page_count);
    const int rounds = driver_copies ? 1 : std::max(copies, 1);
    std::vector<int> pages;
    if (from > to) return pages;
    for (int round = 0; round < rounds; ++round) {
        for (int p = from; p <= to; ++p)
            pages.push_back(p);
    }
    return pages;
}

}  // namespace vorla::reports
