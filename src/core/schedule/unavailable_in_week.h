#pragma once
// Who is unavailable in one week number, gathered in one pass over the unavailable-week
// table, for lists that check thousands of brothers against the same week.
#include <cstdint>
#include <vector>

#include "core/calendar/week.h"
#include "core/store/document.h"

namespace vorla::schedule {

class UnavailableInWeek {
  public:
    UnavailableInWeek(const store::Document& doc, calendar::WeekNumber n);
    bool unavailable(std::uint16_t brother_id) const { return marked_[brother_id]; }

  private:
    std::vector<bool> marked_ = std::vector<bool>(65536, false);
};

}  // namespace vorla::schedule
