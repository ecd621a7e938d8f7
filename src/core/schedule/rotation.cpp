#include "core/schedule/rotation.h"

#include <algorithm>
#include <unordered_map>

namespace vorla::schedule {

using calendar::WeekIndex;

Rotation::Rotation(const store::Document& doc, WeeklyRole role, WeekIndex from)
    : doc_(doc), role_(role) {
    if (const auto list = local_role_of(role)) {
        for (const store::LocalBrother& l : doc.local_brothers()) {
            if (!store::has_role(l.roles, *list)) continue;
            const auto pos = doc.brothers().find(l.brother_id);
            candidates_.push_back({l.brother_id, pos && doc.brothers().at(*pos).discontinued()});
        }
    } else {
        for (const store::NamedRecord& host : doc.hosts().entries()) {
            if (!host.name.starts_with('~')) candidates_.push_back({host.id, false});
        }
    }
    if (candidates_.empty()) return;

    std::unordered_map<std::uint16_t, std::size_t> by_id;
    for (std::size_t k = 0; k < candidates_.size(); ++k)
        by_id.emplace(candidates_[k].id, k);

    if (local_role_of(role)) {
        for (const store::UnavailableRecord& u : doc.unavailable().entries()) {
            if (by_id.contains(u.ua_brother_id))
                unavailable_.emplace_back(u.ua_brother_id, u.ua_week.value);
        }
        std::sort(unavailable_.begin(), unavailable_.end());
    }

    const store::WeekTable& weeks = doc.weeks();
    const WeekIndex bottom = std::max(WeekIndex(kOldestWeek), weeks.first());
    std::size_t unknown = candidates_.size();
    for (WeekIndex i = std::min(from, weeks.last()); i >= bottom && unknown > 0; --i) {
        const auto hit = by_id.find(person_of(weeks.at(i), role));
        if (hit == by_id.end()) continue;
        Candidate& c = candidates_[hit->second];
        if (c.last < 0) {
            c.last = i.value;
            --unknown;
        }
    }
}

bool Rotation::may_serve(const Candidate& c, WeekIndex w) const {
    if (role_ == WeeklyRole::hospitality) return true;
    if (c.discontinued) return false;
    if (std::binary_search(unavailable_.begin(), unavailable_.end(),
                           std::pair<std::uint16_t, int>(c.id, w.number().value)))
        return false;
    return doc_.assignment_type(c.id, w) == store::AssignmentType::none;
}

std::uint16_t Rotation::choose(WeekIndex w) const {
    if (!role_allowed(doc_.weeks().at(w), role_)) return 0;
    const Candidate* best = nullptr;
    for (const Candidate& c : candidates_) {
        if (!may_serve(c, w)) continue;
        if (c.last < 0) return c.id;
        if (!best || c.last < best->last) best = &c;
    }
    return best ? best->id : 0;
}

void Rotation::served(std::uint16_t person, WeekIndex w) {
    for (Candidate& c : candidates_) {
        if (c.id == person) c.last = std::max(c.last, w.value);
    }
}

}  // namespace vorla::schedule
