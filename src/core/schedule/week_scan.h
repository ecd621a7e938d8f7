#pragma once
// Searches of the week table that the pages and pickers share: when a talk was last heard,
// when a speaker or a congregation last came to our hall, whether a brother served before.
// Every search stays inside the table's window; weeks outside it are empty.
#include <cstdint>
#include <optional>
#include <vector>

#include "core/calendar/week.h"
#include "core/store/week_table.h"
#include "core/text/talk_set.h"

namespace vorla::schedule {

// The latest week from `from` down to `down_to` (both included, clipped to the window)
// whose record passes `match`.
template <class Match>
std::optional<calendar::WeekIndex> latest_week(const store::WeekTable& weeks,
                                               calendar::WeekIndex from,
                                               calendar::WeekIndex down_to, Match match) {
    const calendar::WeekIndex top = std::min(from, weeks.last());
    const calendar::WeekIndex bottom = std::max(down_to, weeks.first());
    for (calendar::WeekIndex i = top; i >= bottom; --i) {
        if (match(weeks.at(i))) return i;
    }
    return std::nullopt;
}

// The latest week up to `from` in which talk n was given in our hall.
std::optional<calendar::WeekIndex> last_week_of_talk(const store::WeekTable& weeks, int talk_no,
                                                     calendar::WeekIndex from);
// The talks given in our hall in the weeks from `from` down to `down_to`.
text::TalkSet talks_given(const store::WeekTable& weeks, calendar::WeekIndex from,
                          calendar::WeekIndex down_to);
// Whether the brother spoke in our hall or went out in some week of the window before i.
bool served_before(const store::WeekTable& weeks, std::uint16_t brother_id, calendar::WeekIndex i);

// For many brothers or congregations at once: the latest week per id (by brother or
// congregation id), one pass over the table.
class LatestById {
  public:
    std::optional<calendar::WeekIndex> of(std::uint16_t id) const;
    void note(std::uint16_t id, calendar::WeekIndex i);

  private:
    std::vector<std::int32_t> weeks_ = std::vector<std::int32_t>(65536, -1);
};

// The latest visit of every speaker, up to `from`.
LatestById speaker_visits(const store::WeekTable& weeks, calendar::WeekIndex from);
// The latest week each congregation sent the speaker of our hall, from `from` down to `down_to`.
LatestById congregation_visits(const store::WeekTable& weeks, calendar::WeekIndex from,
                               calendar::WeekIndex down_to);

}  // namespace vorla::schedule
