#include "core/store/special_events.h"

#include <algorithm>

#include "core/store/table_file.h"
#include "core/text/texts.h"

namespace vorla::store {

using text::TextId;

std::uint16_t event_conflicts(const WeekRecord& week, std::uint16_t event_flags) {
    std::uint16_t c = 0;
    if (week.speaker_id || week.talk_no || week.speaker_cong_id) c |= conflict::kSpeaker;
    if (week.chairman_id && !(event_flags & week_bit::kKeepsChairman)) c |= conflict::kChairman;
    if (week.host_id && !(event_flags & week_bit::kKeepsHospitality)) c |= conflict::kHost;
    if (week.reader_id && !(event_flags & week_bit::kKeepsReader)) c |= conflict::kReader;
    return c;
}

void apply_conflicts(WeekRecord& week, std::uint16_t conflicts) {
    if (conflicts & conflict::kSpeaker) {
        week.speaker_id = 0;
        week.talk_no = 0;
        week.speaker_cong_id = 0;
    }
    if (conflicts & conflict::kChairman) week.chairman_id = 0;
    if (conflicts & conflict::kHost) week.host_id = 0;
    if (conflicts & conflict::kReader) week.reader_id = 0;
}

std::string default_event_title(std::uint16_t event_flags) {
    switch (event_kind(event_flags)) {
        case EventKind::convention:
            return text::text(TextId::event_convention);
        case EventKind::overseer_visit:
            return text::text(TextId::event_circuit_visit);
        case EventKind::other:
            return text::text(TextId::special_event);
        case EventKind::none:
            break;
    }
    return {};
}

void SpecialEvents::load(const DataFolder& folder) {
    entries_ = read_table_file<SpecialEventRecord>(folder, folder.file(files::kSpecial), kCapacity)
                   .records;
}

std::size_t SpecialEvents::find_by_week(calendar::WeekIndex week) const {
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        if (entries_[i].event_week == week) return i + 1;
    }
    return 0;
}

void SpecialEvents::store(const SpecialEventRecord& event, WeekTable& weeks) {
    if (const std::size_t pos = find_by_week(event.event_week)) {
        entries_[pos - 1] = event;
    } else {
        entries_.push_back(event);
        std::stable_sort(entries_.begin(), entries_.end(),
                         [](const SpecialEventRecord& a, const SpecialEventRecord& b) {
                             return a.event_week < b.event_week;
                         });
    }
    if (weeks.in_window(event.event_week)) {
        weeks.at(event.event_week).week_flags = static_cast<std::uint16_t>(
            (event.event_flags & week_bit::kEventBits) | week_bit::kContent);
    }
}

void SpecialEvents::remove(std::size_t pos, WeekTable& weeks) {
    if (pos >= entries_.size()) return;
    const calendar::WeekIndex week = entries_[pos].event_week;
    if (weeks.in_window(week)) weeks.at(week).week_flags &= week_bit::kContent;
    entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(pos));
}

bool SpecialEvents::save(const DataFolder& folder) const {
    return write_table_file(folder, folder.file(files::kSpecial), entries_);
}

}  // namespace vorla::store
