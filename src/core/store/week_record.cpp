#include "core/store/week_record.h"

#include <algorithm>

#include "core/io/bytes.h"

namespace vorla::store {

namespace {

constexpr std::size_t kWeek = 0;
constexpr std::size_t kSpeakerId = 2;
constexpr std::size_t kTalkNo = 4;
constexpr std::size_t kSpeakerCongId = 6;
constexpr std::size_t kRequested = 8;
constexpr std::size_t kConfirmed = 10;
constexpr std::size_t kReminded = 12;
constexpr std::size_t kChairmanId = 14;
constexpr std::size_t kReaderId = 16;
constexpr std::size_t kHostId = 18;
constexpr std::size_t kWeekFlags = 20;
constexpr std::size_t kOutSpeakerId = 28;
constexpr std::size_t kOutCongId = 40;
constexpr std::size_t kOutTalkNo = 52;

void read_ids(const io::ByteReader& r, std::size_t offset, WeekRecord::Ids& ids) {
    for (std::size_t i = 0; i < ids.size(); ++i)
        ids[i] = r.u16(offset + 2 * i);
}

void write_ids(io::ByteWriter& w, std::size_t offset, const WeekRecord::Ids& ids) {
    for (std::size_t i = 0; i < ids.size(); ++i)
        w.u16(offset + 2 * i, ids[i]);
}

}  // namespace

EventKind event_kind(std::uint16_t flags) {
    if (flags & week_bit::kConvention) return EventKind::convention;
    if (flags & week_bit::kOverseerVisit) return EventKind::overseer_visit;
    if (flags & week_bit::kOtherEvent) return EventKind::other;
    return EventKind::none;
}

WeekRecord WeekRecord::decode(std::span<const std::uint8_t, kSize> bytes) {
    const io::ByteReader r(bytes);
    WeekRecord w;
    w.week = calendar::WeekNumber(r.u16(kWeek));
    w.speaker_id = r.u16(kSpeakerId);
    w.talk_no = r.u16(kTalkNo);
    w.speaker_cong_id = r.u16(kSpeakerCongId);
    w.requested = r.u16(kRequested);
    w.confirmed = r.u16(kConfirmed);
    w.reminded = r.u16(kReminded);
    w.chairman_id = r.u16(kChairmanId);
    w.reader_id = r.u16(kReaderId);
    w.host_id = r.u16(kHostId);
    w.week_flags = r.u16(kWeekFlags);
    const auto reserved = r.bytes(kReservedOffset, kReservedWidth);
    std::copy(reserved.begin(), reserved.end(), w.reserved.begin());
    read_ids(r, kOutSpeakerId, w.out_speaker_id);
    read_ids(r, kOutCongId, w.out_cong_id);
    read_ids(r, kOutTalkNo, w.out_talk_no);
    return w;
}

std::array<std::uint8_t, WeekRecord::kSize> WeekRecord::encode() const {
    std::array<std::uint8_t, kSize> out{};
    io::ByteWriter w(out);
    w.u16(kWeek, static_cast<std::uint16_t>(week.value));
    w.u16(kSpeakerId, speaker_id);
    w.u16(kTalkNo, talk_no);
    w.u16(kSpeakerCongId, speaker_cong_id);
    w.u16(kRequested, requested);
    w.u16(kConfirmed, confirmed);
    w.u16(kReminded, reminded);
    w.u16(kChairmanId, chairman_id);
    w.u16(kReaderId, reader_id);
    w.u16(kHostId, host_id);
    w.u16(kWeekFlags, week_flags);
    w.bytes(kReservedOffset, reserved);
    write_ids(w, kOutSpeakerId, out_speaker_id);
    write_ids(w, kOutCongId, out_cong_id);
    write_ids(w, kOutTalkNo, out_talk_no);
    return out;
}

}  // namespace vorla::store
