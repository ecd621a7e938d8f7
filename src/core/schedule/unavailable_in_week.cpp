#include "core/schedule/unavailable_in_week.h"

namespace vorla::schedule {

UnavailableInWeek::UnavailableInWeek(const store::Document& doc, calendar::WeekNumber n) {
    for (const store::UnavailableRecord& u : doc.unavailable().entries()) {
        if (u.ua_brother_id != 0 && u.ua_week == n) marked_[u.ua_brother_id] = true;
    }
}

}  // namespace vorla::schedule
