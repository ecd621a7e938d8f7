#pragma once
// The ruled grid of the talk check and the worksheet: rows a quarter inch high, 36 to a page,
// framed and ruled with a 2-pixel black pen, its top half an inch below the top-margin line.
#include <functional>
#include <string_view>
#include <vector>

#include "core/reports/device.h"
#include "core/reports/display_list.h"
#include "core/reports/page_metrics.h"
#include "core/store/document.h"

namespace vorla::reports {

inline constexpr int kGridRowsPerPage = 36;
inline constexpr int kGridPenWidth = 2;

struct Grid {
    int top = 0;
    int row_height = 0;
    int rows = 0;
    std::vector<int> columns;  // every vertical line, left edge to right edge

    int bottom() const { return top + rows * row_height; }
    // The line a row's texts stand on: three quarters down the row, so that a title split in
    // two (a quarter row above and below it) stays within the row.
    int row_line(int row) const { return top + row * row_height + row_height * 3 / 4; }
    // The line the column heads stand on, just clear of the grid's top line.
    int head_line() const { return top - kGridPenWidth; }
};

// The grid of one page with `rows` rows between the given vertical lines.
Grid page_grid(const PageMetrics& metrics, std::vector<int> columns, int rows);
// Pages of a grid of so many rows; an empty grid still takes one page.
int grid_pages(int rows);
// The frame and its rules: a line along the top of every row and the bottom, one per column.
void add_grid(Page& page, const Grid& grid);

// The pages of a grid of `rows` rows, 36 to a page, each with the page heading under `title`
// and its grid; `fill` then writes the page's heads and rows, from row `first` of the whole.
using GridPageFill = std::function<void(Page& page, const Grid& grid, int first)>;
void add_grid_pages(DisplayList& list, const store::Document& doc, const Device& device,
                    std::string_view title, const std::vector<int>& columns, int rows,
                    const GridPageFill& fill);

}  // namespace vorla::reports
