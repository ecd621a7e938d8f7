#include "core/calendar/locale_date.h"

#include <array>
#include <cstdio>

namespace vorla::calendar {

namespace {

std::string two_digits(int v) {
    char buf[8];
    // Eight bytes hold any "%02d" of -99..99, so the count it returns says nothing new.
    static_cast<void>(std::snprintf(buf, sizeof buf, "%02d", v % 100));
    return buf;
}

}  // namespace

const std::string& locale_month_abbreviation(int month, std::string_view language) {
    static const std::array<std::string, 12> russian = {"янв", "фев", "мар", "апр", "май", "июн",
                                                        "июл", "авг", "сен", "окт", "ноя", "дек"};
    static const std::array<std::string, 12> english = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                        "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    const std::size_t m = static_cast<std::size_t>(month >= 1 && month <= 12 ? month - 1 : 0);
    return language == "rus" ? russian[m] : english[m];
}

std::string status_date_text(const Date& d, std::string_view language) {
    return locale_month_abbreviation(d.month, language) + " " + two_digits(d.day) + ", " +
           std::to_string(d.year);
}

std::string day_month_year_text(const Date& d, std::string_view language) {
    return two_digits(d.day) + " " + locale_month_abbreviation(d.month, language) + " " +
           std::to_string(d.year);
}

}  // namespace vorla::calendar
