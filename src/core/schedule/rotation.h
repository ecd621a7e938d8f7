#pragma once
// The automatic choice of a chairman, reader or host for a week: of the candidates who may
// serve that week, the first in table order who never served in the role wins; otherwise the
// one whose last service lies furthest back (an earlier one in the table on a tie).
//
// The weeks are searched back only down to index 101; weeks outside the table's window are
// empty. A Rotation reads that history once and then follows the choices made through it, so
// that filling a run of weeks costs one pass over the table, not one per candidate and week.
#include <cstdint>
#include <utility>
#include <vector>

#include "core/calendar/week.h"
#include "core/schedule/weekly_role.h"
#include "core/store/document.h"

namespace vorla::schedule {

class Rotation {
  public:
    // The lowest week index the search for a last service reaches.
    static constexpr int kOldestWeek = 101;

    // Candidates: the local brothers on the role's list, or the hosts whose name does not
    // begin with "~". Their last services are read from the weeks up to `from`.
    Rotation(const store::Document& doc, WeeklyRole role, calendar::WeekIndex from);

    // The choice for week w (not before `from`); 0 when the role is not scheduled that week
    // or nobody qualifies. The weeks after `from` must have changed only through served().
    std::uint16_t choose(calendar::WeekIndex w) const;
    // The person now serves in week w.
    void served(std::uint16_t person, calendar::WeekIndex w);

  private:
    struct Candidate {
        std::uint16_t id = 0;
        bool discontinued = false;
        int last = -1;  // week index of his last service; -1: never
    };
    bool may_serve(const Candidate& c, calendar::WeekIndex w) const;

    const store::Document& doc_;
    WeeklyRole role_;
    std::vector<Candidate> candidates_;
    // (brother, week number) of the candidates' unavailable weeks, sorted.
    std::vector<std::pair<std::uint16_t, int>> unavailable_;
};

}  // namespace vorla::schedule
