#include "core/reports/destination_meeting.h"

#include "core/calendar/date_label.h"
#include "core/reports/schedule_week.h"

namespace vorla::reports {

namespace {

calendar::DayOffset meeting_offset(const store::Document& doc, std::uint16_t cong_id,
                                   calendar::WeekIndex week) {
    return calendar::to_offset(doc.congregations()
                                   .meeting_day(cong_id, week, doc.settings().service_year)
                                   .value_or(calendar::StoredDay{}));
}

}  // namespace

DestinationMeeting destination_meeting(const store::Document& doc, std::uint16_t cong_id,
                                       calendar::WeekIndex week) {
    DestinationMeeting m;
    const calendar::DayOffset day = meeting_offset(doc, cong_id, week);
    m.date = calendar::date_label(week.number(), kScheduleLabelStyle, doc.calendar(),
                                  calendar::to_label_day(day));
    m.time = doc.congregations().meeting_time(cong_id, week, doc.settings().service_year);
    if (day != meeting_offset(doc, doc.our_congregation(), week))
        m.weekday = calendar::weekday_name(day);
    return m;
}

}  // namespace vorla::reports
