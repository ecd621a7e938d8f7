#pragma once
// The one place the program learns today's date. `--today` and the tests replace it.
#include <optional>
#include <string>
#include <string_view>

#include "core/calendar/date6.h"

namespace vorla::calendar {

// A full calendar date.
struct Date {
    int year = 2000;
    int month = 1;
    int day = 1;
    friend constexpr auto operator<=>(const Date&, const Date&) = default;
};

// "YYYY-MM-DD" (an existing date of the years 2000-2099), else nothing.
std::optional<Date> parse_iso_date(std::string_view text);
std::string to_iso(const Date& d);
Date6 to_date6(const Date& d);
bool is_valid(const Date& d);

class Clock {
  public:
    virtual ~Clock() = default;
    virtual Date today() const = 0;
};

// The local date of the machine.
class SystemClock final : public Clock {
  public:
    Date today() const override;
};

// A date fixed at construction.
class FixedClock final : public Clock {
  public:
    explicit FixedClock(Date d) : date_(d) {}
    Date today() const override { return date_; }

  private:
    Date date_;
};

}  // namespace vorla::calendar
