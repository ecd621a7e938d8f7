#include "core/schedule/week_status.h"

namespace vorla::schedule {

using store::AssignmentType;
using store::EventKind;

namespace {

bool busy(const store::Document& doc, std::uint16_t id, calendar::WeekIndex w, AssignmentType own) {
    return doc.assignment_type(id, w, own) != AssignmentType::none;
}

bool nothing_assigned(const store::WeekRecord& r) {
    return !r.talk_no && !r.speaker_id && !r.out_speaker_id[0] && !r.chairman_id && !r.host_id &&
           !r.reader_id;
}

}  // namespace

WeekStatus week_status(const store::Document& doc, calendar::WeekIndex w) {
    const store::WeekRecord& r = doc.weeks().at(w);
    const settings::Settings& s = doc.settings();
    const EventKind kind = r.event_kind();
    if (kind == EventKind::convention || kind == EventKind::other)
        return r.out_speaker_id[0] ? WeekStatus::conflict : WeekStatus::complete;
    if (nothing_assigned(r) && kind != EventKind::overseer_visit) return WeekStatus::none;

    if (r.speaker_id) {
        if (!doc.brother_available(r.speaker_id, w.number()))
            return WeekStatus::speaker_unavailable;
        if (busy(doc, r.speaker_id, w, AssignmentType::speaker)) return WeekStatus::conflict;
    }
    for (std::uint16_t out : r.out_speaker_id) {
        if (!out) continue;
        if (!doc.brother_available(out, w.number())) return WeekStatus::speaker_unavailable;
        if (busy(doc, out, w, AssignmentType::outgoing_speaker)) return WeekStatus::conflict;
    }
    if (r.out_speaker_id[0] && (!r.out_talk_no[0] || !r.out_cong_id[0]))
        return WeekStatus::outgoing_incomplete;

    const bool host_done = r.host_id || !s.hospitality_scheduled;
    const bool reader_done = r.reader_id || !s.readers_scheduled;
    if (r.talk_no && r.speaker_id && r.chairman_id && host_done && reader_done)
        return r.confirmed ? WeekStatus::complete : WeekStatus::unconfirmed;
    if (kind == EventKind::overseer_visit) {
        // A host the settings do not schedule can never be set: it is not missing either.
        const bool chairman_done = r.chairman_id || !r.keeps_chairman();
        const bool visit_host_done = host_done || !r.keeps_hospitality();
        return chairman_done && visit_host_done ? WeekStatus::complete : WeekStatus::incomplete;
    }
    // Only ordinary weeks are left: conventions and other events were settled first.
    return WeekStatus::incomplete;
}

}  // namespace vorla::schedule
