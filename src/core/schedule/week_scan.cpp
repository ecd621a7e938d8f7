#include "core/schedule/week_scan.h"

#include <algorithm>

namespace vorla::schedule {

using calendar::WeekIndex;

namespace {
// Every week from `from` down to `down_to`, latest first.
template <class Visit>
void each_week_down(const store::WeekTable& weeks, WeekIndex from, WeekIndex down_to, Visit visit) {
    const WeekIndex top = std::min(from, weeks.last());
    for (WeekIndex i = top; i >= std::max(down_to, weeks.first()); --i)
        visit(i, weeks.at(i));
}
}  // namespace

std::optional<WeekIndex> last_week_of_talk(const store::WeekTable& weeks, int talk_no,
                                           WeekIndex from) {
    if (talk_no == 0) return std::nullopt;
    return latest_week(weeks, from, weeks.first(),
                       [&](const store::WeekRecord& w) { return w.talk_no == talk_no; });
}

bool served_before(const store::WeekTable& weeks, std::uint16_t brother_id, WeekIndex i) {
    if (brother_id == 0) return false;
    return latest_week(weeks, i - 1, weeks.first(),
                       [&](const store::WeekRecord& w) {
                           return w.speaker_id == brother_id ||
                                  std::find(w.out_speaker_id.begin(), w.out_speaker_id.end(),
                                            brother_id) != w.out_speaker_id.end();
                       })
        .has_value();
}

std::optional<WeekIndex> LatestById::of(std::uint16_t id) const {
    if (id == 0 || weeks_[id] < 0) return std::nullopt;
    return WeekIndex(weeks_[id]);
}

void LatestById::note(std::uint16_t id, WeekIndex i) {
    if (id != 0 && weeks_[id] < 0) weeks_[id] = i.value;
}

text::TalkSet talks_given(const store::WeekTable& weeks, WeekIndex from, WeekIndex down_to) {
    text::TalkSet given;
    each_week_down(weeks, from, down_to,
                   [&](WeekIndex, const store::WeekRecord& w) { given.set(w.talk_no); });
    return given;
}

LatestById speaker_visits(const store::WeekTable& weeks, WeekIndex from) {
    LatestById latest;
    each_week_down(weeks, from, weeks.first(),
                   [&](WeekIndex i, const store::WeekRecord& w) { latest.note(w.speaker_id, i); });
    return latest;
}

LatestById congregation_visits(const store::WeekTable& weeks, WeekIndex from, WeekIndex down_to) {
    LatestById latest;
    each_week_down(weeks, from, down_to, [&](WeekIndex i, const store::WeekRecord& w) {
        if (w.speaker_id != 0) latest.note(w.speaker_cong_id, i);
    });
    return latest;
}

}  // namespace vorla::schedule
