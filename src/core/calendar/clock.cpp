#include "core/calendar/clock.h"

#include <cstdio>
#include <ctime>

namespace vorla::calendar {

namespace {

bool leap(int y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

int days_in(int y, int m) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : kDays[m - 1];
}

}  // namespace

bool is_valid(const Date& d) {
    return d.year >= 2000 && d.year <= 2099 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
           d.day <= days_in(d.year, d.month);
}

std::optional<Date> parse_iso_date(std::string_view t) {
    if (t.size() != 10 || t[4] != '-' || t[7] != '-') return std::nullopt;
    int v[3] = {0, 0, 0};
    const std::size_t starts[3] = {0, 5, 8};
    const std::size_t lens[3] = {4, 2, 2};
    for (int k = 0; k < 3; ++k) {
        for (std::size_t i = 0; i < lens[k]; ++i) {
            const char c = t[starts[k] + i];
            if (c < '0' || c > '9') return std::nullopt;
            v[k] = v[k] * 10 + (c - '0');
        }
    }
    const Date d{v[0], v[1], v[2]};
    if (!is_valid(d)) return std::nullopt;
    return d;
}

std::string to_iso(const Date& d) {
    char buf[16];
    const int n = std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", d.year, d.month, d.day);
    return n > 0 ? std::string(buf) : std::string();
}

Date6 to_date6(const Date& d) {
    return Date6{d.year % 100, d.month, d.day};
}

LocalTime local_time_now() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return LocalTime{Date{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday}, local.tm_hour,
                     local.tm_min};
}

Date SystemClock::today() const {
    return local_time_now().date;
}

LocalTime FixedClock::now() const {
    LocalTime t = local_time_now();
    t.date = date_;
    return t;
}

}  // namespace vorla::calendar
