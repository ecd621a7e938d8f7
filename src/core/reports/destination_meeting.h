#pragma once
// When one of our speakers meets the congregation he visits: that week's date on its meeting
// day, its meeting time, and its weekday when it is not the day we meet.
#include <cstdint>
#include <string>

#include "core/calendar/week.h"
#include "core/store/document.h"

namespace vorla::reports {

struct DestinationMeeting {
    std::string date;     // the week's label (short month, year) on the destination's day
    std::string time;     // its meeting time that week, as stored
    std::string weekday;  // "Суббота" when it meets on another weekday than we; else empty
};

// A congregation that is not there meets on Sunday without a time, as an unset day does.
DestinationMeeting destination_meeting(const store::Document& doc, std::uint16_t cong_id,
                                       calendar::WeekIndex week);

}  // namespace vorla::reports
