#pragma once
// Dates spelled the way the C library's "%b %d, %Y" and " %d %b %Y" spell them in the locale
// the program selects for its language (the status bar and the print date use them).
#include <string>
#include <string_view>

#include "core/calendar/clock.h"

namespace vorla::calendar {

// The locale's abbreviated month name ("дек" in Russian, "Dec" elsewhere).
const std::string& locale_month_abbreviation(int month, std::string_view language);
// "%b %d, %Y": "дек 07, 2026".
std::string status_date_text(const Date& d, std::string_view language);
// "%d %b %Y": "07 дек 2026".
std::string day_month_year_text(const Date& d, std::string_view language);

}  // namespace vorla::calendar
