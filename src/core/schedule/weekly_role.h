#pragma once
// The three roles filled once a week by one person: the chairman, the Watchtower reader and
// the hospitality host. Each has its field in the week record, and a week's event decides
// whether the role is scheduled that week at all.
#include <cstdint>
#include <optional>

#include "core/store/document.h"
#include "core/store/local_role.h"
#include "core/store/week_record.h"

namespace vorla::schedule {

enum class WeeklyRole { chairman, reader, hospitality };

// chairman_id, reader_id or host_id.
std::uint16_t person_of(const store::WeekRecord& week, WeeklyRole role);
void set_person(store::WeekRecord& week, WeeklyRole role, std::uint16_t person);

// Never in a convention week. In an overseer visit: chairman and host only when the event
// keeps them, the reader never. In another event: only when the event keeps the role.
bool role_allowed(const store::WeekRecord& week, WeeklyRole role);
// Allowed and nobody assigned yet.
bool is_open(const store::WeekRecord& week, WeeklyRole role);

// The assignment type the conflict checks know the role by; none for the host.
store::AssignmentType assignment_type_of(WeeklyRole role);
// The list of our congregation the candidates come from; none for the host.
std::optional<store::LocalRole> local_role_of(WeeklyRole role);

}  // namespace vorla::schedule
