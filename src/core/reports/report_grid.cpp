#include "core/reports/report_grid.h"

#include <algorithm>
#include <utility>

#include "core/reports/report_page.h"

namespace vorla::reports {

Grid page_grid(const PageMetrics& m, std::vector<int> columns, int rows) {
    Grid g;
    g.top = m.top_margin + m.res_y / 2;
    g.row_height = m.res_y / 4;
    g.rows = rows;
    g.columns = std::move(columns);
    return g;
}

int grid_pages(int rows) {
    return rows <= 0 ? 1 : (rows + kGridRowsPerPage - 1) / kGridRowsPerPage;
}

void add_grid(Page& page, const Grid& g) {
    if (g.columns.empty()) return;
    const int left = g.columns.front();
    const int right = g.columns.back();
    for (int r = 0; r <= g.rows; ++r) {
        const int y = g.top + r * g.row_height;
        page.lines.push_back({left, y, right, y, kGridPenWidth, kBlack});
    }
    for (const int x : g.columns)
        page.lines.push_back({x, g.top, x, g.bottom(), kGridPenWidth, kBlack});
}

void add_grid_pages(DisplayList& list, const store::Document& doc, const Device& device,
                    std::string_view title, const std::vector<int>& columns, int rows,
                    const GridPageFill& fill) {
    const settings::Settings& s = doc.settings();
    const PageMetrics m = page_metrics(device, s);
    const auto printed_on = print_date_for(device, s, doc.today());
    for (int p = 0; p < grid_pages(rows); ++p) {
        Page& page = list.pages.emplace_back();
        add_page_heading(page, list, m, s, title, printed_on, doc.language());
        const int first = p * kGridRowsPerPage;
        const Grid grid = page_grid(m, columns, std::min(kGridRowsPerPage, rows - first));
        add_grid(page, grid);
        fill(page, grid, first);
    }
}

}  // namespace vorla::reports
