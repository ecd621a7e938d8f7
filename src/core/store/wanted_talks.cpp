#include "core/store/wanted_talks.h"

#include <algorithm>

namespace vorla::store {

namespace {
constexpr const char* kNeverHeard = "    -";
constexpr int kWeeksAhead = 78;  // planned weeks count as heard
}  // namespace

std::vector<WantedTalk> wanted_talks(const Document& doc, const WishList& list) {
    const WeekTable& weeks = doc.weeks();
    // One pass down the window: the first week met with a talk is its latest.
    std::vector<std::string> last_heard(kListedWantedTalks + 1);
    const calendar::WeekIndex top =
        std::min(calendar::WeekIndex(doc.current_week().value + kWeeksAhead), weeks.last());
    for (calendar::WeekIndex i = top; i >= weeks.first(); --i) {
        const int n = weeks.at(i).talk_no;
        if (n < 1 || n > kListedWantedTalks || !list.is_wanted(n) ||
            !last_heard[static_cast<std::size_t>(n)].empty())
            continue;
        last_heard[static_cast<std::size_t>(n)] = doc.date_label(
            i.number(), calendar::LabelStyle::short_month | calendar::LabelStyle::with_year);
    }
    std::vector<WantedTalk> talks;
    for (int n = 1; n <= kListedWantedTalks; ++n) {
        if (!list.is_wanted(n)) continue;
        const std::string& heard = last_heard[static_cast<std::size_t>(n)];
        talks.push_back({n, list.priority(n), heard.empty() ? kNeverHeard : heard});
    }
    return talks;
}

}  // namespace vorla::store
