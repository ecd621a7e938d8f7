#include "core/calendar/date6.h"

#include <array>
#include <vector>

namespace vorla::calendar {

std::string to_text(const Date6& d) {
    std::string s(6, '0');
    const std::array<int, 3> parts{d.yy, d.mm, d.dd};
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const int v = parts[i] < 0 ? 0 : parts[i] % 100;
        s[2 * i] = static_cast<char>('0' + v / 10);
        s[2 * i + 1] = static_cast<char>('0' + v % 10);
    }
    return s;
}

std::optional<Date6> parse_date6(std::string_view text) {
    if (text.size() != 6) return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9') return std::nullopt;
    }
    const auto two = [&](int i) { return (text[i] - '0') * 10 + (text[i + 1] - '0'); };
    const Date6 d{two(0), two(2), two(4)};
    if (d.mm < 1 || d.mm > 12 || d.dd < 1 || d.dd > 31) return std::nullopt;
    return d;
}

int month_length(int mm, int yy) {
    switch (mm) {
        case 4:
        case 6:
        case 9:
        case 11:
            return 30;
        case 2:
            return yy % 4 == 0 ? 29 : 28;
        default:
            return 31;
    }
}

Date6 step_week(Date6 d) {
    d.dd += 7;
    if (d.dd > month_length(d.mm, d.yy)) d.dd -= month_length(d.mm, d.yy);
    if (d.dd < 8) {
        if (++d.mm > 12) {
            d.mm = 1;
            if (++d.yy >= 100) d.yy -= 100;
        }
    }
    return d;
}

Date6 add_day(Date6 d) {
    if (++d.dd > month_length(d.mm, d.yy)) {
        d.dd = 1;
        if (++d.mm > 12) {
            d.mm = 1;
            if (++d.yy >= 100) d.yy -= 100;
        }
    }
    return d;
}

Date6 week_date(WeekNumber n) {
    // Every label and list asks for week dates; the weeks of a century are stepped once.
    static const std::vector<Date6> table = [] {
        std::vector<Date6> t;
        t.reserve(5300);
        Date6 d = kEpoch;
        for (int i = 0; i < 5300; ++i) {
            t.push_back(d);
            d = step_week(d);
        }
        return t;
    }();
    if (n.value < 0) return kEpoch;
    if (static_cast<std::size_t>(n.value) < table.size())
        return table[static_cast<std::size_t>(n.value)];
    Date6 d = table.back();
    for (std::size_t i = table.size() - 1; i < static_cast<std::size_t>(n.value); ++i)
        d = step_week(d);
    return d;
}

WeekNumber week_of_date(const Date6& d) {
    int n = 0;
    while (n < kLastCountedWeek.value && !(d < week_date(WeekNumber(n + 1))))
        ++n;
    return WeekNumber(n);
}

}  // namespace vorla::calendar
