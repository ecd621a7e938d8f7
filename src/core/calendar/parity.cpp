#include "core/calendar/parity.h"

namespace vorla::calendar {

namespace {

Parity flip(Parity p) {
    return p == Parity::odd ? Parity::even : Parity::odd;
}

Parity year_parity(const Date6& d) {
    return d.yy % 2 ? Parity::odd : Parity::even;
}

bool late_december(const Date6& d) {
    return d.mm == 12 && d.dd > 25;
}

}  // namespace

Parity congregation_parity(WeekIndex i, bool service_year) {
    const Date6 monday = week_date(i.number());
    Parity p = year_parity(monday);
    if (service_year ? monday.mm > 8 : late_december(monday)) p = flip(p);
    return p;
}

Parity own_day_parity(WeekIndex i, bool service_year) {
    const Date6 monday = week_date(i.number());
    Parity p = congregation_parity(i, service_year);
    if (service_year && monday.mm == 8 && monday.dd > 25) p = flip(p);
    return p;
}

DayOffset meeting_offset(const CalendarContext& ctx, Parity p) {
    return p == Parity::odd ? ctx.meeting_odd : ctx.meeting_even;
}

int year_of_week(WeekIndex i, const CalendarContext& ctx) {
    const Date6 monday = week_date(i.number());
    Parity p = year_parity(monday);
    if (late_december(monday)) p = flip(p);
    const int offset = meeting_offset(ctx, p).value;
    if (monday.mm == 12 && monday.dd > 31 - offset) return 2001 + monday.yy;
    return 2000 + monday.yy;
}

std::string year_text(WeekIndex i, const CalendarContext& ctx) {
    return std::to_string(year_of_week(i, ctx));
}

}  // namespace vorla::calendar
