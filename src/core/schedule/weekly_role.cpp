#include "core/schedule/weekly_role.h"

namespace vorla::schedule {

std::uint16_t person_of(const store::WeekRecord& week, WeeklyRole role) {
    switch (role) {
        case WeeklyRole::chairman:
            return week.chairman_id;
        case WeeklyRole::reader:
            return week.reader_id;
        case WeeklyRole::hospitality:
            return week.host_id;
    }
    return 0;
}

void set_person(store::WeekRecord& week, WeeklyRole role, std::uint16_t person) {
    switch (role) {
        case WeeklyRole::chairman:
            week.chairman_id = person;
            break;
        case WeeklyRole::reader:
            week.reader_id = person;
            break;
        case WeeklyRole::hospitality:
            week.host_id = person;
            break;
    }
}

bool role_allowed(const store::WeekRecord& week, WeeklyRole role) {
    using store::EventKind;
    const EventKind kind = week.event_kind();
    if (kind == EventKind::none) return true;
    if (kind == EventKind::convention) return false;
    switch (role) {
        case WeeklyRole::chairman:
            return week.keeps_chairman();
        case WeeklyRole::reader:
            return kind == EventKind::other && week.keeps_reader();
        case WeeklyRole::hospitality:
            return week.keeps_hospitality();
    }
    return false;
}

bool is_open(const store::WeekRecord& week, WeeklyRole role) {
    return role_allowed(week, role) && person_of(week, role) == 0;
}

store::AssignmentType assignment_type_of(WeeklyRole role) {
    switch (role) {
        case WeeklyRole::chairman:
            return store::AssignmentType::chairman;
        case WeeklyRole::reader:
            return store::AssignmentType::reader;
        case WeeklyRole::hospitality:
            break;
    }
    return store::AssignmentType::none;
}

std::optional<store::LocalRole> local_role_of(WeeklyRole role) {
    switch (role) {
        case WeeklyRole::chairman:
            return store::LocalRole::chairman;
        case WeeklyRole::reader:
            return store::LocalRole::reader;
        case WeeklyRole::hospitality:
            break;
    }
    return std::nullopt;
}

}  // namespace vorla::schedule
