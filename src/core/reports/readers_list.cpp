#include "core/reports/readers_list.h"

#include <algorithm>

#include "core/reports/page_metrics.h"
#include "core/reports/report_page.h"
#include "core/reports/schedule_week.h"
#include "core/text/texts.h"

namespace vorla::reports {

using calendar::WeekIndex;

namespace {

constexpr int kWeeksLooked = 52;
constexpr int kMaxRows = 36;

bool needs_reader(const store::WeekRecord& w) {
    return !w.is_special() || w.keeps_reader();
}

}  // namespace

ReaderColumns reader_columns(const store::Document& doc) {
    const store::WeekTable& weeks = doc.weeks();
    const WeekIndex current = doc.current_week().index();
    int n = 0;
    for (WeekIndex i = current; i < current + kWeeksLooked && i <= weeks.last(); ++i) {
        if (weeks.at(i).reader_id) ++n;
    }
    n = std::min(n, kMaxRows);
    ReaderColumns columns;
    for (int i = 0; i <= n / 2; ++i) {
        columns.left.push_back(current + i);
        columns.right.push_back(current + n / 2 + i + 1);
    }
    // The week table ends the list (some nine years ahead).
    std::erase_if(columns.left, [&](WeekIndex i) { return i > weeks.last(); });
    std::erase_if(columns.right, [&](WeekIndex i) { return i > weeks.last(); });
    if (!columns.right.empty()) {
        const store::WeekRecord& last = weeks.at(columns.right.back());
        if (!last.reader_id && needs_reader(last)) columns.right.pop_back();
    }
    return columns;
}

DisplayList layout_readers(const store::Document& doc, const settings::ReportFonts& fonts,
                           const Device& device) {
    DisplayList list = new_display_list(device, fonts, doc.language());
    const settings::Settings& s = doc.settings();
    const PageMetrics m = page_metrics(device, s);
    const int rx = m.res_x;
    const int x0 = m.left_margin;
    const int row = m.res_y / 2;
    const std::uint32_t colour = list.font(FontId::speakers).colour;
    Page& page = list.pages.emplace_back();
    add_page_heading(page, list, m, s, text::text(text::TextId::watchtower_readers),
                     print_date_for(device, s, doc.today()), doc.language());

    // A long name condenses rather than run into the right column or off the page.
    const auto column = [&](const std::vector<WeekIndex>& weeks, int date_x, int name_x,
                            int name_end) {
        int y = m.top_margin + row;
        for (const WeekIndex i : weeks) {
            page.texts.push_back({date_x, y, doc.date_label(i.number(), kScheduleLabelStyle),
                                  FontId::speakers, colour});
            if (std::string name = doc.brothers().name_of(doc.weeks().at(i).reader_id);
                !name.empty()) {
                page.texts.push_back({name_x, y, std::move(name), FontId::speakers, colour,
                                      HAlign::left, VAlign::bottom, name_end - name_x});
            }
            y += row;
        }
    };
    const ReaderColumns weeks = reader_columns(doc);
    column(weeks.left, x0 + rx / 10, x0 + rx + rx / 3, x0 + 4 * rx - rx / 20);
    column(weeks.right, x0 + 4 * rx, x0 + 5 * rx + rx / 4, m.page_width - rx / 10);
    return list;
}

}  // namespace vorla::reports
