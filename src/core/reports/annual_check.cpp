#include "core/reports/annual_check.h"

#include "core/reports/listed_talks.h"

#include <algorithm>

#include "core/calendar/date_label.h"
#include "core/calendar/parity.h"
#include "core/reports/page_metrics.h"
#include "core/reports/report_grid.h"
#include "core/reports/report_page.h"
#include "core/text/texts.h"
#include "core/text/trim.h"
#include "core/text/utf8.h"

namespace vorla::reports {

using calendar::WeekIndex;

namespace {

constexpr int kWeeksAhead = 69;
constexpr std::size_t kLongTitle = 56;

WeekIndex last_planned_week(const store::Document& doc) {
    const store::WeekTable& weeks = doc.weeks();
    const WeekIndex current = doc.current_week().index();
    for (WeekIndex i = std::min(current + kWeeksAhead, weeks.last()); i > current; --i) {
        const store::WeekRecord& w = weeks.at(i);
        if (w.speaker_id && w.talk_no) return i;
    }
    return current;
}

}  // namespace

AnnualCheck annual_check(const store::Document& doc) {
    AnnualCheck check;
    const calendar::CalendarContext ctx = doc.calendar();
    check.last_week = last_planned_week(doc);
    check.latest_year = calendar::year_of_week(check.last_week, ctx);
    check.talks.resize(static_cast<std::size_t>(listed_talk_count(doc.talks(), false)));
    const int first_year = check.latest_year - (kCheckYears - 1);
    const store::WeekTable& weeks = doc.weeks();
    // Weeks before the window are not kept; the window starts the count.
    for (WeekIndex i = weeks.first(); i <= check.last_week; ++i) {
        const int talk = weeks.at(i).talk_no;
        if (talk < 1 || talk > static_cast<int>(check.talks.size())) continue;
        const int column = calendar::year_of_week(i, ctx) - first_year;
        if (column < 0 || column >= kCheckYears) continue;
        CheckCell& cell = check.talks[static_cast<std::size_t>(talk - 1)][column];
        cell.week = i;
        ++cell.times;
    }
    return check;
}

std::pair<std::string, std::string> split_long_title(std::string_view title) {
    const std::u32string chars = text::to_u32(title);
    if (chars.size() < kLongTitle) return {std::string(title), {}};
    const std::size_t within = kLongTitle - 1;
    const std::size_t blank = chars.find_last_of(U' ', within - 1);
    const std::size_t cut = blank == std::u32string::npos ? within : blank;
    const std::size_t rest = blank == std::u32string::npos ? cut : cut + 1;
    return {text::to_utf8(chars.substr(0, cut)), text::to_utf8(chars.substr(rest))};
}

DisplayList layout_annual_check(const store::Document& doc, const settings::ReportFonts& fonts,
                                const Device& device) {
    DisplayList list = new_display_list(device, fonts, doc.language());
    const PageMetrics m = page_metrics(device, doc.settings());
    const int rx = m.res_x;
    const int x0 = m.left_margin;
    const AnnualCheck check = annual_check(doc);
    const WeekIndex current = doc.current_week().index();

    std::vector<int> columns;
    const int column_width = rx / 10 + rx / 2;
    for (int k = 0; k <= kCheckYears; ++k)
        columns.push_back(x0 + 4 * rx + rx / 10 + k * column_width);
    const int title_x = x0 + rx / 3;
    // A title condenses rather than run into the grid.
    const int title_room = columns.front() - title_x - rx / 20;
    const std::uint32_t title_colour = list.font(FontId::fixed_italic).colour;

    const auto talk_row = [&](Page& page, const Grid& grid, int r, int talk) {
        const int y = grid.row_line(r);
        page.texts.push_back(
            {x0, y, doc.talks().number_text(talk), FontId::text, list.font(FontId::text).colour});
        const auto [head, tail] = split_long_title(text::trim_right(doc.talks().title(talk)));
        const int quarter = tail.empty() ? 0 : grid.row_height / 4;
        page.texts.push_back({title_x, y - quarter, head, FontId::fixed_italic, title_colour,
                              HAlign::left, VAlign::bottom, title_room});
        if (!tail.empty()) {
            page.texts.push_back({title_x + rx / 18, y + quarter, tail, FontId::fixed_italic,
                                  title_colour, HAlign::left, VAlign::bottom,
                                  title_room - rx / 18});
        }
        const auto& cells = check.talks[static_cast<std::size_t>(talk - 1)];
        for (int k = 0; k < kCheckYears; ++k) {
            const CheckCell& cell = cells[k];
            if (!cell.times) continue;
            std::string label =
                doc.date_label(cell.week.number(), calendar::LabelStyle::short_month);
            const bool again = cell.times > 1;
            if (again) label += "+";
            const bool coming = cell.week > current;
            const FontId font = coming ? FontId::fixed_italic : FontId::fixed;
            page.texts.push_back({columns[k] + (again ? rx / 20 : rx / 12), y, std::move(label),
                                  font, coming ? kRed : list.font(font).colour});
        }
    };
    const auto fill = [&](Page& page, const Grid& grid, int first) {
        for (int k = 0; k < kCheckYears; ++k) {
            const int year = check.latest_year - (kCheckYears - 1) + k;
            page.texts.push_back({columns[k] + rx / 10, grid.head_line(), std::to_string(year),
                                  FontId::speakers, list.font(FontId::speakers).colour});
        }
        for (int r = 0; r < grid.rows; ++r)
            talk_row(page, grid, r, first + r + 1);
    };
    add_grid_pages(list, doc, device, text::text(text::TextId::public_talk_titles), columns,
                   static_cast<int>(check.talks.size()), fill);
    return list;
}

}  // namespace vorla::reports
